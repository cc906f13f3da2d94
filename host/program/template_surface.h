// A page or dialog drawn from a dialog template of the language module:
// one child widget per control, placed at the template's rectangle, and
// the control surface the logic writes to.
#pragma once

#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "sondrel/language_module.h"
#include "sondrel/ui/control_surface.h"

class QLabel;

namespace sondrel::program {

class TemplateSurface : public QWidget, public ui::ControlSurface {
public:
    // `events` receives the clicks; it may be null.
    TemplateSurface(const SondrelDialogTemplate& dialog, ui::ControlEvents* events,
                    QWidget* parent = nullptr);

    bool HasControl(ui::ControlId id) const override;
    void SetText(ui::ControlId id, std::string_view text) override;
    std::string Text(ui::ControlId id) const override;
    void SetVisible(ui::ControlId id, bool visible) override;
    void SetEnabled(ui::ControlId id, bool enabled) override;
    void SetFont(ui::ControlId id, const ui::FontChange& font) override;
    void SetTextColor(ui::ControlId id, ui::Rgb color) override;
    void SetBackdrop(ui::ControlId id, ui::Backdrop backdrop) override;
    void SetChecked(ui::ControlId id, bool checked) override;
    bool IsChecked(ui::ControlId id) const override;
    void SetFocus(ui::ControlId id) override;
    void SetPicture(ui::ControlId id, ui::PictureBytes picture) override;
    void ClearTooltips() override;
    void SetTooltipMaxWidth(int pixels) override;
    void SetTooltip(ui::ControlId id, std::string_view text) override;
    void SetWindowText(std::string_view text) override;
    void SetBackgroundPicture(ui::PictureBytes picture) override;
    void SetIcon(ui::PictureBytes picture) override;
    void Invalidate() override;
    void EndDialog(int result) override;

    // The result EndDialog was given, once it was called.
    std::optional<int> endResult() const { return endResult_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Control(ui::ControlId id) const;

    ui::ControlEvents* events_;
    std::map<ui::ControlId, QWidget*> controls_;
    std::map<ui::ControlId, SondrelControlKind> kinds_;
    QByteArray background_;
    int tooltipWidth_ = 0;
    std::optional<int> endResult_;
};

// A picture as a pixmap of the given size (SVG or raster); null when the
// bytes are no picture.
QPixmap PictureToPixmap(ui::PictureBytes picture, QSize size);
QPixmap PictureToPixmap(const QByteArray& picture, QSize size);

}  // namespace sondrel::program
