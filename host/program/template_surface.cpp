#include "template_surface.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTextEdit>

namespace sondrel::program {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray ToBytes(ui::PictureBytes picture) {
    return QByteArray(reinterpret_cast<const char*>(picture.data()), static_cast<qsizetype>(picture.size()));
}

Qt::Alignment AlignmentOf(std::uint32_t style) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((style & kSondrelCentered) != 0) {
        horizontal = Qt::AlignHCenter;
    } else if ((style & kSondrelRightAligned) != 0) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | Qt::AlignTop;
}

QWidget* MakeControl(const SondrelDialogControl& control, QWidget* parent) {
    const QString text = QString::fromLatin1(control.text);
    switch (control.kind) {
        case kSondrelButton:
        case kSondrelDefaultButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(control.kind == kSondrelDefaultButton);
            return button;
        }
        case kSondrelGroupBox:
            return new QGroupBox(text, parent);
        case kSondrelCheckBox:
            return new QCheckBox(text, parent);
        case kSondrelEditText: {
            auto* edit = new QTextEdit(parent);
            edit->setReadOnly(true);
            edit->setPlainText(text);
            return edit;
        }
        case kSondrelPictureBox:
        case kSondrelStaticText:
        default: {
            auto* label = new QLabel(text, parent);
            label->setAlignment(AlignmentOf(control.style));
            label->setWordWrap((control.style & kSondrelMultiline) != 0);
            label->setTextFormat(Qt::PlainText);
            if ((control.style & kSondrelBorder) != 0) {
                label->setFrameShape(QFrame::Box);
            }
            return label;
        }
    }
}

// Templates come in two measures: pixels at 100 %, and (the smaller ones,
// drawn like classic dialogs) dialog units of an average character's
// quarter width and eighth height.
constexpr int kDialogUnitTemplateWidth = 400;

struct Scale {
    double x = 1.0;
    double y = 1.0;
    QRect Of(const SondrelRectangle& r) const {
        return {static_cast<int>(r.x * x), static_cast<int>(r.y * y), static_cast<int>(r.width * x),
                static_cast<int>(r.height * y)};
    }
};

Scale ScaleOf(const SondrelDialogTemplate& dialog) {
    if (dialog.rectangle.width >= kDialogUnitTemplateWidth) {
        return {};
    }
    return {1.5, 1.625};
}

}  // namespace

QPixmap PictureToPixmap(const QByteArray& bytes, QSize size) {
    if (bytes.isEmpty() || size.isEmpty()) {
        return {};
    }
    QSvgRenderer svg(bytes);
    if (svg.isValid()) {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        return pixmap;
    }
    QImage image = QImage::fromData(bytes);
    if (image.isNull()) {
        return {};
    }
    return QPixmap::fromImage(image);
}

QPixmap PictureToPixmap(ui::PictureBytes picture, QSize size) {
    return PictureToPixmap(ToBytes(picture), size);
}

TemplateSurface::TemplateSurface(const SondrelDialogTemplate& dialog, ui::ControlEvents* events,
                                 QWidget* parent)
    : QWidget(parent), events_(events) {
    const Scale scale = ScaleOf(dialog);
    setFixedSize(scale.Of(dialog.rectangle).size());
    setWindowTitle(QString::fromLatin1(dialog.caption));
    for (std::uint32_t index = 0; index < dialog.controlCount; ++index) {
        const SondrelDialogControl& control = dialog.controls[index];
        QWidget* widget = MakeControl(control, this);
        widget->setGeometry(scale.Of(control.rectangle));
        widget->setVisible((control.style & kSondrelHidden) == 0);
        widget->setEnabled((control.style & kSondrelDisabled) == 0);
        const ui::ControlId id = control.id;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                if (events_ != nullptr) {
                    events_->OnClick(*this, id);
                }
            });
        } else if (control.kind == kSondrelPictureBox) {
            widget->installEventFilter(this);
        }
        // Several frames may share the "no id" value; only the first is reachable by id.
        controls_.emplace(id, widget);
        kinds_.emplace(id, static_cast<SondrelControlKind>(control.kind));
    }
}

bool TemplateSurface::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && events_ != nullptr) {
        for (const auto& [id, widget] : controls_) {
            if (widget == watched) {
                events_->OnClick(*this, id);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* TemplateSurface::Control(ui::ControlId id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

bool TemplateSurface::HasControl(ui::ControlId id) const {
    return controls_.contains(id);
}

void TemplateSurface::SetText(ui::ControlId id, std::string_view text) {
    QWidget* widget = Control(id);
    const QString value = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(value);
    } else if (auto* edit = qobject_cast<QTextEdit*>(widget)) {
        edit->setPlainText(value);
    }
}

std::string TemplateSurface::Text(ui::ControlId id) const {
    QWidget* widget = Control(id);
    QString value;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        value = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        value = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        value = group->title();
    } else if (auto* edit = qobject_cast<QTextEdit*>(widget)) {
        value = edit->toPlainText();
    }
    return value.toLatin1().toStdString();
}

void TemplateSurface::SetVisible(ui::ControlId id, bool visible) {
    if (QWidget* widget = Control(id)) {
        widget->setVisible(visible);
    }
}

void TemplateSurface::SetEnabled(ui::ControlId id, bool enabled) {
    if (QWidget* widget = Control(id)) {
        widget->setEnabled(enabled);
    }
}

void TemplateSurface::SetFont(ui::ControlId id, const ui::FontChange& change) {
    QWidget* widget = Control(id);
    if (widget == nullptr) {
        return;
    }
    QFont font = widget->font();
    if (change.weight) {
        font.setBold(*change.weight >= ui::kBoldWeight);
    }
    if (change.face) {
        font.setFamily(QString::fromStdString(*change.face));
    }
    if (change.height) {
        font.setPixelSize(*change.height);
    }
    widget->setFont(font);
}

void TemplateSurface::SetTextColor(ui::ControlId id, ui::Rgb color) {
    if (QWidget* widget = Control(id)) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
        palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
        widget->setPalette(palette);
    }
}

void TemplateSurface::SetBackdrop(ui::ControlId id, ui::Backdrop backdrop) {
    if (QWidget* widget = Control(id)) {
        widget->setAutoFillBackground(backdrop == ui::Backdrop::kOpaqueWhite);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, Qt::white);
        widget->setPalette(palette);
    }
}

void TemplateSurface::SetChecked(ui::ControlId id, bool checked) {
    if (auto* box = qobject_cast<QAbstractButton*>(Control(id))) {
        box->setChecked(checked);
    }
}

bool TemplateSurface::IsChecked(ui::ControlId id) const {
    const auto* box = qobject_cast<QAbstractButton*>(Control(id));
    return box != nullptr && box->isChecked();
}

void TemplateSurface::SetFocus(ui::ControlId id) {
    if (QWidget* widget = Control(id)) {
        widget->setFocus();
    }
}

void TemplateSurface::SetPicture(ui::ControlId id, ui::PictureBytes picture) {
    if (auto* label = qobject_cast<QLabel*>(Control(id))) {
        label->setPixmap(PictureToPixmap(picture, label->size()));
    }
}

void TemplateSurface::ClearTooltips() {
    for (const auto& [id, widget] : controls_) {
        widget->setToolTip({});
    }
}

void TemplateSurface::SetTooltipMaxWidth(int pixels) {
    tooltipWidth_ = pixels;
}

void TemplateSurface::SetTooltip(ui::ControlId id, std::string_view text) {
    if (QWidget* widget = Control(id)) {
        const QString escaped = ToQString(text).toHtmlEscaped().replace('\n', "<br>");
        widget->setToolTip(
            tooltipWidth_ > 0
                ? QString("<div style=\"max-width:%1px\">%2</div>").arg(tooltipWidth_).arg(escaped)
                : escaped);
    }
}

void TemplateSurface::SetWindowText(std::string_view text) {
    setWindowTitle(ToQString(text));
}

void TemplateSurface::SetBackgroundPicture(ui::PictureBytes picture) {
    background_ = ToBytes(picture);
    update();
}

void TemplateSurface::SetIcon(ui::PictureBytes picture) {
    setWindowIcon(QIcon(PictureToPixmap(picture, QSize(64, 64))));
}

void TemplateSurface::Invalidate() {
    update();
}

void TemplateSurface::EndDialog(int result) {
    endResult_ = result;
}

void TemplateSurface::paintEvent(QPaintEvent* event) {
    if (!background_.isEmpty()) {
        QPainter painter(this);
        painter.drawPixmap(rect(), PictureToPixmap(background_, size()));
    }
    QWidget::paintEvent(event);
}

}  // namespace sondrel::program
