#include "support/recording_surface.h"

#include <dlfcn.h>

#include <string>

namespace sondrel::testing {

namespace {

std::string Bytes(ui::PictureBytes picture) {
    return std::string(reinterpret_cast<const char*>(picture.data()), picture.size());
}

}  // namespace

RecordingSurface::RecordingSurface(const SondrelDialogTemplate& dialog) {
    windowText = dialog.caption != nullptr ? dialog.caption : "";
    for (std::uint32_t index = 0; index < dialog.controlCount; ++index) {
        const SondrelDialogControl& control = dialog.controls[index];
        RecordedControl& recorded = controls_[control.id];
        recorded.kind = static_cast<SondrelControlKind>(control.kind);
        recorded.text = control.text != nullptr ? control.text : "";
        recorded.visible = (control.style & kSondrelHidden) == 0;
        recorded.enabled = (control.style & kSondrelDisabled) == 0;
    }
}

RecordingSurface::RecordingSurface(const std::vector<ui::ControlId>& ids) {
    for (const ui::ControlId id : ids) {
        controls_[id];
    }
}

void RecordingSurface::Record(const char* operation, ui::ControlId id) {
    log_.push_back(std::string(operation) + " " + std::to_string(id));
}

RecordedControl* RecordingSurface::Find(const char* operation, ui::ControlId id) {
    Record(operation, id);
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        faults_.push_back(std::string(operation) + " " + std::to_string(id));
        return nullptr;
    }
    return &found->second;
}

bool RecordingSurface::HasControl(ui::ControlId id) const {
    return controls_.contains(id);
}

void RecordingSurface::SetText(ui::ControlId id, std::string_view text) {
    if (RecordedControl* control = Find("SetText", id)) {
        control->text = text;
    }
}

std::string RecordingSurface::Text(ui::ControlId id) const {
    return Control(id).text;
}

void RecordingSurface::SetVisible(ui::ControlId id, bool visible) {
    if (RecordedControl* control = Find(visible ? "Show" : "Hide", id)) {
        control->visible = visible;
    }
}

void RecordingSurface::SetEnabled(ui::ControlId id, bool enabled) {
    if (RecordedControl* control = Find(enabled ? "Enable" : "Disable", id)) {
        control->enabled = enabled;
    }
}

void RecordingSurface::SetFont(ui::ControlId id, const ui::FontChange& font) {
    if (RecordedControl* control = Find("SetFont", id)) {
        if (font.weight) {
            control->font.weight = font.weight;
        }
        if (font.face) {
            control->font.face = font.face;
        }
        if (font.height) {
            control->font.height = font.height;
        }
    }
}

void RecordingSurface::SetTextColor(ui::ControlId id, ui::Rgb color) {
    if (RecordedControl* control = Find("SetTextColor", id)) {
        control->color = color;
    }
}

void RecordingSurface::SetBackdrop(ui::ControlId id, ui::Backdrop backdrop) {
    if (RecordedControl* control = Find("SetBackdrop", id)) {
        control->backdrop = backdrop;
    }
}

void RecordingSurface::SetChecked(ui::ControlId id, bool checked) {
    if (RecordedControl* control = Find("SetChecked", id)) {
        control->checked = checked;
    }
}

bool RecordingSurface::IsChecked(ui::ControlId id) const {
    return Control(id).checked;
}

void RecordingSurface::SetFocus(ui::ControlId id) {
    if (Find("SetFocus", id) != nullptr) {
        focus = id;
    }
}

void RecordingSurface::SetPicture(ui::ControlId id, ui::PictureBytes picture) {
    if (RecordedControl* control = Find("SetPicture", id)) {
        control->picture = Bytes(picture);
    }
}

void RecordingSurface::ClearTooltips() {
    log_.emplace_back("ClearTooltips");
    for (auto& [id, control] : controls_) {
        control.tooltip.reset();
    }
}

void RecordingSurface::SetTooltipMaxWidth(int pixels) {
    log_.push_back("SetTooltipMaxWidth " + std::to_string(pixels));
    tooltipMaxWidth = pixels;
}

void RecordingSurface::SetTooltip(ui::ControlId id, std::string_view text) {
    if (RecordedControl* control = Find("SetTooltip", id)) {
        control->tooltip = std::string(text);
    }
}

void RecordingSurface::SetWindowText(std::string_view text) {
    log_.emplace_back("SetWindowText");
    windowText = text;
}

void RecordingSurface::SetBackgroundPicture(ui::PictureBytes picture) {
    log_.emplace_back("SetBackgroundPicture");
    backgroundPicture = Bytes(picture);
}

void RecordingSurface::SetIcon(ui::PictureBytes picture) {
    log_.emplace_back("SetIcon");
    icon = Bytes(picture);
}

void RecordingSurface::Invalidate() {
    log_.emplace_back("Invalidate");
    ++invalidations;
}

void RecordingSurface::EndDialog(int result) {
    log_.push_back("EndDialog " + std::to_string(result));
    endResult = result;
}

const RecordedControl& RecordingSurface::Control(ui::ControlId id) const {
    static const RecordedControl kMissing{};
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        faults_.push_back("Control " + std::to_string(id));
        return kMissing;
    }
    return found->second;
}

const SondrelDialogTemplate* GlossaDialog(std::int32_t id) {
    // Loaded straight from the build tree: the tests that use templates link
    // the platform fake, whose libraries are not files.
    static void* const library = dlopen(SONDREL_OUTPUT_DIR "/Glossa.so", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    static const auto find =
        reinterpret_cast<SondrelFindResourceFunction>(dlsym(library, "SondrelFindResource"));
    const void* data = nullptr;
    std::uint32_t size = 0;
    if (find == nullptr || find(kSondrelDialog, id, &data, &size) == 0) {
        return nullptr;
    }
    return static_cast<const SondrelDialogTemplate*>(data);
}

}  // namespace sondrel::testing
