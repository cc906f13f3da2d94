// The report's lines that follow rules of their own: disabled cores, the
// graphics product and the frequency block.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::report {

std::string DisabledCoresLine(const app::SystemRecord& record, const app::MainSheetState& sheet);

// "System Graphics: ..." by the add-in flag, the graphics code and the
// module's table; only asked for modules 12 and below.
std::string GraphicsLine(const app::SystemRecord& record);

// The expected and reported frequencies; only asked when item 3 is 1.
std::vector<std::string> FrequencyBlock(const app::SystemRecord& record, const ui::LanguageText& language);

}  // namespace sondrel::report
