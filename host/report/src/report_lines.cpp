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

constexpr const char* kClosingLine = "*************************************************************\n";

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

void AddCacheLines(const SystemRecord& record, const ui::LanguageText& language,
                   std::vector<std::string>& lines) {
    lines.push_back(CacheLine(IsTraceCache(record) ? "L1 Trace Cache" : "L1 Instruction Cache",
                              record.l1InstructionCount, record.l1InstructionCacheSize,
                              record.l1InstructionCacheUnit, language));
    lines.push_back(CacheLine("L1 Data Cache", record.l1DataCount, record.l1DataCacheSize,
                              record.l1DataCacheUnit, language));
    lines.push_back(CacheLine("L2 Cache", record.l2Count, record.l2CacheSize, record.l2CacheUnit, language));
    if (ShowsL3Line(record)) {
        lines.push_back(
            CacheLine("L3 Cache", record.l3Count, record.l3CacheSize, record.l3CacheUnit, language));
    }
}

// A technology counts only when it is both supported and enabled, where
// the record has the two.
constexpr std::array<TechnologyRow, 14> kTechnologyLines = {{
    {"Enhanced Quarn Ratewise(R) Technology", "enhancedRatewise",
     [](const SystemRecord& r) { return r.eqrtEnabled == 1; }},
    {"MMX(TM)", "mmx", [](const SystemRecord& r) { return r.mmx != 0; }},
    {"Quarn(R) SSE", "sse", [](const SystemRecord& r) { return r.sse != 0; }},
    {"Quarn(R) SSE2", "sse2", [](const SystemRecord& r) { return r.sse2 != 0; }},
    {"Quarn(R) SSE3", "sse3", [](const SystemRecord& r) { return r.sse3 != 0; }},
    {"Quarn(R) SSE4", "sse4", [](const SystemRecord& r) { return r.sse4 != 0; }},
    {"Quarn(R) AES-NI", "aesNi", [](const SystemRecord& r) { return r.aesNi != 0; }},
    {"Quarn(R) AVX", "avx", [](const SystemRecord& r) { return r.avx != 0; }},
    {"Enhanced Halt State", "enhancedHaltState",
     [](const SystemRecord& r) { return r.enhancedHaltState == 1; }},
    {"Execute Disable Bit", "executeDisableBit", [](const SystemRecord& r) { return r.executeDisable == 1; }},
    {"Quarn(R) Twinstrand Technology", "twinstrand",
     [](const SystemRecord& r) {
         return r.twinstrandSupport == app::kSupported && r.twinstrandEnabled == 1;
     }},
    {"Quarn(R) 64 Architecture", "architecture64",
     [](const SystemRecord& r) { return r.arch64Support == app::kSupported && r.arch64Enabled == 1; }},
    {"Quarn(R) Virtualization Technology", "virtualization",
     [](const SystemRecord& r) {
         return r.virtualizationSupport == app::kSupported && r.virtualizationEnabled == 1;
     }},
    {"Quarn(R) HVX with Extended Page Tables", "extendedPageTables",
     [](const SystemRecord& r) { return r.eptEnabled == 1; }},
}};

}  // namespace

bool IsTraceCache(const SystemRecord& record) {
    return record.productCode >= kFirstTraceCacheProduct && record.productCode <= kLastTraceCacheProduct;
}

bool ShowsL3Line(const SystemRecord& record) {
    const std::int32_t size = record.l3CacheSize;
    if (size == app::kCacheLevelAbsent) {
        return false;
    }
    const bool noL3 = size == app::kNoCacheInterface || size == kCacheSizeUnknown || size == kNoCache;
    return !noL3 || record.productCode == kProductWithL3Line;
}

bool ShowsCompatibilityGuide(const SystemRecord& record) {
    return app::IsOneOf(kGuideProducts, record.productCode) && record.family == app::kFamily15 &&
           app::IsOneOf(kGuideModels, record.model);
}

bool ShowsGraphicsLine(const SystemRecord& record) {
    return record.moduleNumber <= kLastModuleWithGraphicsLine;
}

bool ShowsBaseTdp(const SystemRecord& record) {
    return app::IsOneOf(kModulesWithBaseTdp, record.moduleNumber);
}

std::span<const TechnologyRow> TechnologyRows() {
    return kTechnologyLines;
}

platform::OsVersion OperatingSystemNumbers(const std::optional<platform::OsVersion>& basic,
                                           const std::optional<platform::OsVersion>& extended) {
    if (extended && (extended->major != 0 || extended->minor != 0 || extended->build != 0)) {
        return *extended;
    }
    return basic ? *basic : platform::OsVersion{};
}

std::string OperatingSystemLine(const std::optional<platform::OsVersion>& basic,
                                const std::optional<platform::OsVersion>& extended) {
    const platform::OsVersion numbers = OperatingSystemNumbers(basic, extended);
    const std::string text = extended ? extended->releaseText : kVersionQueryFailed;
    return Line("Operating System", std::to_string(numbers.major) + "." + std::to_string(numbers.minor) +
                                        "-" + std::to_string(numbers.build) + "-" + text);
}

std::vector<std::string> ReportLines(const SystemRecord& record, const app::MainSheetState& sheet,
                                     const ReportEnvironment& environment, const ui::LanguageText& language) {
    std::vector<std::string> lines;
    lines.push_back(std::string(kReportTitle) + "\n");
    lines.push_back(Line("Version", std::string(ui::kVersionText) + "." + environment.buildStamp));
    lines.push_back(Line("Time Stamp", TimeText(environment.time)));
    lines.push_back(OperatingSystemLine(environment.basicVersion, environment.extendedVersion));
    lines.push_back(Line("Number of processors in system", std::to_string(ProcessorsInSystem(sheet))));
    lines.push_back(Line("Current processor", "#" + std::to_string(record.currentProcessor)));
    lines.push_back(Line("Active cores per processor", std::to_string(record.coresPerPackage)));
    lines.push_back(DisabledCoresLine(record, sheet));
    lines.push_back(Line("Processor Name", FieldText(record.processorName)));
    lines.push_back(Line("Type", Hex(record.cpuType)));
    lines.push_back(Line("Family", Hex(record.family)));
    lines.push_back(Line("Model", Hex(DisplayModel(record))));
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
    for (const TechnologyRow& row : kTechnologyLines) {
        lines.push_back(YesNoLine(row.label, row.yes(record)));
    }
    if (ShowsGraphicsLine(record)) {
        lines.push_back(GraphicsLine(record));
    }
    if (ShowsBaseTdp(record)) {
        lines.push_back(Line("Base TDP", std::to_string(record.baseTdpWatts) + " W"));
    }
    if (ShowsFrequencyBlock(record)) {
        for (std::string& line : FrequencyBlock(record, language)) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back(kClosingLine);
    return lines;
}

}  // namespace sondrel::report
