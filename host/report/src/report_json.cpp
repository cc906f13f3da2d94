#include "sondrel/report/report_json.h"

#include <cstdio>

#include "line_text.h"
#include "sondrel/report/report_rules.h"
#include "sondrel/ui/cache_size_text.h"
#include "sondrel/ui/frequency_text.h"
#include "sondrel/ui/version.h"

namespace sondrel::report {

namespace {

using app::SystemRecord;
using Json = nlohmann::ordered_json;

constexpr std::int32_t kUnknownCacheSize = -1;
constexpr std::int32_t kNoCache = 0;

// A count, size or frequency of 0 or less is never a measurement: the
// document says null where the text shows such a figure.
Json Positive(std::int32_t value) {
    return value > 0 ? Json(value) : Json(nullptr);
}

Json Text(const std::string& value) {
    return ReportValue(value);
}

std::string TimeText(const platform::UtcTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02uZ", time.year, time.month, time.day,
                  time.hour, time.minute, time.second);
    return text;
}

Json OperatingSystem(const ReportEnvironment& environment) {
    const platform::OsVersion numbers =
        OperatingSystemNumbers(environment.basicVersion, environment.extendedVersion);
    const bool known = numbers.major != 0 || numbers.minor != 0 || numbers.build != 0;
    const auto number = [known](std::int32_t value) { return known ? Json(value) : Json(nullptr); };
    return {{"major", number(numbers.major)},
            {"minor", number(numbers.minor)},
            {"build", number(numbers.build)},
            {"release",
             environment.extendedVersion ? Text(environment.extendedVersion->releaseText) : Json(nullptr)}};
}

Json Revision(const SystemRecord& record) {
    if (record.revisionState == app::kRevisionNotAvailable) {
        return {{"state", "notAvailable"}, {"value", nullptr}};
    }
    if (record.revisionState == app::kRevisionValid) {
        return {{"state", "valid"}, {"value", record.revision}};
    }
    return {{"state", "unknown"}, {"value", nullptr}};
}

Json CacheUnit(std::int32_t unit) {
    if (unit == ui::kCacheUnitBytes) {
        return "KB";
    }
    if (unit == ui::kCacheUnitTrace) {
        return "Kuops";
    }
    return nullptr;
}

Json Cache(const char* label, std::int32_t count, std::int32_t size, std::int32_t unit) {
    const char* state = size > 0 ? "present" : size == kNoCache ? "none" : "unknown";
    return {{"label", label},
            {"state", state},
            {"count", Positive(count)},
            {"size", Positive(size)},
            {"unit", size > 0 ? CacheUnit(unit) : Json(nullptr)}};
}

Json Caches(const SystemRecord& record) {
    return {
        {"l1Instruction",
         Cache(IsTraceCache(record) ? "L1 Trace Cache" : "L1 Instruction Cache", record.l1InstructionCount,
               record.l1InstructionCacheSize, record.l1InstructionCacheUnit)},
        {"l1Data",
         Cache("L1 Data Cache", record.l1DataCount, record.l1DataCacheSize, record.l1DataCacheUnit)},
        {"l2", Cache("L2 Cache", record.l2Count, record.l2CacheSize, record.l2CacheUnit)},
        {"l3", ShowsL3Line(record) ? Cache("L3 Cache", record.l3Count, record.l3CacheSize, record.l3CacheUnit)
                                   : Json(nullptr)}};
}

Json Technologies(const SystemRecord& record) {
    Json technologies = Json::object();
    for (const TechnologyRow& row : TechnologyRows()) {
        technologies[row.key] = row.yes(record);
    }
    return technologies;
}

Json Graphics(const SystemRecord& record) {
    if (!ShowsGraphicsLine(record)) {
        return nullptr;
    }
    using Kind = GraphicsProduct::Kind;
    const GraphicsProduct product = GraphicsOf(record);
    const char* kind = product.kind == Kind::kAddIn        ? "addIn"
                       : product.kind == Kind::kIntegrated ? "integrated"
                                                           : "unknown";
    return {{"kind", kind}, {"name", product.kind == Kind::kIntegrated ? Json(product.text) : Json(nullptr)}};
}

// A pair of whole figures, truncated as the text truncates them.
Json Pair(const char* unit, float reported, float expected, bool expectedShown) {
    const std::string suffix = unit;
    return {{"reported" + suffix, Positive(ui::TruncateToInteger(reported))},
            {"expected" + suffix, expectedShown ? Positive(ui::TruncateToInteger(expected)) : Json(nullptr)}};
}

Json Frequencies(const SystemRecord& record) {
    if (!ShowsFrequencyBlock(record)) {
        return nullptr;
    }
    const bool expected = ShowsExpectedFrequencies(record);
    const bool interconnect = ShowsInterconnect(record);
    // The verdict is the one the frequency pages colour and advise by.
    const Json verdict =
        expected ? Json{{"processorAboveExpected", (record.frequencyExcess & app::kProcessorExcess) != 0},
                        {"busOrLinkAboveExpected", (record.frequencyExcess & app::kBusOrLinkExcess) != 0}}
                 : Json(nullptr);
    return {
        {"processor", Pair("MHz", record.reportedCpuMHz, record.expectedCpuMHz, expected)},
        {"systemBus", Pair("MHz", record.reportedBusMHz, record.expectedBusMHz, ShowsExpectedBus(record))},
        {"interconnect", interconnect
                             ? Pair("MTs", record.reportedInterconnect, record.expectedInterconnect, expected)
                             : Json(nullptr)},
        {"memoryController", interconnect ? Pair("MHz", record.reportedMemoryController,
                                                 record.expectedMemoryController, expected)
                                          : Json(nullptr)},
        {"verdict", verdict}};
}

}  // namespace

Json ReportDocument(const SystemRecord& record, const app::MainSheetState& sheet,
                    const ReportEnvironment& environment) {
    Json document;
    document["schemaVersion"] = kReportSchemaVersion;
    document["title"] = kReportTitle;
    document["version"] = {{"release", ui::kVersionText}, {"buildStamp", environment.buildStamp}};
    document["timeStamp"] = TimeText(environment.time);
    document["operatingSystem"] = OperatingSystem(environment);
    document["processorsInSystem"] = ProcessorsInSystem(sheet);
    document["currentProcessor"] = record.currentProcessor;
    document["activeCoresPerProcessor"] = record.coresPerPackage;
    document["disabledCoresPerProcessor"] = DisabledCoresCount(record, sheet);
    document["processorName"] = Text(FieldText(record.processorName));
    document["signature"] = {{"type", record.cpuType},
                             {"family", record.family},
                             {"model", DisplayModel(record)},
                             {"stepping", record.stepping}};
    document["revision"] = Revision(record);
    document["maximumCpuidLevel"] = sheet.maxCpuidLeaf != 0 ? Json(sheet.maxCpuidLeaf) : Json(nullptr);
    document["caches"] = Caches(record);
    document["packaging"] = Text(FieldText(record.packaging));
    document["platformCompatibilityGuide"] =
        ShowsCompatibilityGuide(record) ? Text(FieldText(record.compatibilityGuide)) : Json(nullptr);
    document["technologies"] = Technologies(record);
    document["graphics"] = Graphics(record);
    document["baseTdpW"] = ShowsBaseTdp(record) ? Positive(record.baseTdpWatts) : Json(nullptr);
    document["frequencies"] = Frequencies(record);
    return document;
}

std::string ReportJsonText(const Json& document) {
    constexpr int kIndent = 2;
    return document.dump(kIndent, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace sondrel::report
