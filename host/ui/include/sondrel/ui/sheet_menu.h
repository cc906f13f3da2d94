// The main sheet's menu bar: menu 127 of the language module with its texts
// taken from language strings, and the Processor menu listing the
// processors, or greyed when there is no choice to make.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

struct SheetMenuItem {
    std::int32_t command = 0;  // 0 for a separator
    std::string text;
    bool separator = false;
};

struct SheetMenuTitle {
    std::string text;
    bool enabled = true;
    std::vector<SheetMenuItem> items;
};

using SheetMenu = std::vector<SheetMenuTitle>;

// Positions of the bar's titles.
inline constexpr std::size_t kFileMenuPosition = 0;
inline constexpr std::size_t kProcessorMenuPosition = 1;
inline constexpr std::size_t kViewMenuPosition = 2;
inline constexpr std::size_t kHelpMenuPosition = 3;

// Nullopt when the language module has no menu 127, or it lacks the
// Processor menu.
std::optional<SheetMenu> BuildSheetMenu(const LanguageText& language, const app::MainSheetState& sheet);

}  // namespace sondrel::ui
