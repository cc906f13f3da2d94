// The query operations: their common checks in order, and the answers
// that are stored values.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::test {
namespace {

namespace id = module::field_id;

// Calls one query operation for `processor`, with every output valid or,
// when `nullOutput` is set, with every output null.
struct QueryOperation {
    const char* name;
    std::function<ResultCode(module::CProcessorModule&, std::int32_t processor, bool nullOutput)> call;
};

template <class T>
T* Out(T& value, bool nullOutput) {
    return nullOutput ? nullptr : &value;
}

std::vector<QueryOperation> AllQueries() {
    using M = module::CProcessorModule;
    static std::int32_t i1 = 0, i2 = 0, i3 = 0, i4 = 0;
    static float f1 = 0, f2 = 0;
    static char text[kNameBufferSize] = {};
    static BitmapHandle bitmap = nullptr;
    return {
        {"GetLogoBitmap", [](M& m, std::int32_t p, bool n) { return m.GetLogoBitmap(p, Out(bitmap, n)); }},
        {"GetProcessorName",
         [](M& m, std::int32_t p, bool n) { return m.GetProcessorName(p, n ? nullptr : text); }},
        {"GetProductCode", [](M& m, std::int32_t p, bool n) { return m.GetProductCode(p, Out(i1, n)); }},
        {"GetPackage",
         [](M& m, std::int32_t p, bool n) { return m.GetPackage(p, Out(i1, n), n ? nullptr : text); }},
        {"GetInfoItem", [](M& m, std::int32_t p, bool n) { return m.GetInfoItem(p, 1, Out(i1, n)); }},
        {"GetRevision", [](M& m, std::int32_t p, bool n) { return m.GetRevision(p, Out(i1, n)); }},
        {"GetExtendedFamily",
         [](M& m, std::int32_t p, bool n) { return m.GetExtendedFamily(p, Out(i1, n)); }},
        {"GetFamily", [](M& m, std::int32_t p, bool n) { return m.GetFamily(p, Out(i1, n)); }},
        {"GetExtendedModel", [](M& m, std::int32_t p, bool n) { return m.GetExtendedModel(p, Out(i1, n)); }},
        {"GetModel", [](M& m, std::int32_t p, bool n) { return m.GetModel(p, Out(i1, n)); }},
        {"GetStepping", [](M& m, std::int32_t p, bool n) { return m.GetStepping(p, Out(i1, n)); }},
        {"GetProcessorType", [](M& m, std::int32_t p, bool n) { return m.GetProcessorType(p, Out(i1, n)); }},
        {"GetFeature", [](M& m, std::int32_t p, bool n) { return m.GetFeature(p, 10, Out(i1, n)); }},
        {"GetExpectedSpeeds",
         [](M& m, std::int32_t p, bool n) { return m.GetExpectedSpeeds(p, Out(f1, n), Out(f2, n)); }},
        {"GetReportedSpeeds",
         [](M& m, std::int32_t p, bool n) { return m.GetReportedSpeeds(p, Out(f1, n), Out(f2, n)); }},
        {"MeasureSpeeds",
         [](M& m, std::int32_t p, bool n) { return m.MeasureSpeeds(p, Out(f1, n), Out(f2, n), 1, &i3, 0); }},
        {"GetCacheSize",
         [](M& m, std::int32_t p, bool n) { return m.GetCacheSize(p, 0, Out(i1, n), Out(i2, n)); }},
        {"GetCompatibilityGuide",
         [](M& m, std::int32_t p, bool n) { return m.GetCompatibilityGuide(p, n ? nullptr : text); }},
        {"GetActiveCoreCount",
         [](M& m, std::int32_t p, bool n) { return m.GetActiveCoreCount(p, Out(i1, n)); }},
        {"GetThreadCount", [](M& m, std::int32_t p, bool n) { return m.GetThreadCount(p, Out(i1, n)); }},
        {"GetMultiCoreEnabled",
         [](M& m, std::int32_t p, bool n) { return m.GetMultiCoreEnabled(p, Out(i1, n)); }},
        {"GetMaxCoreCount", [](M& m, std::int32_t p, bool n) { return m.GetMaxCoreCount(p, Out(i1, n)); }},
        {"GetPackageThreadCount",
         [](M& m, std::int32_t p, bool n) { return m.GetPackageThreadCount(p, Out(i1, n)); }},
        {"GetPackageCount", [](M& m, std::int32_t p, bool n) { return m.GetPackageCount(p, Out(i1, n)); }},
        {"GetDisabledCoreCount",
         [](M& m, std::int32_t p, bool n) { return m.GetDisabledCoreCount(p, Out(i1, n)); }},
        {"GetCacheCounts",
         [](M& m, std::int32_t p, bool n) {
             return m.GetCacheCounts(p, Out(i1, n), Out(i2, n), Out(i3, n), Out(i4, n));
         }},
        {"GetPciLinkValues",
         [](M& m, std::int32_t p, bool n) { return m.GetPciLinkValues(p, Out(i1, n), Out(i2, n)); }},
        {"GetExpectedInterconnect",
         [](M& m, std::int32_t p, bool n) { return m.GetExpectedInterconnect(p, Out(f1, n), Out(f2, n)); }},
        {"GetReportedInterconnect",
         [](M& m, std::int32_t p, bool n) { return m.GetReportedInterconnect(p, Out(f1, n), Out(f2, n)); }},
        {"GetChipsetDeviceId",
         [](M& m, std::int32_t p, bool n) { return m.GetChipsetDeviceId(p, Out(i1, n)); }},
        {"GetGraphicsCode", [](M& m, std::int32_t p, bool n) { return m.GetGraphicsCode(p, Out(i1, n)); }},
        {"GetBaseTDP", [](M& m, std::int32_t p, bool n) { return m.GetBaseTDP(p, Out(i1, n)); }},
    };
}

class QueriesTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(Create(), 0);
    }
};

TEST_F(QueriesTest, BeforeInitializeEveryQueryIsNotInitialisedWhateverTheProcessor) {
    for (const QueryOperation& query : AllQueries()) {
        for (const std::int32_t processor : {1, 2, 0, -1, 99}) {
            EXPECT_EQ(query.call(Module(), processor, false), result::kNotInitialized)
                << query.name << " for " << processor;
        }
    }
}

TEST_F(QueriesTest, NullOutputIsCheckedFirst) {
    for (const QueryOperation& query : AllQueries()) {
        EXPECT_EQ(query.call(Module(), 1, true), result::kNullArgument) << query.name << " before Initialize";
    }
    ASSERT_EQ(Initialize(2), 0);
    for (const QueryOperation& query : AllQueries()) {
        EXPECT_EQ(query.call(Module(), 2, true), result::kNullArgument) << query.name;
    }
}

TEST_F(QueriesTest, AfterInitializeOnlyThatProcessorIsAnswered) {
    ASSERT_EQ(Initialize(2), 0);
    Module().Snapshot().pciDetailsValid = 1;
    for (const QueryOperation& query : AllQueries()) {
        EXPECT_EQ(query.call(Module(), 1, false), result::kNotInitialized) << query.name;
    }
    for (const QueryOperation& query : AllQueries()) {
        // Product code 121 has a logo; the fake language file has no
        // pictures, so GetLogoBitmap succeeds with a null handle.
        EXPECT_EQ(query.call(Module(), 2, false), 0) << query.name;
    }
}

TEST_F(QueriesTest, ProcessorBeyondTheCountIsOutOfRangeAfterTheOtherChecks) {
    ASSERT_EQ(Initialize(2), 0);
    Module().State().processorCount = 1;
    for (const QueryOperation& query : AllQueries()) {
        EXPECT_EQ(query.call(Module(), 2, false), result::kProcessorOutOfRange) << query.name;
        EXPECT_EQ(query.call(Module(), 2, true), result::kNullArgument) << query.name;
        EXPECT_EQ(query.call(Module(), 3, false), result::kNotInitialized) << query.name;
    }
}

TEST_F(QueriesTest, FailingQueryLeavesItsOutputUntouched) {
    std::int32_t code = -9;
    EXPECT_EQ(Module().GetProductCode(1, &code), result::kNotInitialized);
    EXPECT_EQ(code, -9);
    float cpu = -1.0f;
    float bus = -1.0f;
    EXPECT_EQ(Module().GetReportedSpeeds(1, &cpu, &bus), result::kNotInitialized);
    EXPECT_EQ(cpu, -1.0f);
}

TEST_F(QueriesTest, StoredValuesAreCopiedOut) {
    data.fieldValues[id::kBaseTDP] = 500;
    data.systemCounts = {1, 16, 1};
    ASSERT_EQ(Initialize(1), 0);
    auto value = [this](auto operation) {
        std::int32_t out = -99;
        EXPECT_EQ((Module().*operation)(1, &out), 0);
        return out;
    };
    using M = module::CProcessorModule;
    EXPECT_EQ(value(&M::GetFamily), 6);
    EXPECT_EQ(value(&M::GetModel), 14);
    EXPECT_EQ(value(&M::GetExtendedModel), 5);
    EXPECT_EQ(value(&M::GetStepping), 3);
    EXPECT_EQ(value(&M::GetExtendedFamily), 0);
    EXPECT_EQ(value(&M::GetProcessorType), 0);
    EXPECT_EQ(value(&M::GetRevision), 0x2C);
    EXPECT_EQ(value(&M::GetActiveCoreCount), 4);
    EXPECT_EQ(value(&M::GetThreadCount), 8);
    EXPECT_EQ(value(&M::GetMultiCoreEnabled), 1);
    EXPECT_EQ(value(&M::GetMaxCoreCount), 4);
    EXPECT_EQ(value(&M::GetPackageThreadCount), 8);
    EXPECT_EQ(value(&M::GetPackageCount), 2);  // 16 system threads over 8 per package
    EXPECT_EQ(value(&M::GetDisabledCoreCount), 0);
    EXPECT_EQ(value(&M::GetBaseTDP), 62);  // 62.5 W truncated

    char name[kNameBufferSize];
    std::memset(name, 'x', sizeof name);
    ASSERT_EQ(Module().GetProcessorName(1, name), 0);
    EXPECT_STREQ(name, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    float cpu = 0;
    float bus = 0;
    ASSERT_EQ(Module().GetReportedSpeeds(1, &cpu, &bus), 0);
    EXPECT_EQ(cpu, 4000.0f);  // 3995 measured, snapped onto the rated frequency
    EXPECT_EQ(bus, 100.0f);
    std::int32_t l1d = 0, l1i = 0, l2 = 0, l3 = 0;
    ASSERT_EQ(Module().GetCacheCounts(1, &l1d, &l1i, &l2, &l3), 0);
    EXPECT_EQ((std::vector{l1d, l1i, l2, l3}), (std::vector{1, 1, 1, 1}));
}

TEST_F(QueriesTest, BrandStringRunsOfSpacesAreCollapsed) {
    data.brandString = "Quarn(R)  Vantor(TM)  i3-6123 CPU @ 3.70GHz";
    ASSERT_EQ(Initialize(1), 0);
    char name[kNameBufferSize] = {};
    ASSERT_EQ(Module().GetProcessorName(1, name), 0);
    EXPECT_STREQ(name, "Quarn(R) Vantor(TM) i3-6123 CPU @ 3.70GHz");
}

TEST_F(QueriesTest, TextOutputsAreCutToTheirBuffers) {
    ASSERT_EQ(Initialize(1), 0);
    std::memset(Module().Snapshot().compatibilityGuide, 'G', kGuideBufferSize - 1);
    char guide[kGuideBufferSize + 4];
    std::memset(guide, 'x', sizeof guide);
    ASSERT_EQ(Module().GetCompatibilityGuide(1, guide), 0);
    EXPECT_EQ(std::strlen(guide), kGuideBufferSize - 1);
    EXPECT_EQ(guide[kGuideBufferSize], 'x');  // nothing written past the 11 bytes
}

TEST_F(QueriesTest, CacheSizeWritesTheUnitBeforeCheckingTheLevel) {
    ASSERT_EQ(Initialize(1), 0);
    for (const std::int32_t level : {4, -1}) {
        std::int32_t size = -5;
        std::int32_t unit = 0;
        EXPECT_EQ(Module().GetCacheSize(1, level, &size, &unit), result::kNoSuchCache) << level;
        EXPECT_EQ(unit, 1) << level;
        EXPECT_EQ(size, -5) << level;
    }
    Module().Snapshot().cacheSizeKB = {32, 32, 256, 8192};
    std::int32_t size = 0;
    std::int32_t unit = 0;
    ASSERT_EQ(Module().GetCacheSize(1, 3, &size, &unit), 0);
    EXPECT_EQ(size, 8192);
    EXPECT_EQ(unit, 1);
}

TEST_F(QueriesTest, InfoItemsOutsideOneToEighteenAnswerMinusOne) {
    ASSERT_EQ(Initialize(1), 0);
    Module().Snapshot().infoItemWord = (1 << 0) | (1 << 17);
    struct Case {
        std::int32_t item;
        std::int32_t expected;
    };
    for (const Case& c : {Case{0, -1}, Case{19, -1}, Case{1, 1}, Case{2, 0}, Case{18, 1}}) {
        std::int32_t value = 7;
        EXPECT_EQ(Module().GetInfoItem(1, c.item, &value), 0) << c.item;
        EXPECT_EQ(value, c.expected) << c.item;
    }
}

TEST_F(QueriesTest, FeatureCodesFollowTheTable) {
    data.fieldValues[id::kC1E] = 0;
    ASSERT_EQ(Initialize(1), 0);
    struct Case {
        std::int32_t code;
        ResultCode result;
        std::int32_t state;
    };
    const Case cases[] = {
        {10, 0, 1},
        {20, 0, 1},
        {30, 0, 1},
        {50, 0, 1},
        {60, 0, 1},
        {70, 0, 1},
        {80, 0, 1},
        {90, 0, 0},
        {100, 0, 0},
        {120, 0, 1},
        {130, 0, 1},
        {140, 0, 1},
        {150, 0, 1},
        {40, result::kUnknownFeature, -4},
        {0, result::kUnknownFeature, -4},
        {110, result::kUnknownFeature, -4},
    };
    for (const Case& c : cases) {
        std::int32_t state = -4;
        EXPECT_EQ(Module().GetFeature(1, c.code, &state), c.result) << c.code;
        EXPECT_EQ(state, c.state) << c.code;
    }
    Module().Snapshot().fields.values[id::kC1E] = 1;
    std::int32_t state = 0;
    ASSERT_EQ(Module().GetFeature(1, 90, &state), 0);
    EXPECT_EQ(state, 1);
}

TEST_F(QueriesTest, PciLinkValuesWaitForThePciStep) {
    ASSERT_EQ(Initialize(1), 0);
    std::int32_t first = 5;
    std::int32_t second = 5;
    EXPECT_EQ(Module().GetPciLinkValues(1, &first, &second), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    Module().Snapshot().pciDetailsValid = 0;
    first = 5;
    EXPECT_EQ(Module().GetPciLinkValues(1, &first, &second), result::kPciDetailsUnavailable);
    EXPECT_EQ(first, 5);
}

TEST_F(QueriesTest, GraphicsCodeOfNoDeviceIsMinusThree) {
    ASSERT_EQ(Initialize(1), 0);
    std::int32_t code = 0;
    ASSERT_EQ(Module().GetGraphicsCode(1, &code), 0);
    EXPECT_EQ(code, -3);
    Module().Snapshot().graphicsDeviceId = 9;
    ASSERT_EQ(Module().GetGraphicsCode(1, &code), 0);
    EXPECT_EQ(code, 0);
}

TEST_F(QueriesTest, MeasureSpeedsPassesItsArgumentsAndRefreshes) {
    ASSERT_EQ(Initialize(1), 0);
    const std::size_t passes = data.registerLists.size();
    data.measuredCpuMHz = 3390.0f;
    data.measuredBusMHz = 99.5f;
    float cpu = 0;
    float bus = 0;
    std::int32_t aux = 5;
    ASSERT_EQ(Module().MeasureSpeeds(1, &cpu, &bus, 20, &aux, 7), 0);
    const MeasureCall& call = data.measureCalls.at(data.measureCalls.size() - 2);
    EXPECT_EQ(call.sampleCount, 20);
    EXPECT_EQ(call.auxOutValue, 5);
    EXPECT_EQ(call.auxIn, 7);
    EXPECT_EQ(data.measureCalls.back().sampleCount, 1);  // the refresh's own measurement
    EXPECT_EQ(data.registerLists.size(), passes + 1);
    // Nothing expected: the raw measurement is reported.
    EXPECT_EQ(cpu, 3390.0f);
    EXPECT_EQ(bus, 100.0f);
    EXPECT_EQ(Module().Snapshot().measuredBusMHz, 99.5f);
    EXPECT_EQ(data.OutstandingReferences(), 0);
    EXPECT_EQ(platform::fake::RunningLoadThreads(), 0);
}

TEST_F(QueriesTest, MeasureSpeedsSnapsOntoTheExpectedFrequency) {
    ASSERT_EQ(Initialize(1), 0);
    Module().Snapshot().expectedCpuMHz = 3400.0f;
    data.measuredCpuMHz = 3395.0f;
    float cpu = 0;
    float bus = 0;
    std::int32_t aux = 1;
    ASSERT_EQ(Module().MeasureSpeeds(1, &cpu, &bus, 20, &aux, 0), 0);
    EXPECT_EQ(cpu, 3400.0f);
    EXPECT_EQ(Module().Snapshot().reportedCpuMHz, 3400.0f);
}

TEST_F(QueriesTest, MeasureSpeedsFailuresLeaveTheStoredValues) {
    ASSERT_EQ(Initialize(1), 0);
    struct Case {
        DataOperation failing;
        ResultCode failure;
        ResultCode expected;
    };
    for (const Case& c :
         {Case{DataOperation::kMeasureFrequencies, 17, 17},
          Case{DataOperation::kProcessorAccessInterface, 18, result::kInterfaceUnavailable}}) {
        data.failures = {{c.failing, c.failure}};
        float cpu = -1;
        float bus = -1;
        std::int32_t aux = 1;
        EXPECT_EQ(Module().MeasureSpeeds(1, &cpu, &bus, 20, &aux, 0), c.expected);
        EXPECT_EQ(cpu, -1.0f);
        EXPECT_EQ(Module().Snapshot().reportedCpuMHz, 4000.0f);  // as Initialize left it
        EXPECT_EQ(data.OutstandingReferences(), 0);
    }
}

TEST_F(QueriesTest, MeasureSpeedsKeepsTheMeasurementWhenTheRefreshFails) {
    ASSERT_EQ(Initialize(1), 0);
    data.measuredCpuMHz = 3000.0f;
    data.failures = {{DataOperation::kGetSystemCounts, 23}};
    float cpu = 0;
    float bus = 0;
    std::int32_t aux = 1;
    EXPECT_EQ(Module().MeasureSpeeds(1, &cpu, &bus, 20, &aux, 0), 23);
    EXPECT_EQ(Module().Snapshot().reportedCpuMHz, 3000.0f);
    EXPECT_EQ(cpu, 3000.0f);
}

}  // namespace
}  // namespace sondrel::test
