// The logo controls of the pages: each paints one picture chosen by its own
// control id, at the control's top-left corner and at the picture's own
// size, with the colour key transparent.
#pragma once

#include "sondrel/app/system_record.h"
#include "sondrel/ui/control_surface.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

namespace control_id {
inline constexpr ControlId kMakerLogo = 1038;
inline constexpr ControlId kProcessorLogo = 1013;
inline constexpr ControlId kAdvisoryMark = 1066;
}  // namespace control_id

class CStaticTransparentBitmap {
public:
    CStaticTransparentBitmap(ControlId id, const LanguageText& language, app::SystemRecord& record)
        : id_(id), language_(language), record_(record) {}

    ControlId Id() const { return id_; }

    // 1038: the maker's logo, read anew for each paint. 1013: the
    // processor's logo of the record; when the record holds none, the
    // maker's logo is stored in the record once and shown from then on.
    // 1066: the advisory mark. Any other id draws nothing.
    void Paint(ControlSurface& surface) const;

private:
    ControlId id_;
    const LanguageText& language_;
    app::SystemRecord& record_;
};

}  // namespace sondrel::ui
