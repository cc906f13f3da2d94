// What a page or dialog may do to its controls, by control id. Pages and
// dialogs are logic over this surface; the Qt back end draws it, and tests
// record it. A surface is built from one dialog template of the language
// module, so it knows exactly the control ids of that template.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sondrel::ui {

using ControlId = std::int32_t;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
// Reported values on the frequency pages, and the same values when they
// exceed the expected ones.
inline constexpr Rgb kReportedValueColor{8, 96, 168};
inline constexpr Rgb kExcessColor{255, 0, 0};
// The colour key of raster pictures: pixels of this colour are not drawn.
inline constexpr Rgb kPictureColorKey{255, 0, 0};

inline constexpr int kBoldWeight = 700;
inline constexpr int kNormalWeight = 400;

// A change of a control's font; what is unset keeps the control's own
// (the dialog font of the template).
struct FontChange {
    std::optional<int> weight;
    std::optional<std::string> face;
    std::optional<int> height;  // character height in pixels at 100 % scale
    bool operator==(const FontChange&) const = default;
};

inline const FontChange kBold{kBoldWeight, std::nullopt, std::nullopt};
// The page title of every result page.
inline const FontChange kPageTitleFont{kBoldWeight, "Arial", 24};

// How a control's background is drawn: through to the window's background
// picture, or opaque on white.
enum class Backdrop { kTransparent, kOpaqueWhite };

// An encoded picture as the language module or a processor module hands it
// out (SVG text or raster bytes); the surface copies what it keeps.
using PictureBytes = std::span<const std::uint8_t>;

class ControlSurface {
public:
    virtual ~ControlSurface() = default;

    // Whether the template has a control with this id. Every other
    // operation on an id the template lacks is a fault of the caller.
    virtual bool HasControl(ControlId id) const = 0;

    virtual void SetText(ControlId id, std::string_view text) = 0;
    virtual std::string Text(ControlId id) const = 0;
    virtual void SetVisible(ControlId id, bool visible) = 0;
    virtual void SetEnabled(ControlId id, bool enabled) = 0;
    virtual void SetFont(ControlId id, const FontChange& font) = 0;
    virtual void SetTextColor(ControlId id, Rgb color) = 0;
    virtual void SetBackdrop(ControlId id, Backdrop backdrop) = 0;
    // Check boxes.
    virtual void SetChecked(ControlId id, bool checked) = 0;
    virtual bool IsChecked(ControlId id) const = 0;
    virtual void SetFocus(ControlId id) = 0;
    // The picture a picture control draws at its top-left corner at its own
    // size; empty bytes draw nothing.
    virtual void SetPicture(ControlId id, PictureBytes picture) = 0;

    // Tooltips: every activation replaces the whole set.
    virtual void ClearTooltips() = 0;
    virtual void SetTooltipMaxWidth(int pixels) = 0;
    virtual void SetTooltip(ControlId id, std::string_view text) = 0;

    // The window itself: its own text (a dialog's title), the picture
    // stretched over its whole client area, its icon, a full redraw.
    virtual void SetWindowText(std::string_view text) = 0;
    virtual void SetBackgroundPicture(PictureBytes picture) = 0;
    virtual void SetIcon(PictureBytes picture) = 0;
    virtual void Invalidate() = 0;

    // Dialogs only: ends the modal dialog with this result.
    virtual void EndDialog(int result) = 0;

    void Show(ControlId id) { SetVisible(id, true); }
    void Hide(ControlId id) { SetVisible(id, false); }
};

// What a page or dialog receives from its surface.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    // A button, check box or clickable picture was clicked (a check box's
    // new state is already on the surface).
    virtual void OnClick(ControlSurface& surface, ControlId id) = 0;
};

}  // namespace sondrel::ui
