// A window's client area built from one dialog template of the language
// module: one widget per control at the template's rectangle, converted from
// dialog units through the dialog font. It is the control surface that the
// page or dialog logic writes to, and it hands clicks to that logic.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sondrel/language_module.h"
#include "sondrel/ui/control_surface.h"
#include "sondrel/ui/qt/dialog_units.h"
#include "sondrel/ui/qt/picture.h"

namespace sondrel::ui::qt {

class TemplateSurface : public QWidget, public ControlSurface {
public:
    // The template is only read here; the surface keeps nothing of it.
    explicit TemplateSurface(const SondrelDialogTemplate& dialog, QWidget* parent = nullptr);

    // Where clicks go; may be null.
    void SetEvents(ControlEvents* events) { events_ = events; }
    // What EndDialog does (the dialog runner ends its dialog); without a
    // handler the result is only kept.
    void SetEndHandler(std::function<void(int)> handler) { endHandler_ = std::move(handler); }
    std::optional<int> EndResult() const { return endResult_; }
    // The window whose title and icon SetWindowText and SetIcon change: the
    // dialog around the surface, or the surface itself for a page.
    void SetTitleWindow(QWidget* window) { titleWindow_ = window; }

    // The widget of a control (the first one with that id); null when the
    // template has none.
    QWidget* ControlWidget(ControlId id) const;
    DialogBaseUnits BaseUnits() const { return units_; }
    const Picture& BackgroundPicture() const { return background_; }
    QString TooltipOf(ControlId id) const;

    bool HasControl(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    std::string Text(ControlId id) const override;
    void SetVisible(ControlId id, bool visible) override;
    void SetEnabled(ControlId id, bool enabled) override;
    void SetFont(ControlId id, const FontChange& font) override;
    void SetTextColor(ControlId id, Rgb color) override;
    void SetBackdrop(ControlId id, Backdrop backdrop) override;
    void SetChecked(ControlId id, bool checked) override;
    bool IsChecked(ControlId id) const override;
    void SetFocus(ControlId id) override;
    void SetPicture(ControlId id, PictureBytes picture) override;
    void ClearTooltips() override;
    void SetTooltipMaxWidth(int pixels) override;
    void SetTooltip(ControlId id, std::string_view text) override;
    void SetWindowText(std::string_view text) override;
    void SetBackgroundPicture(PictureBytes picture) override;
    void SetIcon(PictureBytes picture) override;
    void Invalidate() override;
    void EndDialog(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Control {
        ControlId id = 0;
        SondrelControlKind kind = kSondrelStaticText;
        QWidget* widget = nullptr;
        std::string text;  // as it was set, byte for byte
        FontChange font;   // the changes made so far, merged
        std::optional<std::string> tooltip;
    };

    void AddControl(const SondrelDialogControl& control);
    Control* Find(ControlId id);
    const Control* Find(ControlId id) const;
    void ApplyTooltip(Control& control);
    void Clicked(ControlId id);

    std::vector<Control> controls_;  // template order, which is the tab order
    std::map<ControlId, std::size_t> firstIndex_;
    QFont dialogFont_;
    DialogBaseUnits units_;
    Picture background_;
    int tooltipMaxWidth_ = 0;
    ControlEvents* events_ = nullptr;
    std::function<void(int)> endHandler_;
    std::optional<int> endResult_;
    QWidget* titleWindow_ = this;
};

// Text of the language module as Qt shows it: line breaks "\r\n" and "\r"
// become "\n".
QString DisplayText(std::string_view text);

}  // namespace sondrel::ui::qt
