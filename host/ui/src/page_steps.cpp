#include "page_steps.h"

#include <cstring>

#include "sondrel/ui/picture_ids.h"
#include "sondrel/ui/text_format.h"

namespace sondrel::ui::page_steps {

void WriteTexts(ControlSurface& surface, const LanguageText& language, std::span<const TextRow> rows) {
    for (const TextRow& row : rows) {
        surface.SetText(row.control, language.StringOrEmpty(row.text, kLabelLimit));
    }
}

void BeginTooltips(ControlSurface& surface) {
    surface.ClearTooltips();
    surface.SetTooltipMaxWidth(kTooltipMaxWidth);
}

void AddTooltip(ControlSurface& surface, const LanguageText& language, ControlId control, std::int32_t text) {
    // The tips go to the page's child controls that exist.
    if (surface.HasControl(control)) {
        surface.SetTooltip(control, language.StringOrEmpty(text, kTooltipLimit));
    }
}

void AddTooltips(ControlSurface& surface, const LanguageText& language, std::span<const TextRow> rows) {
    for (const TextRow& row : rows) {
        AddTooltip(surface, language, row.control, row.text);
    }
}

void PaintBackground(ControlSurface& surface, const LanguageText& language,
                     std::span<const ControlId> controls) {
    const std::string background = language.Picture(picture_id::kPageBackground).value_or(std::string());
    surface.SetBackgroundPicture(
        PictureBytes(reinterpret_cast<const std::uint8_t*>(background.data()), background.size()));
    for (const ControlId control : controls) {
        surface.SetBackdrop(control, Backdrop::kTransparent);
    }
}

std::string ProcessorName(const app::SystemRecord& record) {
    return std::string(record.processorName, strnlen(record.processorName, sizeof record.processorName));
}

std::string Hexadecimal(std::int32_t value) {
    return FormatText("%X", {FormatArgument::Integer(value)}, kLabelLimit).value_or(std::string());
}

}  // namespace sondrel::ui::page_steps
