#include "sondrel/ui/qt/template_surface.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

#include "sondrel/ui/qt/picture_control.h"
#include "sondrel/ui/qt/tooltip_text.h"

namespace sondrel::ui::qt {

namespace {

// The sizes an icon is rendered at for the window system to choose from.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64};

QColor ToColor(Rgb color) {
    return {color.red, color.green, color.blue};
}

bool Has(std::uint32_t style, SondrelStyleFlag flag) {
    return (style & flag) != 0;
}

Qt::Alignment TextAlignment(std::uint32_t style) {
    if (Has(style, kSondrelCentered)) {
        return Qt::AlignHCenter | Qt::AlignTop;
    }
    if (Has(style, kSondrelRightAligned)) {
        return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakeWidget(const SondrelDialogControl& control, QWidget* parent) {
    const QString text = DisplayText(control.text != nullptr ? control.text : "");
    switch (control.kind) {
        case kSondrelButton:
        case kSondrelDefaultButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(control.kind == kSondrelDefaultButton);
            return button;
        }
        case kSondrelGroupBox:
            return new QGroupBox(text, parent);
        case kSondrelPictureBox: {
            auto* picture = new PictureControl(parent);
            picture->SetBorder(Has(control.style, kSondrelBorder));
            return picture;
        }
        case kSondrelEditText: {
            // The program's edit controls show texts; nobody types into them.
            if (Has(control.style, kSondrelMultiline)) {
                auto* edit = new QPlainTextEdit(text, parent);
                edit->setReadOnly(true);
                if (!Has(control.style, kSondrelBorder)) {
                    edit->setFrameShape(QFrame::NoFrame);
                }
                return edit;
            }
            auto* edit = new QLineEdit(text, parent);
            edit->setReadOnly(true);
            edit->setFrame(Has(control.style, kSondrelBorder));
            edit->setAlignment(TextAlignment(control.style) & Qt::AlignHorizontal_Mask);
            return edit;
        }
        case kSondrelCheckBox:
            return new QCheckBox(text, parent);
        case kSondrelStaticText:
        default: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(TextAlignment(control.style));
            if (Has(control.style, kSondrelBorder)) {
                label->setFrameShape(QFrame::Box);
                label->setFrameShadow(QFrame::Plain);
            }
            return label;
        }
    }
}

void SetWidgetText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(text);
        line->setCursorPosition(0);
    }
}

QIcon MakeIcon(const Picture& picture) {
    QIcon icon;
    for (const int size : kIconSizes) {
        const QImage image = picture.Render(QSize(size, size), true);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace

QString DisplayText(std::string_view text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

TemplateSurface::TemplateSurface(const SondrelDialogTemplate& dialog, QWidget* parent)
    : QWidget(parent), dialogFont_(DialogFont()), units_(BaseUnitsOf(dialogFont_)) {
    setFont(dialogFont_);
    setWindowTitle(QString::fromUtf8(dialog.caption != nullptr ? dialog.caption : ""));
    setFixedSize(ToPixels(dialog.rectangle, units_).size());
    controls_.reserve(dialog.controlCount);
    for (std::uint32_t index = 0; index < dialog.controlCount; ++index) {
        AddControl(dialog.controls[index]);
    }
}

void TemplateSurface::AddControl(const SondrelDialogControl& control) {
    QWidget* widget = MakeWidget(control, this);
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(ToPixels(control.rectangle, units_));
    if (Has(control.style, kSondrelDisabled)) {
        widget->setEnabled(false);
    }
    if (Has(control.style, kSondrelHidden)) {
        widget->hide();
    }
    const ControlId id = control.id;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, this, [this, id] { Clicked(id); });
    } else if (auto* picture = dynamic_cast<PictureControl*>(widget)) {
        picture->SetClickHandler([this, id] { Clicked(id); });
    }
    if (control.kind == kSondrelGroupBox) {
        // A group box only frames the controls that lie on it.
        widget->lower();
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    firstIndex_.try_emplace(id, controls_.size());
    controls_.push_back(Control{id,
                                static_cast<SondrelControlKind>(control.kind),
                                widget,
                                control.text != nullptr ? control.text : "",
                                {},
                                std::nullopt});
}

TemplateSurface::Control* TemplateSurface::Find(ControlId id) {
    const auto found = firstIndex_.find(id);
    return found == firstIndex_.end() ? nullptr : &controls_[found->second];
}

const TemplateSurface::Control* TemplateSurface::Find(ControlId id) const {
    const auto found = firstIndex_.find(id);
    return found == firstIndex_.end() ? nullptr : &controls_[found->second];
}

QWidget* TemplateSurface::ControlWidget(ControlId id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->widget : nullptr;
}

QString TemplateSurface::TooltipOf(ControlId id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->widget->toolTip() : QString();
}

bool TemplateSurface::HasControl(ControlId id) const {
    return Find(id) != nullptr;
}

void TemplateSurface::SetText(ControlId id, std::string_view text) {
    if (Control* control = Find(id)) {
        control->text = text;
        SetWidgetText(control->widget, DisplayText(text));
    }
}

std::string TemplateSurface::Text(ControlId id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->text : std::string();
}

void TemplateSurface::SetVisible(ControlId id, bool visible) {
    if (Control* control = Find(id)) {
        control->widget->setVisible(visible);
    }
}

void TemplateSurface::SetEnabled(ControlId id, bool enabled) {
    if (Control* control = Find(id)) {
        control->widget->setEnabled(enabled);
    }
}

void TemplateSurface::SetFont(ControlId id, const FontChange& font) {
    Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    if (font.weight) {
        control->font.weight = font.weight;
    }
    if (font.face) {
        control->font.face = font.face;
    }
    if (font.height) {
        control->font.height = font.height;
    }
    QFont changed = dialogFont_;
    if (control->font.weight) {
        changed.setWeight(static_cast<QFont::Weight>(std::clamp(*control->font.weight, 1, 1000)));
    }
    if (control->font.face) {
        changed.setFamily(QString::fromUtf8(control->font.face->c_str()));
    }
    if (control->font.height && *control->font.height > 0) {
        changed.setPixelSize(*control->font.height);
    }
    control->widget->setFont(changed);
}

void TemplateSurface::SetTextColor(ControlId id, Rgb color) {
    Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    QPalette palette = control->widget->palette();
    // A disabled control keeps the greyed text of the style.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, ToColor(color));
        }
    }
    control->widget->setPalette(palette);
}

void TemplateSurface::SetBackdrop(ControlId id, Backdrop backdrop) {
    Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    const bool opaque = backdrop == Backdrop::kOpaqueWhite;
    QPalette palette = control->widget->palette();
    const QColor fill = opaque ? QColor(Qt::white) : QColor(Qt::transparent);
    palette.setColor(QPalette::Window, fill);
    palette.setColor(QPalette::Base, fill);
    control->widget->setPalette(palette);
    control->widget->setAutoFillBackground(opaque);
    if (auto* edit = qobject_cast<QAbstractScrollArea*>(control->widget)) {
        edit->viewport()->setAutoFillBackground(opaque);
    }
}

void TemplateSurface::SetChecked(ControlId id, bool checked) {
    if (Control* control = Find(id)) {
        if (auto* button = qobject_cast<QAbstractButton*>(control->widget)) {
            button->setChecked(checked);
        }
    }
}

bool TemplateSurface::IsChecked(ControlId id) const {
    const Control* control = Find(id);
    if (control == nullptr) {
        return false;
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control->widget);
    return button != nullptr && button->isChecked();
}

void TemplateSurface::SetFocus(ControlId id) {
    if (Control* control = Find(id)) {
        control->widget->setFocus(Qt::OtherFocusReason);
    }
}

void TemplateSurface::SetPicture(ControlId id, PictureBytes picture) {
    if (Control* control = Find(id)) {
        if (auto* pictureControl = dynamic_cast<PictureControl*>(control->widget)) {
            pictureControl->SetPicture(Picture::Decode(picture));
        }
    }
}

void TemplateSurface::ApplyTooltip(Control& control) {
    control.widget->setToolTip(
        control.tooltip ? TooltipText(DisplayText(*control.tooltip), QToolTip::font(), tooltipMaxWidth_)
                        : QString());
}

void TemplateSurface::ClearTooltips() {
    for (Control& control : controls_) {
        control.tooltip.reset();
        ApplyTooltip(control);
    }
}

void TemplateSurface::SetTooltipMaxWidth(int pixels) {
    tooltipMaxWidth_ = pixels;
    for (Control& control : controls_) {
        if (control.tooltip) {
            ApplyTooltip(control);
        }
    }
}

void TemplateSurface::SetTooltip(ControlId id, std::string_view text) {
    if (Control* control = Find(id)) {
        control->tooltip = std::string(text);
        ApplyTooltip(*control);
    }
}

void TemplateSurface::SetWindowText(std::string_view text) {
    titleWindow_->setWindowTitle(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TemplateSurface::SetBackgroundPicture(PictureBytes picture) {
    background_ = Picture::Decode(picture);
    update();
}

void TemplateSurface::SetIcon(PictureBytes picture) {
    titleWindow_->setWindowIcon(MakeIcon(Picture::Decode(picture)));
}

void TemplateSurface::Invalidate() {
    update();
}

void TemplateSurface::EndDialog(int result) {
    if (endResult_) {
        return;  // the dialog is already over
    }
    endResult_ = result;
    if (endHandler_) {
        endHandler_(result);
    }
}

void TemplateSurface::Clicked(ControlId id) {
    if (events_ != nullptr) {
        events_->OnClick(*this, id);
    }
}

void TemplateSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (background_.IsNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Stretched over the whole client area, as it is: no colour key.
    background_.Draw(painter, QRectF(rect()));
}

}  // namespace sondrel::ui::qt
