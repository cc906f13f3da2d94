#include "sondrel/ui/sheet_menu.h"

#include <array>

#include "sondrel/app/command_ids.h"
#include "sondrel/app/processor_menu.h"
#include "sondrel/ui/sheet_ids.h"

namespace sondrel::ui {

namespace {

namespace command = app::command_id;

struct TextRow {
    std::int32_t key;  // a title's position, or an item's command
    std::int32_t stringId;
};

constexpr std::array<TextRow, 4> kTitleTexts{{
    {kFileMenuPosition, 425},
    {kProcessorMenuPosition, 428},
    {kViewMenuPosition, 429},
    {kHelpMenuPosition, 433},
}};

constexpr std::array<TextRow, 8> kItemTexts{{
    {command::kSaveReport, 426},
    {command::kExit, 427},
    {command::kViewFrequencyPage, 430},
    {command::kViewTechnologiesPage, 431},
    {command::kViewCpuidPage, 432},
    {command::kHelpContents, 434},
    {command::kOpenWebPage, 443},
    {command::kAbout, 435},
}};

// A text the language module lacks keeps the menu's own.
void Retext(std::string& text, const LanguageText& language, std::int32_t stringId) {
    if (auto replacement = language.String(stringId, sheet_id::kMenuTextLimit)) {
        text = std::move(*replacement);
    }
}

SheetMenu FromResource(std::span<const SondrelMenuItem> resource) {
    SheetMenu menu;
    for (const SondrelMenuItem& item : resource) {
        if (item.depth == 0) {
            menu.push_back({item.text, (item.style & kSondrelDisabled) == 0, {}});
        } else if (item.depth == 1 && !menu.empty()) {
            const bool separator = (item.style & kSondrelSeparator) != 0;
            menu.back().items.push_back({separator ? 0 : item.command, item.text, separator});
        }
    }
    return menu;
}

std::vector<SheetMenuItem> ProcessorEntries(const LanguageText& language, std::int32_t processorsInSystem) {
    const std::string prefix = language.StringOrEmpty(sheet_id::kProcessorEntry, sheet_id::kMenuTextLimit);
    std::vector<SheetMenuItem> items;
    for (const app::ProcessorMenuEntry& entry : app::ProcessorMenuEntries(processorsInSystem)) {
        items.push_back({entry.commandId,
                         (prefix + std::to_string(entry.processor)).substr(0, sheet_id::kMenuTextLimit)});
    }
    return items;
}

}  // namespace

std::optional<SheetMenu> BuildSheetMenu(const LanguageText& language, const app::MainSheetState& sheet) {
    SheetMenu menu = FromResource(language.Menu(sheet_id::kMainMenu));
    if (menu.size() <= kProcessorMenuPosition) {
        return std::nullopt;
    }
    for (const TextRow& row : kTitleTexts) {
        if (static_cast<std::size_t>(row.key) < menu.size()) {
            Retext(menu[static_cast<std::size_t>(row.key)].text, language, row.stringId);
        }
    }
    for (SheetMenuTitle& title : menu) {
        for (SheetMenuItem& item : title.items) {
            for (const TextRow& row : kItemTexts) {
                if (!item.separator && item.command == row.key) {
                    Retext(item.text, language, row.stringId);
                }
            }
        }
    }
    SheetMenuTitle& processors = menu[kProcessorMenuPosition];
    if (sheet.processorMenuOffered) {
        processors.items = ProcessorEntries(language, sheet.processorsInSystem);
    } else {
        processors.enabled = false;
    }
    return menu;
}

}  // namespace sondrel::ui
