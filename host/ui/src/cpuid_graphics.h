// The graphics rows of the CPUID page: which rows a processor has and the
// name of its graphics.
#pragma once

#include <optional>
#include <string>

#include "sondrel/app/system_record.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui::cpuid_page {

// The graphics block is shown at all.
bool HasGraphicsBlock(const app::SystemRecord& record);
// Within the block: the chipset's device id row, the graphics name row.
bool HasDeviceIdRow(const app::SystemRecord& record);
bool HasGraphicsNameRow(const app::SystemRecord& record);

struct GraphicsName {
    std::string text;
    bool addIn = false;
};

// The name the graphics name row shows; nullopt where the row is not
// written.
std::optional<GraphicsName> ChooseGraphicsName(const app::SystemRecord& record, const LanguageText& language);

}  // namespace sondrel::ui::cpuid_page
