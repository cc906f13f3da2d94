// The JSON report document, from records made in the test: its values,
// where it says null, and that any brand string still gives valid JSON.
#include <gtest/gtest.h>

#include <functional>

#include "report_support.h"
#include "sondrel/report/report_json.h"

using namespace sondrel;
using namespace sondrel::testing;
using app::SystemRecord;
using nlohmann::json;

namespace {

json Document(const SystemRecord& record, const app::MainSheetState& sheet = DesktopSheet(),
              const report::ReportEnvironment& environment = TestEnvironment()) {
    // Through the text, as a reader gets it.
    return json::parse(report::ReportJsonText(report::ReportDocument(record, sheet, environment)));
}

TEST(ReportJson, TheDocumentOfADesktopProcessor) {
    const json document = Document(DesktopRecord());
    EXPECT_EQ(document["schemaVersion"], 1);
    EXPECT_EQ(document["version"], json({{"release", "5.80"}, {"buildStamp", "20190305"}}));
    EXPECT_EQ(document["timeStamp"], "2019-03-05T07:08:09Z");
    EXPECT_EQ(document["operatingSystem"],
              json({{"major", 6}, {"minor", 1}, {"build", 0}, {"release", "Example Linux 12"}}));
    EXPECT_EQ(document["signature"], json({{"type", 0}, {"family", 6}, {"model", 0x9E}, {"stepping", 9}}));
    EXPECT_EQ(document["revision"], json({{"state", "valid"}, {"value", 0xB4}}));
    EXPECT_EQ(document["maximumCpuidLevel"], 0x16);
    EXPECT_EQ(document["caches"]["l1Instruction"], json({{"label", "L1 Instruction Cache"},
                                                         {"state", "present"},
                                                         {"count", 6},
                                                         {"size", 32},
                                                         {"unit", "KB"}}));
    EXPECT_EQ(document["caches"]["l3"]["size"], 12288);
    EXPECT_EQ(document["platformCompatibilityGuide"], nullptr);
    EXPECT_EQ(document["technologies"]["architecture64"], true);
    EXPECT_EQ(document["graphics"],
              json({{"kind", "integrated"}, {"name", "Quarn(R) Lumen(TM) Graphics 12-350"}}));
    EXPECT_EQ(document["baseTdpW"], 95);
    EXPECT_EQ(document["frequencies"],
              json({{"processor", {{"reportedMHz", 3700}, {"expectedMHz", 3700}}},
                    {"systemBus", {{"reportedMHz", 100}, {"expectedMHz", 100}}},
                    {"interconnect", nullptr},
                    {"memoryController", nullptr},
                    {"verdict", {{"processorAboveExpected", false}, {"busOrLinkAboveExpected", false}}}}));
}

// Unknown values and absent lines are null, never a sentinel figure.
struct NullCase {
    const char* name;
    std::function<void(SystemRecord&, app::MainSheetState&)> change;
    const char* pointer;
    json expected;
};

TEST(ReportJson, UnknownValuesAndAbsentLines) {
    const std::vector<NullCase> cases = {
        {"unknown L3", [](SystemRecord& r, app::MainSheetState&) { r.l3CacheSize = -1; }, "/caches/l3",
         nullptr},
        {"unknown L3 that product 49 shows",
         [](SystemRecord& r, app::MainSheetState&) {
             r.l3CacheSize = -1;
             r.productCode = 49;
         },
         "/caches/l3",
         {{"label", "L3 Cache"}, {"state", "unknown"}, {"count", 1}, {"size", nullptr}, {"unit", nullptr}}},
        {"no L2", [](SystemRecord& r, app::MainSheetState&) { r.l2CacheSize = 0; }, "/caches/l2/state",
         "none"},
        {"no cache count", [](SystemRecord& r, app::MainSheetState&) { r.l2Count = 0; }, "/caches/l2/count",
         nullptr},
        {"trace cache",
         [](SystemRecord& r, app::MainSheetState&) {
             r.productCode = 50;
             r.l1InstructionCacheUnit = 3;
             r.l1InstructionCacheSize = 12;
         },
         "/caches/l1Instruction",
         {{"label", "L1 Trace Cache"}, {"state", "present"}, {"count", 6}, {"size", 12}, {"unit", "Kuops"}}},
        {"unknown revision",
         [](SystemRecord& r, app::MainSheetState&) { r.revisionState = 1; },
         "/revision",
         {{"state", "unknown"}, {"value", nullptr}}},
        {"no maximum leaf", [](SystemRecord&, app::MainSheetState& s) { s.maxCpuidLeaf = 0; },
         "/maximumCpuidLevel", nullptr},
        {"rejected processor count", [](SystemRecord&, app::MainSheetState& s) { s.processorsInSystem = 0; },
         "/processorsInSystem", 1},
        {"module without graphics or TDP lines",
         [](SystemRecord& r, app::MainSheetState&) { r.moduleNumber = 13; }, "/graphics", nullptr},
        {"module without a TDP line", [](SystemRecord& r, app::MainSheetState&) { r.moduleNumber = 10; },
         "/baseTdpW", nullptr},
        {"TDP of 0", [](SystemRecord& r, app::MainSheetState&) { r.baseTdpWatts = 0; }, "/baseTdpW", nullptr},
        {"add-in graphics",
         [](SystemRecord& r, app::MainSheetState&) { r.addInGraphics = 1; },
         "/graphics",
         {{"kind", "addIn"}, {"name", nullptr}}},
        {"unknown graphics code",
         [](SystemRecord& r, app::MainSheetState&) { r.graphicsCode = 99; },
         "/graphics",
         {{"kind", "unknown"}, {"name", nullptr}}},
        {"no frequency block", [](SystemRecord& r, app::MainSheetState&) { r.item3Flag = 0; }, "/frequencies",
         nullptr},
        {"expected values not vouched for",
         [](SystemRecord& r, app::MainSheetState&) { r.item9Flag = 0; },
         "/frequencies/processor",
         {{"reportedMHz", 3700}, {"expectedMHz", nullptr}}},
        {"no verdict without expected values",
         [](SystemRecord& r, app::MainSheetState&) { r.productCode = 0; }, "/frequencies/verdict", nullptr},
        {"module 10 expects no bus figure",
         [](SystemRecord& r, app::MainSheetState&) { r.moduleNumber = 10; },
         "/frequencies/systemBus",
         {{"reportedMHz", 100}, {"expectedMHz", nullptr}}},
        {"no reported frequency", [](SystemRecord& r, app::MainSheetState&) { r.reportedCpuMHz = 0.0f; },
         "/frequencies/processor/reportedMHz", nullptr},
        {"frequencies truncated as in the text",
         [](SystemRecord& r, app::MainSheetState&) { r.reportedCpuMHz = 3392.9f; },
         "/frequencies/processor/reportedMHz", 3392},
        {"bus above expected",
         [](SystemRecord& r, app::MainSheetState&) { r.frequencyExcess = 2; },
         "/frequencies/verdict",
         {{"processorAboveExpected", false}, {"busOrLinkAboveExpected", true}}},
        {"interconnect and memory controller",
         [](SystemRecord& r, app::MainSheetState&) {
             r.interconnectShown = 1;
             r.reportedInterconnect = 6400.7f;
             r.expectedInterconnect = 6400.0f;
             r.reportedMemoryController = 2666.0f;
             r.expectedMemoryController = 0.0f;
         },
         "/frequencies",
         {{"processor", {{"reportedMHz", 3700}, {"expectedMHz", 3700}}},
          {"systemBus", {{"reportedMHz", 100}, {"expectedMHz", 100}}},
          {"interconnect", {{"reportedMTs", 6400}, {"expectedMTs", 6400}}},
          {"memoryController", {{"reportedMHz", 2666}, {"expectedMHz", nullptr}}},
          {"verdict", {{"processorAboveExpected", false}, {"busOrLinkAboveExpected", false}}}}},
    };
    for (const NullCase& test : cases) {
        SystemRecord record = DesktopRecord();
        app::MainSheetState sheet = DesktopSheet();
        test.change(record, sheet);
        EXPECT_EQ(Document(record, sheet).at(json::json_pointer(test.pointer)), test.expected) << test.name;
    }
}

TEST(ReportJson, OperatingSystemWhenVersionQueriesFail) {
    report::ReportEnvironment environment = TestEnvironment();
    environment.extendedVersion.reset();
    EXPECT_EQ(Document(DesktopRecord(), DesktopSheet(), environment)["operatingSystem"],
              json({{"major", 6}, {"minor", 1}, {"build", 0}, {"release", nullptr}}));
    environment.basicVersion.reset();
    EXPECT_EQ(Document(DesktopRecord(), DesktopSheet(), environment)["operatingSystem"],
              json({{"major", nullptr}, {"minor", nullptr}, {"build", nullptr}, {"release", nullptr}}));
}

// A brand string holds whatever bytes the processor returns.
TEST(ReportJson, AnyBrandStringGivesValidJson) {
    SystemRecord record = DesktopRecord();
    std::snprintf(record.processorName, sizeof record.processorName, "%s",
                  "Quarn\r\n\x01\"\\ \xFF\xC3(\xE2\x82");
    const json document = Document(record);  // parse() refuses invalid UTF-8
    EXPECT_EQ(document["processorName"], "Quarn   \"\\ \xEF\xBF\xBD\xEF\xBF\xBD(\xEF\xBF\xBD");
    // The same name in the text report, but for the bytes that are not UTF-8.
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "Processor Name"),
              "Processor Name: Quarn   \"\\ \xFF\xC3(\xE2\x82\n");
}

}  // namespace
