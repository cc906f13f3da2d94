// The pure frequency rules: snap, brand-string frequency and ratio frequency.
#include <gtest/gtest.h>

#include "sondrel/module/field_ids.h"
#include "sondrel/module/frequency.h"

namespace sondrel::module {
namespace {

namespace id = field_id;

TEST(Snap, ReportsTheReferenceWithinOnePercentBoundsIncluded) {
    struct Case {
        float value;
        float reference;
        float expected;
    };
    const Case cases[] = {
        {3395.0f, 3400.0f, 3400.0f}, {3365.0f, 3400.0f, 3365.0f},  // 3366 is the lower bound
        {3366.0f, 3400.0f, 3400.0f}, {3434.0f, 3400.0f, 3400.0f}, {3434.5f, 3400.0f, 3434.5f},
        {99.8f, 100.0f, 100.0f},     {0.0f, 0.0f, 0.0f},          {5.0f, -5.0f, 5.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Snap(c.value, c.reference), c.expected) << c.value << " against " << c.reference;
    }
}

TEST(BrandStringFrequency, ReadsGigahertzAndMegahertzInAnyLetterCase) {
    struct Case {
        const char* brand;
        float expected;
    };
    const Case cases[] = {
        {"Quarn(R) Vantor(TM) i7-6789K CPU @ 3.40GHz", 3400.0f},
        {"Quarn(R) Vantor(TM) i5-6500 CPU @ 2.66GHz", 2666.666f},
        {"Quarn(R) Vantor(TM) i5-6500 CPU @ 3.33GHz", 3333.333f},
        {"Quarn(R) Vantor(TM) i3 CPU @ 3.5GHz", 3500.0f},
        {"Quarn(R) Processor 1500MHz", 1500.0f},
        // 1875 + 0.5 + 0.05 + 0.005, each term in single precision.
        {"Quarn(R) Corvid(R) CPU @ 1.875GHz", 1875.555f},
        {"Quarn(R) Vantor(TM) i7 CPU @ 4.00GHZ", 4000.0f},
        {"Quarn(R) Vantor(TM) i7 CPU @ 4.00ghz", 4000.0f},
        {"Quarn(R) Vantor(TM) i7 CPU @ 4.00gHz", 4000.0f},
        {"Quarn(R) Dunlin(R) 1600mhz", 1600.0f},
        // A unit found anywhere counts: the digits nearest before it.
        {"Quarn(R) 3 GHz", 3000.0f},
        {"Quarn(R) @ .5GHz", 500.0f},
        // Gigahertz first, megahertz only without it.
        {"Quarn(R) 800MHz 1.2GHz", 1200.0f},
        {"Quarn(R) Vantor(TM) i7-6789K CPU", 0.0f},
        {"Quarn(R) GHz first 3.40", 0.0f},
        {"", 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BrandStringFrequency(c.brand), c.expected) << c.brand;
    }
}

TEST(BrandStringFrequency, KeepsTheExactSingleAndDoublePrecisionSteps) {
    // The terms are rounded to float before the double sum: 2666.666 exactly
    // as that arithmetic gives it, not 2666 + 2/3.
    const double sum =
        2666.0 + static_cast<double>(0.6f) + static_cast<double>(0.06f) + static_cast<double>(0.006f);
    EXPECT_EQ(BrandStringFrequency("@ 2.66GHz"), static_cast<float>(sum));
    EXPECT_NE(BrandStringFrequency("@ 2.66GHz"), static_cast<float>(2666.0 + 2.0 / 3.0));
}

TEST(BrandStringFrequency, AbsurdDigitRunsDoNotOverflowIntoAFrequency) {
    // 32-bit wrap-around leaves these non-positive: no frequency.
    EXPECT_EQ(BrandStringFrequency("@ 2147484GHz"), 0.0f);
    EXPECT_GE(BrandStringFrequency("@ 99999999999999999999999999999MHz"), 0.0f);
}

RegisterFieldSlots RatioInControl(float maxFsbRatio, std::int32_t coreCount = 4) {
    RegisterFieldSlots fields;
    fields.values[id::kEQRTEnabled] = 1;
    fields.values[id::kActualPState] = 36;
    fields.ratios[id::kMinRatio] = 8.0f;
    fields.ratios[id::kMaxFSBRatio] = maxFsbRatio;
    fields.ratios[id::kFlexRatio] = 30.0f;
    fields.values[id::kCoreCount] = coreCount;
    return fields;
}

TEST(RatioFrequency, RoundsTheRatioTimesTheBusToAHalf) {
    struct Case {
        float busMHz;
        float expected;
    };
    // Ratio 34: 3393.2 (h 20), 3396.6 (h 60), 3399.66 (h 65).
    for (const Case& c : {Case{99.8f, 3393.0f}, Case{99.9f, 3396.5f}, Case{99.99f, 3399.5f}}) {
        EXPECT_EQ(RatioFrequency(RatioInControl(34.0f), c.busMHz), c.expected) << c.busMHz;
    }
    // Ratio 1: the bounds of the half.
    for (const Case& c :
         {Case{100.24f, 100.0f}, Case{100.25f, 100.5f}, Case{100.74f, 100.5f}, Case{100.75f, 101.0f}}) {
        EXPECT_EQ(RatioFrequency(RatioInControl(1.0f), c.busMHz), c.expected) << c.busMHz;
    }
    EXPECT_EQ(RatioFrequency(RatioInControl(34.0f), 0.0f), 34.0f);
    // One core enabled: the flexible ratio.
    EXPECT_EQ(RatioFrequency(RatioInControl(34.0f, 1), 100.0f), 3000.0f);
}

TEST(RatioFrequency, FallsBackToTheCurrentPStateWhenTheRatioIsNotInControl) {
    RegisterFieldSlots eqrtOff = RatioInControl(34.0f);
    eqrtOff.values[id::kEQRTEnabled] = 0;
    RegisterFieldSlots turboDisable = RatioInControl(34.0f);
    turboDisable.values[id::kTurboDisable] = 1;
    RegisterFieldSlots turboDisabled = RatioInControl(34.0f);
    turboDisabled.values[id::kTurboDisabled] = 1;
    RegisterFieldSlots atMinimum = RatioInControl(34.0f);
    atMinimum.ratios[id::kMinRatio] = 36.9f;  // truncated to 36: not above
    for (const RegisterFieldSlots& fields : {eqrtOff, turboDisable, turboDisabled, atMinimum}) {
        EXPECT_EQ(RatioFrequency(fields, 100.0f), 36.0f);
    }
    // The state is read as unsigned.
    eqrtOff.values[id::kActualPState] = -1;
    EXPECT_EQ(RatioFrequency(eqrtOff, 100.0f), 4294967296.0f);
}

}  // namespace
}  // namespace sondrel::module
