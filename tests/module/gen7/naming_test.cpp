// Cpumod7's brand rules, the " Duo" insertion, the demotions by register
// flags, the name rewrite and the information-item word.
#include <gtest/gtest.h>

#include <string>

#include "sondrel/gen7/naming.h"
#include "sondrel/gen7/p7_brook_module.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/text.h"

namespace sondrel::gen7 {
namespace {

using module::ProcessorSnapshot;

ProcessorSnapshot Named(const char* name, std::int32_t extendedModel = 0, std::int32_t model = 15,
                        std::int32_t cores = 2) {
    ProcessorSnapshot s;
    s.family = 6;
    s.extendedModel = extendedModel;
    s.model = model;
    s.cacheLeafCores = cores;
    module::CopyBounded(s.processorName, sizeof s.processorName, name);
    return s;
}

TEST(Cpumod7Brand, DuoIsInsertedAfterTheTwoOfTwoCpu) {
    ProcessorSnapshot s = Named("Quarn(R) Vantor(TM)2 CPU 6600 @ 2.40GHz");
    InsertDuo(s.processorName);
    EXPECT_STREQ(s.processorName, "Quarn(R) Vantor(TM)2 Duo CPU 6600 @ 2.40GHz");
    InsertDuo(s.processorName);
    EXPECT_STREQ(s.processorName, "Quarn(R) Vantor(TM)2 Duo CPU 6600 @ 2.40GHz") << "Duo is there already";
    char unchanged[61] = "Quarn(R) Vantor(TM)2 Quad CPU Q6600 @ 2.40GHz";
    InsertDuo(unchanged);
    EXPECT_STREQ(unchanged, "Quarn(R) Vantor(TM)2 Quad CPU Q6600 @ 2.40GHz");
    // A name at the buffer's limit keeps at most 60 characters.
    char full[61] = "Quarn(R) Vantor(TM)2 CPU T7600 @ 2.33GHz with a long tail xx";
    InsertDuo(full);
    EXPECT_EQ(std::string(full), "Quarn(R) Vantor(TM)2 Duo CPU T7600 @ 2.33GHz with a long tai");
}

// Each brand rule once, in table order, with the product code it maps to.
TEST(Cpumod7Brand, EveryRuleOnce) {
    struct Case {
        ProcessorSnapshot snapshot;
        std::int32_t brandClass;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {Named("Quarn(R) Vantor(TM)2 Duo CPU L7500 @ 1.60GHz"), 13, 67},
        {Named("Quarn(R) Vantor(TM)2 Duo CPU P8600 @ 2.40GHz"), 13, 67},
        {Named("Quarn(R) Vantor(TM)2 CPU T7200 @ 2.00GHz"), 13, 67},
        {Named("Quarn(R) Vantor(TM)2 Duo CPU U7600 @ 1.20GHz"), 13, 67},
        {Named("Quarn(R) Corvid(R) Dual-Core CPU E5200 @ 2.50GHz"), 17, 72},
        {Named("Quarn(R) Corvid(R) Dual CPU T2390 @ 1.86GHz"), 17, 72},
        {Named("Quarn(R) Corvid(R) Dual CPU E2180 @ 2.00GHz"), 17, 72},
        {Named("Quarn(R) Corvid(R) Dual E2160 @ 1.80GHz"), 17, 72},
        {Named("Corvid(R) Dual-Core CPU E5300 @ 2.60GHz"), 17, 72},
        {Named("Quarn(R) Dunlin(R) Dual-Core CPU E1400 @ 2.00GHz"), 22, 77},
        {Named("Dunlin(R) Dual-Core CPU T3000 @ 1.80GHz"), 24, 83},
        {Named("Quarn(R) Dunlin(R) CPU E1200 @ 1.60GHz", 1, 7, 2), 24, 83},
        {Named("Quarn(R) Dunlin(R) CPU 440 @ 2.00GHz", 0, 15, 2), 18, 73},
        {Named("Quarn(R) Dunlin(R) CPU 220 @ 1.20GHz", 1, 6, 1), 18, 73},
        {Named("Quarn(R) Dunlin(R) M CPU 575 @ 2.00GHz", 1, 7, 1), 24, 83},
        {Named("Quarn(R) Dunlin(R) M CPU 520 @ 1.60GHz", 0, 15, 1), 19, 75},
        {Named("Quarn(R) Vantor(TM)2 Duo CPU X7900 @ 2.80GHz"), 12, 66},
        {Named("Quarn(R) Vantor(TM)2 Quad CPU X9100 @ 3.06GHz", 1, 7, 4), 16, 70},
        {Named("Quarn(R) Vantor(TM)2 Extreme CPU Q6850 @ 3.00GHz", 0, 15, 4), 16, 70},
        {Named("Quarn(R) Vantor(TM)2 Extreme CPU X6800 @ 2.93GHz", 0, 15, 2), 12, 66},
        {Named("Quarn(R) Vantor(TM)2 Extreme CPU X9650 @ 3.00GHz", 1, 7, 4), 16, 70},
        {Named("Quarn(R) Vantor(TM)2 Solo CPU U2200 @ 1.20GHz", 0, 15, 1), 20, 76},
        {Named("Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz"), 11, 65},
        {Named("Quarn(R) Vantor(TM)2 Quad CPU Q6600 @ 2.40GHz", 0, 15, 4), 15, 71},
        {Named("Quarn(R) Bastra(R) CPU 5160 @ 3.00GHz", 0, 15, 2), 14, 68},
        {Named("Quarn(R) Corvid(R) CPU 430 @ 1.80GHz", 1, 6, 1), 25, 82},
        {Named("Corvid(R) CPU 420 @ 1.60GHz", 1, 6, 1), 25, 82},
        {Named("Dunlin(R) CPU 560 @ 2.13GHz", 1, 6, 1), 18, 73},
        {Named("Quarn(R) Ember(TM) CPU 330 @ 1.60GHz", 1, 12, 2), 23, 78},
        {Named("Genuine Quarn(R) CPU 2140 @ 1.60GHz"), 10, 56},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.snapshot.processorName);
        ClassifyBrand(c.snapshot);
        EXPECT_EQ(c.snapshot.brandClass, c.brandClass);
        EXPECT_EQ(c.snapshot.productCode, c.productCode);
    }
}

TEST(Cpumod7Brand, InvalidAndUnknownClassesAreNotHandled) {
    for (const char* name :
         {"Quarn(R) Dunlin(R) Processor 440 @ 2.00GHz", "Quarn(R) Vantor(TM) i7-920 CPU @ 2.67GHz", ""}) {
        SCOPED_TRACE(name);
        ProcessorSnapshot s = Named(name);
        s.expectedCpuMHz = 1000.0f;
        ClassifyBrand(s);
        EXPECT_EQ(s.brandClass, 0);
        EXPECT_EQ(s.productCode, module::kProductNotHandled);
        EXPECT_EQ(s.expectedCpuMHz, 0.0f);
    }
}

TEST(Cpumod7Brand, RegisterFlagsDemoteOrMove) {
    struct Case {
        const char* name;
        std::int32_t cores, mobile, extreme, multiCore;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {"Quarn(R) Vantor(TM)2 Quad CPU Q9650 @ 3.00GHz", 4, 0, 1, 1, 70},  // a Quad that reports Extreme
        {"Quarn(R) Vantor(TM)2 Quad CPU Q6600 @ 2.40GHz", 4, 0, 0, 1, 71},
        {"Quarn(R) Vantor(TM)2 Quad CPU Q6600 @ 2.40GHz", 4, 0, 0, 0, 4},  // cores disabled
        {"Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz", 2, 0, 0, 0, 4},   // cores disabled
        {"Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz", 2, 1, 0, 1, 4},   // on a mobile platform
        {"Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz", 2, 0, 0, 1, 65},
        {"Quarn(R) Vantor(TM)2 Duo CPU X7900 @ 2.80GHz", 2, 1, 0, 1, 4},  // Extreme name, not Extreme
        {"Quarn(R) Vantor(TM)2 Duo CPU X7900 @ 2.80GHz", 2, 1, 1, 1, 66},
        {"Quarn(R) Vantor(TM)2 Extreme CPU Q6850 @ 3.00GHz", 4, 0, 0, 1, 4},
        {"Quarn(R) Vantor(TM)2 Extreme CPU Q6850 @ 3.00GHz", 4, 0, 1, 1, 70},
        {"Quarn(R) Dunlin(R) M CPU 520 @ 1.60GHz", 1, 0, 0, 1, 4},  // mobile name, desktop platform
        {"Quarn(R) Dunlin(R) M CPU 520 @ 1.60GHz", 1, 1, 0, 1, 75},
        {"Quarn(R) Corvid(R) Dual-Core CPU E5200 @ 2.50GHz", 2, 1, 0, 0, 72},  // no rule for this class
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " mobile " << c.mobile << " extreme " << c.extreme
                                          << " multi-core " << c.multiCore);
        ProcessorSnapshot s = Named(c.name, 0, 15, c.cores);
        ClassifyBrand(s);
        s.mobileFlag = c.mobile;
        s.fields.values[module::fsb_field::kExtremeEdition] = c.extreme;
        s.fields.values[module::fsb_field::kMultiCoreEnabled] = c.multiCore;
        ApplyRegisterDemotions(s);
        EXPECT_EQ(s.productCode, c.productCode);
    }
}

TEST(Cpumod7Brand, DerivedNamesTakeTheMakersForm) {
    struct Case {
        const char* name;
        float expectedMHz;
        const char* rewritten;
    };
    const Case cases[] = {
        {"Quarn(R) Corvid(R) Dual CPU E2180 @ 2.00GHz", 2000.0f,
         "Quarn(R) Corvid(R) Dual-Core CPU E2180 @ 2.00GHz"},
        {"Quarn(R) Corvid(R) Dual E2160 @ 1.80GHz", 1800.0f,
         "Quarn(R) Corvid(R) Dual-Core CPU E2160 @ 1.80GHz"},
        {"Dunlin(R) Dual-Core CPU T3000 @ 1.80GHz", 1800.0f,
         "Quarn(R) Dunlin(R) Dual-Core CPU T3000 @ 1.80GHz"},
        {"Quarn(R) Vantor(TM)2 Quad CPU Q6700 @ 2.66GHz", 2666.666f,
         "Quarn(R) Vantor(TM)2 Quad CPU Q6700 @ 2.66GHz"},
        // The number is looked for after "CPU", not in the line's own "2".
        {"Quarn(R) Vantor(TM)2 Quad CPU Q2 @ 2.50GHz", 2500.0f, "Quarn(R) Vantor(TM)2 Quad CPU Q2 @ 2.50GHz"},
        // Not a rewritten line, or no model number to rewrite with: kept.
        {"Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz", 2400.0f,
         "Quarn(R) Vantor(TM)2 Duo CPU E6600 @ 2.40GHz"},
        {"Quarn(R) Corvid(R) Dual-Core CPU @ 2.50GHz", 2500.0f, "Quarn(R) Corvid(R) Dual-Core CPU @ 2.50GHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProcessorSnapshot s = Named(c.name, 0, 15, 4);
        ClassifyBrand(s);
        s.expectedCpuMHz = c.expectedMHz;
        RewriteName(s);
        EXPECT_STREQ(s.processorName, c.rewritten);
    }
}

TEST(Cpumod7Items, NotHandledKeepsItems1_4_5_14AndOthersAlwaysSet11And15) {
    constexpr std::int32_t kEvery = 0x3FFFF;
    EXPECT_EQ(AdjustInfoItemWord(kEvery, 4), 0b10000000011001);
    EXPECT_EQ(AdjustInfoItemWord(0b1, 65), 0b100010000000001);
    EXPECT_EQ(AdjustInfoItemWord(0, 0), 0);
}

}  // namespace
}  // namespace sondrel::gen7
