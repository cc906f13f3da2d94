// Steps the CPUID and technologies pages share: label tables, tooltips,
// painting and the processor name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "sondrel/app/system_record.h"
#include "sondrel/ui/control_surface.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui::page_steps {

// A control and the language string it shows.
struct TextRow {
    ControlId control;
    std::int32_t text;
};

inline constexpr int kTooltipMaxWidth = 300;
inline constexpr std::size_t kLabelLimit = 5999;
inline constexpr std::size_t kTooltipLimit = 6000;

// Writes each row's string into its control; a missing string gives an
// empty text.
void WriteTexts(ControlSurface& surface, const LanguageText& language, std::span<const TextRow> rows);

// Replaces the page's tooltips; a control the template lacks gets none.
void BeginTooltips(ControlSurface& surface);
void AddTooltip(ControlSurface& surface, const LanguageText& language, ControlId control, std::int32_t text);
void AddTooltips(ControlSurface& surface, const LanguageText& language, std::span<const TextRow> rows);

// The page background stretched over the window, every listed control
// drawn through to it.
void PaintBackground(ControlSurface& surface, const LanguageText& language,
                     std::span<const ControlId> controls);

// The record's processor name, up to its terminator or its buffer's end.
std::string ProcessorName(const app::SystemRecord& record);

// An integer as upper-case hexadecimal without leading zeros ("%X").
std::string Hexadecimal(std::int32_t value);

}  // namespace sondrel::ui::page_steps
