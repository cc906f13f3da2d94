// The report's lines and their rules, from records made in the test.
#include <gtest/gtest.h>

#include "report_support.h"
#include "sondrel/report/report_rules.h"

using namespace sondrel;
using namespace sondrel::testing;
using app::SystemRecord;

namespace {

TEST(ReportLines, TheWholeReportOfADesktopProcessor) {
    const std::vector<std::string> expected = {
        "Quarn(R) Sondrel\n",
        "Version: 5.80.20190305\n",
        "Time Stamp: 2019/03/05 07:08:09\n",
        "Operating System: 6.1-0-Example Linux 12\n",
        "Number of processors in system: 1\n",
        "Current processor: #1\n",
        "Active cores per processor: 6\n",
        "Disabled cores per processor: 0\n",
        "Processor Name: Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz\n",
        "Type: 0\n",
        "Family: 6\n",
        "Model: 9E\n",
        "Stepping: 9\n",
        "Revision: B4\n",
        "Maximum CPUID Level: 16\n",
        "L1 Instruction Cache: 6 x 32 KB\n",
        "L1 Data Cache: 6 x 32 KB\n",
        "L2 Cache: 6 x 256 KB\n",
        "L3 Cache: 12 MB\n",
        "Packaging: QLG-1160 desktop land grid array\n",
        "Enhanced Quarn Ratewise(R) Technology: Yes\n",
        "MMX(TM): Yes\n",
        "Quarn(R) SSE: Yes\n",
        "Quarn(R) SSE2: Yes\n",
        "Quarn(R) SSE3: Yes\n",
        "Quarn(R) SSE4: Yes\n",
        "Quarn(R) AES-NI: Yes\n",
        "Quarn(R) AVX: Yes\n",
        "Enhanced Halt State: Yes\n",
        "Execute Disable Bit: Yes\n",
        "Quarn(R) Twinstrand Technology: Yes\n",
        "Quarn(R) 64 Architecture: Yes\n",
        "Quarn(R) Virtualization Technology: Yes\n",
        "Quarn(R) HVX with Extended Page Tables: Yes\n",
        "System Graphics: Quarn(R) Lumen(TM) Graphics 12-350\n",
        "Base TDP: 95 W\n",
        "Expected Processor Frequency: 3.70 GHz\n",
        "Reported Processor Frequency: 3.70 GHz\n",
        "Expected System Bus Frequency: 100 MHz\n",
        "Reported System Bus Frequency: 100 MHz\n",
        "*************************************************************\n",
    };
    EXPECT_EQ(Lines(DesktopRecord(), DesktopSheet()), expected);
}

TEST(ReportLines, NothingSupportedSaysNoEverywhere) {
    SystemRecord record = DesktopRecord();
    record.eqrtEnabled = record.mmx = record.sse = record.sse2 = record.sse3 = record.sse4 = 0;
    record.aesNi = record.avx = record.enhancedHaltState = record.executeDisable = record.eptEnabled = 0;
    // Enabled but only "not determinable" is not supported.
    record.twinstrandSupport = record.arch64Support = record.virtualizationSupport = app::kNotDeterminable;
    const auto lines = Lines(record, DesktopSheet());
    for (const char* label :
         {"Enhanced Quarn Ratewise(R) Technology", "MMX(TM)", "Quarn(R) SSE", "Quarn(R) SSE2",
          "Quarn(R) SSE3", "Quarn(R) SSE4", "Quarn(R) AES-NI", "Quarn(R) AVX", "Enhanced Halt State",
          "Execute Disable Bit", "Quarn(R) Twinstrand Technology", "Quarn(R) 64 Architecture",
          "Quarn(R) Virtualization Technology", "Quarn(R) HVX with Extended Page Tables"}) {
        EXPECT_EQ(LineOf(lines, label), std::string(label) + ": No\n");
    }
}

TEST(ReportLines, AValueNeverBreaksItsLine) {
    SystemRecord record = DesktopRecord();
    std::snprintf(record.processorName, sizeof record.processorName, "%s",
                  "Quarn(R)\r\nInjected: Yes\x1B[2J");
    const auto lines = Lines(record, DesktopSheet());
    EXPECT_EQ(LineOf(lines, "Processor Name"), "Processor Name: Quarn(R)  Injected: Yes [2J\n");
    EXPECT_EQ(LineOf(lines, "Injected"), "absent");
}

TEST(ReportLines, IdentityLines) {
    SystemRecord record = DesktopRecord();
    app::MainSheetState sheet = DesktopSheet();
    sheet.processorsInSystem = 0;
    sheet.maxCpuidLeaf = 0;
    record.revisionState = app::kRevisionUnknown;
    record.currentProcessor = 3;
    record.cpuType = 1;
    record.family = 15;
    record.model = 4;
    record.extendedModel = 0;
    auto lines = Lines(record, sheet);
    EXPECT_EQ(LineOf(lines, "Number of processors in system"), "Number of processors in system: 1\n");
    EXPECT_EQ(LineOf(lines, "Current processor"), "Current processor: #3\n");
    EXPECT_EQ(LineOf(lines, "Revision"), "Revision: Unknown\n");
    EXPECT_EQ(LineOf(lines, "Maximum CPUID Level"), "absent");
    EXPECT_EQ(LineOf(lines, "Type"), "Type: 1\n");
    EXPECT_EQ(LineOf(lines, "Family"), "Family: F\n");
    EXPECT_EQ(LineOf(lines, "Model"), "Model: 4\n");
    // No guide line for a product without one.
    EXPECT_EQ(LineOf(lines, "Platform Compatibility Guide"), "absent");

    record.revisionState = app::kRevisionNotAvailable;
    record.productCode = 59;
    std::snprintf(record.compatibilityGuide, sizeof record.compatibilityGuide, "%s", "05A");
    lines = Lines(record, sheet);
    EXPECT_EQ(LineOf(lines, "Revision"), "Revision: N/A\n");
    EXPECT_EQ(LineOf(lines, "Platform Compatibility Guide"), "Platform Compatibility Guide: 05A\n");
}

struct L3Case {
    std::int32_t size;
    std::int32_t productCode;
    const char* line;
};

class L3Line : public ::testing::TestWithParam<L3Case> {};

TEST_P(L3Line, IsLeftOutWithoutAnL3ExceptForProduct49) {
    SystemRecord record = DesktopRecord();
    record.l3CacheSize = GetParam().size;
    record.productCode = GetParam().productCode;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "L3 Cache"), GetParam().line)
        << GetParam().size << " product " << GetParam().productCode;
}

INSTANTIATE_TEST_SUITE_P(Sizes, L3Line,
                         ::testing::Values(L3Case{-1, 148, "absent"}, L3Case{0, 148, "absent"},
                                           L3Case{-2, 148, "absent"}, L3Case{-3, 148, "absent"},
                                           L3Case{-1, 49, "L3 Cache: Unknown\n"},
                                           L3Case{0, 49, "L3 Cache: None\n"},
                                           L3Case{-2, 49, "L3 Cache: Unknown\n"}, L3Case{-3, 49, "absent"},
                                           L3Case{8192, 148, "L3 Cache: 8 MB\n"}));

TEST(ReportLines, TraceCacheProductsAndCounts) {
    SystemRecord record = DesktopRecord();
    record.productCode = 50;
    record.l1InstructionCacheSize = 12;
    record.l1InstructionCacheUnit = 3;
    record.l1InstructionCount = 1;
    record.l2Count = 2;
    const auto lines = Lines(record, DesktopSheet());
    EXPECT_EQ(LineOf(lines, "L1 Trace Cache"), "L1 Trace Cache: 12 K uops\n");
    EXPECT_EQ(LineOf(lines, "L1 Instruction Cache"), "absent");
    EXPECT_EQ(LineOf(lines, "L2 Cache"), "L2 Cache: 2 x 256 KB\n");
    record.productCode = 54;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "L1 Instruction Cache"),
              "L1 Instruction Cache: 12 K uops\n");
}

struct DisabledCase {
    std::int32_t multiCoreEnabled;
    std::int32_t disabled;
    std::int32_t productCode;
    std::int32_t active;
    std::int32_t logical;
    std::int32_t family;
    std::int32_t item7;
    std::int32_t processorsInSystem;
    const char* line;
};

class DisabledCoresLine : public ::testing::TestWithParam<DisabledCase> {};

TEST_P(DisabledCoresLine, FollowsTheCountsAndTheProduct) {
    const DisabledCase& c = GetParam();
    SystemRecord record = DesktopRecord();
    record.multiCoreEnabled = c.multiCoreEnabled;
    record.disabledCores = c.disabled;
    record.productCode = c.productCode;
    record.coresPerPackage = c.active;
    record.logicalProcessorCount = c.logical;
    record.family = c.family;
    record.item7Flag = c.item7;
    app::MainSheetState sheet = DesktopSheet();
    sheet.processorsInSystem = c.processorsInSystem;
    EXPECT_EQ(report::DisabledCoresLine(record, sheet),
              std::string("Disabled cores per processor: ") + c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DisabledCoresLine,
    ::testing::Values(
        // Disabled cores, or multi-core switched off: the module's count, whatever its sign.
        DisabledCase{1, 2, 148, 4, 8, 6, 1, 1, "2\n"}, DisabledCase{0, -1, 148, 4, 8, 6, 1, 1, "-1\n"},
        DisabledCase{0, 0, 148, 4, 8, 6, 1, 1, "0\n"},
        // The five counted products show a positive count, else go on.
        DisabledCase{0, 3, 74, 4, 8, 6, 1, 1, "3\n"}, DisabledCase{0, -1, 74, 4, 8, 6, 1, 1, "0\n"},
        DisabledCase{1, -5, 148, 4, 8, 6, 1, 1, "0\n"},
        // No disabled cores: processors beyond the active cores, when all five conditions hold.
        DisabledCase{1, 0, 148, 2, 8, 6, 1, 6, "4\n"}, DisabledCase{0, 0, 4, 2, 8, 6, 1, 6, "4\n"},
        DisabledCase{1, 0, 148, 8, 8, 6, 1, 16, "0\n"}, DisabledCase{1, 0, 148, 2, 8, 15, 1, 6, "0\n"},
        DisabledCase{1, 0, 148, 5, 8, 6, 1, 6, "0\n"}, DisabledCase{1, 0, 148, 2, 8, 6, 0, 6, "0\n"},
        DisabledCase{1, 0, 148, 2, 8, 6, 1, 2, "0\n"}));

struct GraphicsCase {
    std::int32_t moduleNumber;
    std::int32_t code;
    std::int32_t productCode;
    const char* name;
};

class GraphicsLine : public ::testing::TestWithParam<GraphicsCase> {};

TEST_P(GraphicsLine, NamesTheProductOfTheModulesTable) {
    SystemRecord record = DesktopRecord();
    record.moduleNumber = GetParam().moduleNumber;
    record.graphicsCode = GetParam().code;
    record.productCode = GetParam().productCode;
    EXPECT_EQ(report::GraphicsLine(record), std::string("System Graphics: ") + GetParam().name + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GraphicsLine,
    ::testing::Values(GraphicsCase{12, 0, 148, "Add-in Graphics"},
                      GraphicsCase{12, -3, 148, "Add-in Graphics"},
                      GraphicsCase{12, 1, 148, "Quarn(R) Lumen(TM) Graphics 12-100"},
                      GraphicsCase{12, 13, 148, "Quarn(R) Lumen(TM) Graphics 12-700 Pro"},
                      GraphicsCase{12, 14, 148, "Unknown"}, GraphicsCase{12, -1, 148, "Unknown"},
                      GraphicsCase{11, 0, 60, "Add-in Graphics"}, GraphicsCase{9, -3, 60, "Add-in Graphics"},
                      GraphicsCase{11, -2, 60, "Unknown"}, GraphicsCase{11, 20, 60, "Unknown"},
                      GraphicsCase{11, 24, 60, "Unknown"}, GraphicsCase{11, -4, 60, "Unknown"},
                      GraphicsCase{11, 3, 60, "Quarn(R) Lumen Graphics"},
                      GraphicsCase{11, 1, 60, "Quarn(R) Lumen(TM) Graphics 9-100"},
                      GraphicsCase{11, 5, 97, "Quarn(R) Lumen Graphics"},
                      GraphicsCase{11, 6, 97, "Quarn(R) Lumen(TM) Graphics 10-100"},
                      GraphicsCase{11, 13, 101, "Quarn(R) Lumen Graphics"},
                      GraphicsCase{11, 14, 101, "Quarn(R) Lumen(TM) Graphics 11-100"},
                      GraphicsCase{11, 22, 108, "Quarn(R) Lumen Graphics"},
                      GraphicsCase{11, 23, 104, "Quarn(R) Lumen(TM) Graphics 11-900 Pro"},
                      GraphicsCase{11, 23, 105, "Quarn(R) Lumen(TM) Graphics 11-950 Pro"},
                      GraphicsCase{11, 23, 60, "Unknown"}));

TEST(ReportLines, TheAddInFlagOfThePageAndTheModulesWithoutGraphicsOrPowerLines) {
    SystemRecord record = DesktopRecord();
    record.addInGraphics = 1;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "System Graphics"), "System Graphics: Add-in Graphics\n");
    record.moduleNumber = 13;
    auto lines = Lines(record, DesktopSheet());
    EXPECT_EQ(LineOf(lines, "System Graphics"), "absent");
    EXPECT_EQ(LineOf(lines, "Base TDP"), "absent");
    record.moduleNumber = 10;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "Base TDP"), "absent");
    record.moduleNumber = 11;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "Base TDP"), "Base TDP: 95 W\n");
}

TEST(FrequencyBlock, LinkSpeedsAndMemoryController) {
    SystemRecord record = DesktopRecord();
    record.interconnectShown = 1;
    record.expectedInterconnect = 6400.0f;
    record.reportedInterconnect = 6400.9f;
    record.expectedMemoryController = 2666.0f;
    record.reportedMemoryController = 2666.7f;
    std::vector<std::string> expected = {
        "Expected Processor Frequency: 3.70 GHz\n",
        "Reported Processor Frequency: 3.70 GHz\n",
        "Expected System Bus Frequency: 100 MHz\n",
        "Reported System Bus Frequency: 100 MHz\n",
        "Expected Swiftway Interconnect Speed: 6.40 GT/s\n",
        "Reported Swiftway Interconnect Speed: 6.40 GT/s\n",
        "Expected Integrated Memory Controller Frequency: 2666 MHz\n",
        "Reported Integrated Memory Controller Frequency: 2666 MHz\n",
    };
    EXPECT_EQ(report::FrequencyBlock(record, UnitStrings()), expected);

    record.expectedInterconnect = record.reportedInterconnect = 8000.0f;
    // Plain values are truncated before they are written with two decimals.
    const auto lines = report::FrequencyBlock(record, UnitStrings());
    EXPECT_EQ(LineOf(lines, "Expected Swiftway Interconnect Speed"),
              "Expected Swiftway Interconnect Speed: 8.0 GT/s\n");
    EXPECT_EQ(LineOf(lines, "Reported Swiftway Interconnect Speed"),
              "Reported Swiftway Interconnect Speed: 8.0 GT/s\n");
    record.expectedInterconnect = record.reportedInterconnect = 4.8f;
    EXPECT_EQ(LineOf(report::FrequencyBlock(record, UnitStrings()), "Expected Swiftway Interconnect Speed"),
              "Expected Swiftway Interconnect Speed: 4.00 GT/s\n");
}

TEST(FrequencyBlock, ExpectedLinesNeedTheGate) {
    const std::vector<std::string> reportedOnly = {"Reported Processor Frequency: 3.70 GHz\n",
                                                   "Reported System Bus Frequency: 100 MHz\n"};
    for (auto change : std::initializer_list<void (*)(SystemRecord&)>{
             [](SystemRecord& r) { r.productCode = 0; }, [](SystemRecord& r) { r.productCode = 4; },
             [](SystemRecord& r) { r.item9Flag = 0; }, [](SystemRecord& r) { r.item10Flag = -1; }}) {
        SystemRecord record = DesktopRecord();
        change(record);
        EXPECT_EQ(report::FrequencyBlock(record, UnitStrings()), reportedOnly);
    }
    SystemRecord record = DesktopRecord();
    record.moduleNumber = 10;
    const auto lines = report::FrequencyBlock(record, UnitStrings());
    EXPECT_EQ(LineOf(lines, "Expected Processor Frequency"), "Expected Processor Frequency: 3.70 GHz\n");
    EXPECT_EQ(LineOf(lines, "Expected System Bus Frequency"), "absent");

    // Without frequency information there is no block at all.
    record.item3Flag = 0;
    EXPECT_EQ(LineOf(Lines(record, DesktopSheet()), "Reported Processor Frequency"), "absent");
}

TEST(ReportLines, OperatingSystemLine) {
    using platform::OsVersion;
    EXPECT_EQ(report::OperatingSystemLine(OsVersion{6, 1, 0, ""}, OsVersion{6, 1, 7, "Example"}),
              "Operating System: 6.1-7-Example\n");
    // The basic numbers when the extended ones are all 0.
    EXPECT_EQ(report::OperatingSystemLine(OsVersion{5, 2, 3790, ""}, OsVersion{0, 0, 0, "Pack 2"}),
              "Operating System: 5.2-3790-Pack 2\n");
    EXPECT_EQ(report::OperatingSystemLine(OsVersion{5, 2, 3790, ""}, std::nullopt),
              "Operating System: 5.2-3790-Error getting the Operating System info\n");
    EXPECT_EQ(report::OperatingSystemLine(std::nullopt, std::nullopt),
              "Operating System: 0.0-0-Error getting the Operating System info\n");
    // An overlong release text is cut, the line end kept.
    const std::string line =
        report::OperatingSystemLine(std::nullopt, OsVersion{6, 1, 0, std::string(800, 'x')});
    EXPECT_EQ(line.size(), report::kLineBufferSize - 1);
    EXPECT_EQ(line.back(), '\n');
}

}  // namespace
