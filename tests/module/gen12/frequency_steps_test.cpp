// The frequency support decision, the reconciliation and the ratio
// frequency in Initialize, with the product code chosen by the test.
#include <gtest/gtest.h>

#include <cstring>

#include "classified_module.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::test {
namespace {

namespace id = module::field_id;

constexpr std::int32_t kGeneric = 56;
constexpr std::int32_t kDesktopCode = 121;
constexpr std::int32_t kLateCode = 146;
constexpr std::int32_t kMeasurementFailure = 0x55;

class FrequencyStepsTest : public ClassifiedModuleTest {
protected:
    // The fixture's brand string names 4.00GHz; measurements answer 3995 MHz.
    void InitializeAs(std::uint32_t signature, std::int32_t productCode, bool preproduction) {
        SetSignature(signature);
        data.fieldValues[id::kProduction] = preproduction ? 0 : 1;
        ASSERT_EQ(CreateClassified(productCode), 0);
        ASSERT_EQ(Initialize(1), 0);
    }
    const module::ProcessorSnapshot& S() { return Module().Snapshot(); }
};

TEST_F(FrequencyStepsTest, DeriveReadsTheBrandStringAndSnapsTheMeasurement) {
    // (5,14) stepping 9 derives for code 146 whatever the pre-production flag says.
    for (const bool preproduction : {false, true}) {
        InitializeAs(Signature(5, 14, 9), kLateCode, preproduction);
        EXPECT_EQ(S().productCode, kLateCode);
        EXPECT_EQ(S().expectedCpuMHz, 4000.0f);
        EXPECT_EQ(S().expectedBusMHz, 100.0f);
        EXPECT_EQ(S().reportedCpuMHz, 4000.0f);
        EXPECT_EQ(S().reportedBusMHz, 100.0f);
        EXPECT_EQ(S().preproductionFlag, preproduction ? 1 : 0);
        EXPECT_EQ(data.measureCalls.size(), 2u) << "close enough: no reconciling measurement";
        data.measureCalls.clear();
    }
}

TEST_F(FrequencyStepsTest, ClearKeepsTheCodeAndDropsNameAndPreproduction) {
    InitializeAs(Signature(5, 14, 9), kGeneric, true);
    EXPECT_EQ(S().productCode, kGeneric);
    EXPECT_EQ(S().expectedCpuMHz, 0.0f);
    EXPECT_EQ(S().expectedBusMHz, 0.0f);
    EXPECT_EQ(S().reportedCpuMHz, 3995.0f) << "nothing to snap onto";
    EXPECT_EQ(S().reportedBusMHz, 100.0f);
    EXPECT_EQ(S().preproductionFlag, 0);
    EXPECT_STREQ(S().processorName, "");
}

TEST_F(FrequencyStepsTest, DeriveOrClearFollowsThePreproductionFlag) {
    InitializeAs(Signature(5, 14, 3), kDesktopCode, true);
    EXPECT_EQ(S().expectedCpuMHz, 4000.0f);
    InitializeAs(Signature(5, 14, 3), kDesktopCode, false);
    EXPECT_EQ(S().expectedCpuMHz, 0.0f);
    EXPECT_EQ(S().productCode, kDesktopCode);
}

TEST_F(FrequencyStepsTest, UnlistedCasesAreNotHandled) {
    InitializeAs(Signature(5, 14, 5), kDesktopCode, true);
    EXPECT_EQ(S().productCode, module::kProductNotHandled);
    EXPECT_EQ(S().expectedCpuMHz, 0.0f);
    EXPECT_EQ(S().reportedCpuMHz, 3995.0f);
}

TEST_F(FrequencyStepsTest, ABrandStringWithoutAFrequencyLeavesNoExpectedValues) {
    data.brandString = "Quarn(R) Vantor(TM) i7-6789K CPU";
    InitializeAs(Signature(5, 14, 9), kLateCode, false);
    EXPECT_EQ(S().productCode, module::kProductUnclassified);
    EXPECT_EQ(S().expectedCpuMHz, 0.0f);
    EXPECT_EQ(S().expectedBusMHz, 0.0f);
    EXPECT_EQ(S().reportedCpuMHz, 3995.0f);
}

TEST_F(FrequencyStepsTest, DeriveNormalisesTheBrandStringFirst) {
    data.brandString = "Quarn(R)  Vantor(TM)   i7-6789K CPU @ 4.00GHz";
    InitializeAs(Signature(5, 14, 9), kLateCode, false);
    EXPECT_STREQ(S().processorName, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
}

TEST_F(FrequencyStepsTest, ReconcilesWithASecondMeasurementWhenTheFirstFallsShort) {
    // First pass, refresh (more than 1 % low), MeasureSpeeds, its refresh.
    data.measurements = {{3995.0f, 99.9f}, {3900.0f, 99.9f}, {3998.0f, 99.95f}, {3700.0f, 99.0f}};
    InitializeAs(Signature(5, 14, 9), kLateCode, false);
    ASSERT_EQ(data.measureCalls.size(), 4u);
    const MeasureCall& reconciling = data.measureCalls[2];
    EXPECT_EQ(reconciling.sampleCount, 20);
    EXPECT_EQ(reconciling.auxOutValue, 1);
    EXPECT_EQ(reconciling.auxIn, 0);
    EXPECT_EQ(S().reportedCpuMHz, 4000.0f);
    EXPECT_EQ(S().reportedBusMHz, 100.0f);
    EXPECT_EQ(S().measuredBusMHz, 99.95f);
    EXPECT_EQ(Module().State().readyFlag, 1);
}

TEST_F(FrequencyStepsTest, AFailingReconciliationKeepsTheFirstValuesAndIsNoError) {
    const std::vector<std::vector<Measurement>> sequences = {
        // The measurement fails; then its refresh fails.
        {{3995.0f, 99.9f}, {3900.0f, 99.9f}, {0, 0, kMeasurementFailure}},
        {{3995.0f, 99.9f}, {3900.0f, 99.9f}, {3998.0f, 99.9f}, {0, 0, kMeasurementFailure}},
    };
    for (const auto& sequence : sequences) {
        data.measurements = sequence;
        data.measureCalls.clear();
        InitializeAs(Signature(5, 14, 9), kLateCode, false);
        EXPECT_EQ(S().reportedCpuMHz, 3900.0f);
        EXPECT_EQ(S().reportedBusMHz, 100.0f);
        EXPECT_EQ(S().expectedCpuMHz, 4000.0f);
        EXPECT_EQ(Module().State().readyFlag, 1);
    }
}

TEST_F(FrequencyStepsTest, TheRatioFrequencyFollowsEveryRefresh) {
    data.fieldValues[id::kEQRTEnabled] = 1;
    data.fieldValues[id::kActualPState] = 40;
    data.fieldValues[id::kMinRatio] = 8;
    data.fieldValues[id::kMaxFSBRatio] = 34;
    data.measurements = {{3400.0f, 99.8f}, {3400.0f, 99.9f}};
    InitializeAs(Signature(5, 14, 9), kLateCode, false);
    EXPECT_EQ(S().ratioFrequencyMHz, 3396.5f);
    data.measurements = {{3400.0f, 99.99f}};
    data.measureCalls.clear();
    float cpu = 0;
    float bus = 0;
    std::int32_t aux = 1;
    ASSERT_EQ(Module().MeasureSpeeds(1, &cpu, &bus, 1, &aux, 0), 0);
    EXPECT_EQ(S().ratioFrequencyMHz, 3399.5f);
}

}  // namespace
}  // namespace sondrel::test
