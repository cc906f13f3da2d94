#include "sondrel/report/report_lines.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "line_text.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/report/report_rules.h"
#include "sondrel/ui/cache_size_text.h"
#include "sondrel/ui/version.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::report {

namespace {

using app::SystemRecord;

constexpr const char* kTitleLine = "Quarn(R) Sondrel\n";
constexpr const char* kClosingLine = "*************************************************************\n";
constexpr std::int32_t kModelsPerExtendedModel = 16;

// Products whose first-level instruction cache is a trace cache.
constexpr std::int32_t kFirstTraceCacheProduct = 48;
constexpr std::int32_t kLastTraceCacheProduct = 53;
// The product that shows its L3 line whatever the size.
constexpr std::int32_t kProductWithL3Line = 49;
// The compatibility guide belongs to two products of family 15, models 3 and 4.
constexpr std::array<std::int32_t, 2> kGuideProducts = {48, 59};
constexpr std::array<std::int32_t, 2> kGuideModels = {3, 4};
constexpr std::int32_t kLastModuleWithGraphicsLine = 12;
// Sizes a module reports for an L3 that is unknown or absent.
constexpr std::int32_t kCacheSizeUnknown = -1;
constexpr std::int32_t kNoCache = 0;

// A text field of the record, read no further than its buffer.
template <std::size_t Size>
std::string FieldText(const char (&field)[Size]) {
    return std::string(field, ::strnlen(field, Size));
}
constexpr std::array<std::int32_t, 2> kModulesWithBaseTdp = {11, 12};

std::string TimeText(const platform::UtcTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%4u/%02u/%02u %02u:%02u:%02u", time.year, time.month, time.day,
                  time.hour, time.minute, time.second);
    return text;
}

std::string RevisionText(const SystemRecord& record) {
    if (record.revisionState == app::kRevisionNotAvailable) {
        return "N/A";
    }
    if (record.revisionState == app::kRevisionValid) {
        return Hex(record.revision);
    }
    return "Unknown";
}

std::string CacheLine(const std::string& label, std::int32_t count, std::int32_t size, std::int32_t unit,
                      const ui::LanguageText& language) {
    const std::string sizeText = ui::FormatCacheSize(size, unit, language);
    return Line(label, count > 1 ? std::to_string(count) + " x " + sizeText : sizeText);
}

bool ShowsL3Line(const SystemRecord& record) {
    const std::int32_t size = record.l3CacheSize;
    if (size == app::kCacheLevelAbsent) {
        return false;
    }
    const bool noL3 = size == app::kNoCacheInterface || size == kCacheSizeUnknown || size == kNoCache;
    return !noL3 || record.productCode == kProductWithL3Line;
}

void AddCacheLines(const SystemRecord& record, const ui::LanguageText& language,
                   std::vector<std::string>& lines) {
    const bool trace =
        record.productCode >= kFirstTraceCacheProduct && record.productCode <= kLastTraceCacheProduct;
    lines.push_back(CacheLine(trace ? "L1 Trace Cache" : "L1 Instruction Cache", record.l1InstructionCount,
                              record.l1InstructionCacheSize, record.l1InstructionCacheUnit, language));
    lines.push_back(CacheLine("L1 Data Cache", record.l1DataCount, record.l1DataCacheSize,
                              record.l1DataCacheUnit, language));
    lines.push_back(CacheLine("L2 Cache", record.l2Count, record.l2CacheSize, record.l2CacheUnit, language));
    if (ShowsL3Line(record)) {
        lines.push_back(
            CacheLine("L3 Cache", record.l3Count, record.l3CacheSize, record.l3CacheUnit, language));
    }
}

struct YesNoRow {
    const char* label;
    bool (*yes)(const SystemRecord&);
};

// A technology counts only when it is both supported and enabled, where
// the record has the two.
constexpr std::array<YesNoRow, 14> kTechnologyLines = {{
    {"Enhanced Quarn Ratewise(R) Technology", [](const SystemRecord& r) { return r.eqrtEnabled == 1; }},
    {"MMX(TM)", [](const SystemRecord& r) { return r.mmx != 0; }},
    {"Quarn(R) SSE", [](const SystemRecord& r) { return r.sse != 0; }},
    {"Quarn(R) SSE2", [](const SystemRecord& r) { return r.sse2 != 0; }},
    {"Quarn(R) SSE3", [](const SystemRecord& r) { return r.sse3 != 0; }},
    {"Quarn(R) SSE4", [](const SystemRecord& r) { return r.sse4 != 0; }},
    {"Quarn(R) AES-NI", [](const SystemRecord& r) { return r.aesNi != 0; }},
    {"Quarn(R) AVX", [](const SystemRecord& r) { return r.avx != 0; }},
    {"Enhanced Halt State", [](const SystemRecord& r) { return r.enhancedHaltState == 1; }},
    {"Execute Disable Bit", [](const SystemRecord& r) { return r.executeDisable == 1; }},
    {"Quarn(R) Twinstrand Technology",
     [](const SystemRecord& r) {
         return r.twinstrandSupport == app::kSupported && r.twinstrandEnabled == 1;
     }},
    {"Quarn(R) 64 Architecture",
     [](const SystemRecord& r) { return r.arch64Support == app::kSupported && r.arch64Enabled == 1; }},
    {"Quarn(R) Virtualization Technology",
     [](const SystemRecord& r) {
         return r.virtualizationSupport == app::kSupported && r.virtualizationEnabled == 1;
     }},
    {"Quarn(R) HVX with Extended Page Tables", [](const SystemRecord& r) { return r.eptEnabled == 1; }},
}};

bool ShowsCompatibilityGuide(const SystemRecord& record) {
    return app::IsOneOf(kGuideProducts, record.productCode) && record.family == app::kFamily15 &&
           app::IsOneOf(kGuideModels, record.model);
}

}  // namespace

std::string OperatingSystemLine(const std::optional<platform::OsVersion>& basic,
                                const std::optional<platform::OsVersion>& extended) {
    const platform::OsVersion none;
    const platform::OsVersion& numbers =
        extended && (extended->major != 0 || extended->minor != 0 || extended->build != 0) ? *extended
        : basic                                                                            ? *basic
                                                                                           : none;
    const std::string text = extended ? extended->releaseText : kVersionQueryFailed;
    return Line("Operating System", std::to_string(numbers.major) + "." + std::to_string(numbers.minor) +
                                        "-" + std::to_string(numbers.build) + "-" + text);
}

std::vector<std::string> ReportLines(const SystemRecord& record, const app::MainSheetState& sheet,
                                     const ReportEnvironment& environment, const ui::LanguageText& language) {
    std::vector<std::string> lines;
    lines.push_back(kTitleLine);
    lines.push_back(Line("Version", std::string(ui::kVersionText) + "." + environment.buildStamp));
    lines.push_back(Line("Time Stamp", TimeText(environment.time)));
    lines.push_back(OperatingSystemLine(environment.basicVersion, environment.extendedVersion));
    lines.push_back(Line("Number of processors in system",
                         std::to_string(sheet.processorsInSystem != 0 ? sheet.processorsInSystem : 1)));
    lines.push_back(Line("Current processor", "#" + std::to_string(record.currentProcessor)));
    lines.push_back(Line("Active cores per processor", std::to_string(record.coresPerPackage)));
    lines.push_back(DisabledCoresLine(record, sheet));
    lines.push_back(Line("Processor Name", FieldText(record.processorName)));
    lines.push_back(Line("Type", Hex(record.cpuType)));
    lines.push_back(Line("Family", Hex(record.family)));
    lines.push_back(Line(
        "Model",
        Hex(WrappingAdd(WrappingMultiply(record.extendedModel, kModelsPerExtendedModel), record.model))));
    lines.push_back(Line("Stepping", Hex(record.stepping)));
    lines.push_back(Line("Revision", RevisionText(record)));
    if (sheet.maxCpuidLeaf != 0) {
        lines.push_back(Line("Maximum CPUID Level", Hex(sheet.maxCpuidLeaf)));
    }
    AddCacheLines(record, language, lines);
    lines.push_back(Line("Packaging", FieldText(record.packaging)));
    if (ShowsCompatibilityGuide(record)) {
        lines.push_back(Line("Platform Compatibility Guide", FieldText(record.compatibilityGuide)));
    }
    for (const YesNoRow& row : kTechnologyLines) {
        lines.push_back(YesNoLine(row.label, row.yes(record)));
    }
    if (record.moduleNumber <= kLastModuleWithGraphicsLine) {
        lines.push_back(GraphicsLine(record));
    }
    if (app::IsOneOf(kModulesWithBaseTdp, record.moduleNumber)) {
        lines.push_back(Line("Base TDP", std::to_string(record.baseTdpWatts) + " W"));
    }
    if (record.item3Flag == 1) {
        for (std::string& line : FrequencyBlock(record, language)) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back(kClosingLine);
    return lines;
}

}  // namespace sondrel::report
