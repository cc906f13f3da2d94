// The report's values that follow rules of their own: disabled cores, the
// graphics product, which lines are shown and the frequency block. The
// text lines and the JSON document are both made from these.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/platform/os_version.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::report {

std::int32_t DisabledCoresCount(const app::SystemRecord& record, const app::MainSheetState& sheet);
std::string DisabledCoresLine(const app::SystemRecord& record, const app::MainSheetState& sheet);

// What the graphics line names.
struct GraphicsProduct {
    enum class Kind { kAddIn, kIntegrated, kUnknown };
    Kind kind;
    const char* text;  // the line's value: a product name, "Add-in Graphics" or "Unknown"
};

// Only asked for modules with a graphics line (ShowsGraphicsLine).
GraphicsProduct GraphicsOf(const app::SystemRecord& record);
// "System Graphics: ..." by the add-in flag, the graphics code and the
// module's table; only asked for modules 12 and below.
std::string GraphicsLine(const app::SystemRecord& record);

bool ShowsGraphicsLine(const app::SystemRecord& record);
bool ShowsBaseTdp(const app::SystemRecord& record);
bool ShowsL3Line(const app::SystemRecord& record);
bool ShowsCompatibilityGuide(const app::SystemRecord& record);
bool IsTraceCache(const app::SystemRecord& record);

// The version numbers the operating-system line shows: the extended
// query's, or the basic query's when those are all 0.
platform::OsVersion OperatingSystemNumbers(const std::optional<platform::OsVersion>& basic,
                                           const std::optional<platform::OsVersion>& extended);

// A technology line: its label, its key in the JSON document and whether
// the record counts it as present.
struct TechnologyRow {
    const char* label;
    const char* key;
    bool (*yes)(const app::SystemRecord&);
};
std::span<const TechnologyRow> TechnologyRows();

// The frequency block exists only when item 3 is 1; its expected values
// only for classified processors whose module vouches for them.
bool ShowsFrequencyBlock(const app::SystemRecord& record);
bool ShowsExpectedFrequencies(const app::SystemRecord& record);
bool ShowsExpectedBus(const app::SystemRecord& record);
bool ShowsInterconnect(const app::SystemRecord& record);

// The expected and reported frequencies; only asked when item 3 is 1.
std::vector<std::string> FrequencyBlock(const app::SystemRecord& record, const ui::LanguageText& language);

}  // namespace sondrel::report
