// A control surface that records what a page or dialog did to it, built from
// a dialog template. Touching an id the template lacks is recorded as a
// fault: a test fixture checks `Faults()` is empty, so a page that writes to
// a control its template does not have fails its tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sondrel/language_module.h"
#include "sondrel/ui/control_surface.h"

namespace sondrel::testing {

struct RecordedControl {
    SondrelControlKind kind = kSondrelStaticText;
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    ui::FontChange font;  // the changes made, merged
    std::optional<ui::Rgb> color;
    ui::Backdrop backdrop = ui::Backdrop::kTransparent;
    std::string picture;
    std::optional<std::string> tooltip;
};

class RecordingSurface : public ui::ControlSurface {
public:
    // Controls as the template gives them (text, hidden and disabled styles).
    explicit RecordingSurface(const SondrelDialogTemplate& dialog);
    // Only these ids, all visible and enabled, without texts.
    explicit RecordingSurface(const std::vector<ui::ControlId>& ids);

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

    // The state of one control; a fault is recorded for an unknown id.
    const RecordedControl& Control(ui::ControlId id) const;
    bool Visible(ui::ControlId id) const { return Control(id).visible; }

    // "SetText 1243", "EndDialog 1", ... in the order they happened.
    const std::vector<std::string>& Log() const { return log_; }
    // Operations on ids the template lacks, e.g. "SetText 9999".
    const std::vector<std::string>& Faults() const { return faults_; }

    std::string windowText;
    std::string backgroundPicture;
    std::string icon;
    int tooltipMaxWidth = 0;
    std::optional<ui::ControlId> focus;
    std::optional<int> endResult;
    int invalidations = 0;

private:
    RecordedControl* Find(const char* operation, ui::ControlId id);
    void Record(const char* operation, ui::ControlId id);

    std::map<ui::ControlId, RecordedControl> controls_;
    std::vector<std::string> log_;
    mutable std::vector<std::string> faults_;
};

// A dialog template of the built Glossa.so (loaded once, never unloaded);
// null when Glossa has no such template.
const SondrelDialogTemplate* GlossaDialog(std::int32_t id);

}  // namespace sondrel::testing
