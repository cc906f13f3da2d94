// Cpumod7's front-side-bus speed model as pure rules: bus clocks, the bus
// rule, ratio selection, the decision table, the production flag and the
// counts taken from CPUID.
#include <gtest/gtest.h>

#include <cmath>

#include "sondrel/gen7/tables.h"
#include "sondrel/module/frequency.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_list.h"

namespace sondrel::module {
namespace {

namespace field = fsb_field;

ProcessorSnapshot WithFsbSel(std::int32_t fsbSel) {
    ProcessorSnapshot s;
    s.fields.values[field::kFsbSel] = fsbSel;
    return s;
}

TEST(Cpumod7BusClock, EveryRowAndTheHalfMegahertzOfFsbSel3) {
    struct Case {
        std::int32_t fsbSel;
        float clockMHz;
        float expectedBusMHz;
    };
    const Case cases[] = {
        {0, 266.667f, 4 * 266.667f}, {1, 133.3333f, 533.3332f},   {2, 200.0f, 800.0f},
        {3, 166.6667f, 667.1668f},   {4, 333.333f, 4 * 333.333f}, {5, 100.0f, 400.0f},
        {6, 400.0f, 1600.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fsbSel);
        const ProcessorSnapshot s = WithFsbSel(c.fsbSel);
        const auto clock = BusClock(gen7::SpeedModel(), s);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(*clock, c.clockMHz);
        EXPECT_FLOAT_EQ(ExpectedBus(gen7::SpeedModel(), s, *clock), c.expectedBusMHz);
    }
    // Shown truncated: 533 and 667.
    EXPECT_EQ(std::trunc(ExpectedBus(gen7::SpeedModel(), WithFsbSel(3), 166.6667f)), 667.0f);
    EXPECT_FALSE(BusClock(gen7::SpeedModel(), WithFsbSel(7)).has_value());
}

TEST(Cpumod7BusRule, FourTimesTheCoreFrequencyOverTheRatio) {
    ProcessorSnapshot s = WithFsbSel(1);
    s.reportedCpuMHz = 2400.0f;
    s.frontSideBus.coreRatio = 9.0f;
    EXPECT_FLOAT_EQ(ReportedBus(gen7::SpeedModel(), s), 1066.6667f);
    s.fields.values[field::kFsbSel] = 3;
    EXPECT_FLOAT_EQ(ReportedBus(gen7::SpeedModel(), s), 1067.1667f);
    s.frontSideBus.coreRatio = 0.0f;
    EXPECT_EQ(ReportedBus(gen7::SpeedModel(), s), 0.0f);
    s.frontSideBus.coreRatio = -1.0f;
    EXPECT_EQ(ReportedBus(gen7::SpeedModel(), s), 0.0f);
}

TEST(Cpumod7RatioSelection, FirstRuleThatApplies) {
    struct Case {
        const char* what;
        std::int32_t secondMonitor, hot, halfCapable, half, maxRatio;
        float eqrt, tm2;
        float ratio;
    };
    const Case cases[] = {
        {"hot with the second monitor: TM2Ratio whatever else", 1, 1, 1, 1, 9, 8.0f, 6.0f, 6.0f},
        {"hot without the second monitor", 0, 1, 0, 0, 9, 0.0f, 6.0f, 9.0f},
        {"half ratio over the maximum when EQRTRatio is 0", 0, 0, 1, 1, 9, 0.0f, 0.0f, 9.5f},
        {"half ratio over EQRTRatio", 1, 0, 1, 1, 11, 8.0f, 6.0f, 8.5f},
        {"half-ratio capable without the half step", 0, 0, 1, 0, 9, 0.0f, 0.0f, 9.0f},
        {"the larger of maximum and EQRTRatio", 0, 0, 0, 0, 9, 11.0f, 0.0f, 11.0f},
        {"the maximum when it is larger", 0, 0, 0, 0, 12, 11.0f, 0.0f, 12.0f},
        {"no ratio at all", 0, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProcessorSnapshot s;
        s.secondThermalMonitor = c.secondMonitor;
        s.fields.values[field::kHot] = c.hot;
        s.fields.values[field::kHalfRatioCapable] = c.halfCapable;
        s.fields.values[field::kHalfRatio] = c.half;
        s.fields.firstRatioPair = {c.maxRatio, c.maxRatio};
        s.fields.ratios[field::kEQRTRatio] = c.eqrt;
        s.fields.ratios[field::kTM2Ratio] = c.tm2;
        EXPECT_EQ(SelectCoreRatio(gen7::SpeedModel().ratioRules, s), c.ratio);
    }
}

TEST(FrontSideBusModel, AFixedClockModelAndAProductRatioRule) {
    // The shapes the older generations use: a model whose clock is fixed and
    // "FSBSel" read as 0, no half megahertz, a ratio rule for one product.
    constexpr BusClockRow kClocks[] = {{0, 100.0f}, {3, 166.6667f}};
    constexpr FixedBusClockRow kFixed[] = {{9, 100.0f, 0}};
    constexpr RatioRule kRules[] = {{RatioSource::kMaxFsbRatioForProduct, 52}, {RatioSource::kMaxRatio}};
    FrontSideBusModel model;
    model.busClocks = kClocks;
    model.fixedBusClocks = kFixed;
    model.ratioRules = kRules;
    ProcessorSnapshot s = WithFsbSel(3);
    s.model = 9;
    EXPECT_EQ(BusClock(model, s), 100.0f);
    EXPECT_EQ(EffectiveFsbSel(model, s), 0);
    s.model = 13;
    EXPECT_EQ(BusClock(model, s), 166.6667f);
    EXPECT_EQ(ExpectedBus(model, s, 166.6667f), 4 * 166.6667f);
    s.fields.firstRatioPair = {14, 14};
    s.fields.ratios[field::kMaxFSBRatio] = 17.0f;
    EXPECT_EQ(SelectCoreRatio(kRules, s), 14.0f);
    s.productCode = 52;
    EXPECT_EQ(SelectCoreRatio(kRules, s), 17.0f);
}

// Every row of the decision table, with a production part (derive) and
// a part whose production flag is 0 (clear).
TEST(Cpumod7Decision, EveryRow) {
    using enum FrequencyOutcome;
    struct Case {
        std::int32_t extendedModel, model, stepping, productCode;
        FrequencyOutcome production, other;
    };
    const Case cases[] = {
        // Model 15, any extended model: steppings 0, 1, 3, 12, 14, 15 unsupported.
        {0, 15, 0, 65, kUnsupported, kUnsupported},
        {0, 15, 1, 56, kUnsupported, kUnsupported},
        {0, 15, 3, 65, kUnsupported, kUnsupported},
        {0, 15, 12, 65, kUnsupported, kUnsupported},
        {0, 15, 14, 65, kUnsupported, kUnsupported},
        {2, 15, 15, 65, kUnsupported, kUnsupported},
        {0, 15, 6, 56, kClear, kClear},
        {0, 15, 6, 65, kDerive, kClear},
        {3, 15, 13, 77, kDerive, kClear},
        {0, 15, 11, 71, kDerive, kClear},
        {0, 15, 2, 76, kUnsupported, kUnsupported},
        {0, 15, 4, 82, kUnsupported, kUnsupported},
        // (1,6) stepping 1.
        {1, 6, 1, 56, kClear, kClear},
        {1, 6, 1, 75, kDerive, kClear},
        {1, 6, 1, 65, kUnsupported, kUnsupported},
        {1, 6, 2, 72, kUnsupported, kUnsupported},
        // (1,7) steppings 1, 4, 6, 7, 10.
        {1, 7, 1, 56, kClear, kClear},
        {1, 7, 4, 83, kDerive, kClear},
        {1, 7, 6, 76, kDerive, kClear},
        {1, 7, 7, 66, kDerive, kClear},
        {1, 7, 10, 82, kDerive, kClear},
        {1, 7, 10, 77, kUnsupported, kUnsupported},
        {1, 7, 5, 65, kUnsupported, kUnsupported},
        // (1,12) steppings 1, 2, 9, 10.
        {1, 12, 2, 56, kClear, kClear},
        {1, 12, 9, 78, kDerive, kClear},
        {1, 12, 10, 65, kUnsupported, kUnsupported},
        {1, 12, 3, 78, kUnsupported, kUnsupported},
        // (1,13) stepping 1.
        {1, 13, 1, 56, kClear, kClear},
        {1, 13, 1, 68, kDerive, kClear},
        {1, 13, 1, 71, kUnsupported, kUnsupported},
        {1, 13, 2, 68, kUnsupported, kUnsupported},
        // Models 6, 7, 12, 13 of another extended model, and any other model.
        {0, 7, 1, 65, kUnsupported, kUnsupported},
        {2, 13, 1, 68, kUnsupported, kUnsupported},
        {1, 14, 1, 65, kUnsupported, kUnsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.extendedModel << "," << c.model << ") stepping "
                                          << c.stepping << " product " << c.productCode);
        const auto table = gen7::FrequencyDecisionTable();
        EXPECT_EQ(DecideFrequencyOutcome(table, c.extendedModel, c.model, c.stepping, c.productCode, 1),
                  c.production);
        EXPECT_EQ(DecideFrequencyOutcome(table, c.extendedModel, c.model, c.stepping, c.productCode, 0),
                  c.other);
    }
}

RegisterFieldNode ReadNode(std::int32_t id, std::uint64_t value, std::int32_t read = 1) {
    RegisterFieldNode node{};
    node.fieldId = id;
    node.value = value;
    node.readFlag = read;
    return node;
}

TEST(Cpumod7Dispatch, ProductionFlagBySignatureAndTheHalfRatioSlot) {
    const DispatchRules rules{
        .tdpRule = {}, .overrides = gen7::DispatchOverrides(), .productionValue = &gen7::ProductionValue};
    struct Case {
        const char* what;
        std::int32_t extendedModel, model, stepping, cores;
        std::uint64_t production;
        std::int32_t flag;
    };
    const Case cases[] = {
        {"an ordinary processor reading 1 is a production part", 0, 15, 6, 2, 1, 1},
        {"an ordinary processor reading 0 is not", 0, 15, 6, 2, 0, 0},
        {"(1,12) with one core reads it inverted", 1, 12, 2, 1, 0, 1},
        {"(1,12) stepping 9 reads it inverted", 1, 12, 9, 2, 1, 0},
        {"(1,12) stepping 2 with two cores reads it as usual", 1, 12, 2, 2, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProcessorSnapshot s;
        s.family = 6;
        s.extendedModel = c.extendedModel;
        s.model = c.model;
        s.stepping = c.stepping;
        s.packageCores = c.cores;
        EXPECT_TRUE(DispatchRegisterField(ReadNode(7, c.production), s, rules));
        EXPECT_EQ(s.preproductionFlag, c.flag);
    }

    ProcessorSnapshot s;
    EXPECT_TRUE(DispatchRegisterField(ReadNode(22, 0), s, rules));
    EXPECT_TRUE(DispatchRegisterField(ReadNode(26, 1), s, rules));
    EXPECT_EQ(s.fields.Value(field::kHalfRatio), 1) << "N2EnabledSedge overwrites N2Enabled";
    EXPECT_EQ(s.fields.Value(26), 0);
    EXPECT_TRUE(DispatchRegisterField(ReadNode(25, 0xB), s, rules));
    EXPECT_EQ(s.fields.Value(25), 0xB);
    EXPECT_FALSE(DispatchRegisterField(ReadNode(26, 0, 0), s, rules)) << "an unread field fails the pass";
    EXPECT_TRUE(DispatchRegisterField(ReadNode(20, 0), s, rules));
    EXPECT_TRUE(DispatchRegisterField(ReadNode(24, 1), s, rules));
    EXPECT_EQ(s.fields.Value(field::kMultiCoreEnabled), 1);
    EXPECT_EQ(s.fields.Value(field::kMultiCoreSet), 0);
}

TEST(Cpumod7RegisterList, TheThermalAndScalingFieldsOnlyWithTheirCpuidBits) {
    struct Case {
        FieldConditionFlags flags;
        std::size_t nodes;
    };
    const Case cases[] = {
        {{.virtualization = true, .secondThermalMonitor = true, .frequencyScaling = true}, 20},
        {{.virtualization = false, .secondThermalMonitor = false, .frequencyScaling = true}, 18},
        {{.virtualization = false, .secondThermalMonitor = true, .frequencyScaling = false}, 19},
        {{.virtualization = true, .secondThermalMonitor = false, .frequencyScaling = false}, 17},
    };
    for (const Case& c : cases) {
        RegisterFieldListStorage list(std::pmr::new_delete_resource());
        ASSERT_EQ(list.Build(gen7::RegisterFieldTable(), c.flags), 0);
        EXPECT_EQ(list.NodeCount(), c.nodes);
        // "PCardID" first, "N2EnabledSedge" last, whatever the conditions.
        const RegisterFieldNode* node = list.Header()->first;
        EXPECT_EQ(node->fieldId, 2);
        while (node->next != nullptr) {
            node = node->next;
        }
        EXPECT_EQ(node->fieldId, 26);
    }
}

TEST(FrontSideBusCounts, PackageCoresAndTheCountsTakenFromCpuid) {
    ProcessorSnapshot s;
    s.family = 6;
    s.extendedModel = 1;
    s.model = 7;
    s.stepping = 6;
    s.cacheLeafCores = 4;
    s.packageThreads = 8;
    s.maxStandardLeaf = 0xD;
    EXPECT_EQ(CacheLeafPackageCores(s), 4);
    s.stepping = 13;  // model 7 past stepping 12 reads leaf 0Bh
    EXPECT_EQ(CacheLeafPackageCores(s), 8);
    s.model = 12;
    s.stepping = 2;
    EXPECT_EQ(CacheLeafPackageCores(s), 8);
    s.maxStandardLeaf = 0xA;
    EXPECT_EQ(CacheLeafPackageCores(s), 4);

    s.packageCores = 2;
    s.leaf1LogicalCount = 2;
    s.multiThreadingCapable = 1;
    TakeCountsFromCpuid(s);
    EXPECT_EQ(s.fields.Value(field_id::kCoreCount), 2);
    EXPECT_EQ(s.fields.Value(field_id::kThreadCount), 2);
    s.packageCores = 1;
    TakeCountsFromCpuid(s);
    EXPECT_EQ(s.fields.Value(field_id::kThreadCount), 2) << "one core with two threads";
    s.multiThreadingCapable = 0;
    s.leaf1LogicalCount = 0;
    TakeCountsFromCpuid(s);
    EXPECT_EQ(s.fields.Value(field_id::kThreadCount), 1);
}

}  // namespace
}  // namespace sondrel::module
