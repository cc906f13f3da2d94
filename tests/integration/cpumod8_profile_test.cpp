// Cpumod8.so on variants of its bundled profiles: the decision table, the
// brand rules and the Extreme Edition rename, the mobile rule, the bus
// rule, the interconnect and memory-controller values and the PCI details.
#include <gtest/gtest.h>

#include <string>

#include "generation_run.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

constexpr const char* kLibrary = "Cpumod8.so";
// (1,10) stepping 5, a pre-production sample with a programmable ratio;
// and (2,5) stepping 5, a production part.
constexpr const char* kDesktopSample = "cpumod8/desktop_vantor_i7_1a.json";
constexpr const char* kMobile = "cpumod8/mobile_vantor_i5_25.json";

constexpr int kProductionBit = 27;  // MSR 0xCE
constexpr int kProgrammableRatioBit = 28;
constexpr int kProgrammableTurboBit = 29;
constexpr std::int32_t kMobileItem = 4;
constexpr std::int32_t kTwinstrandItem = 11;

constexpr float kRatedBusMHz = 133.3334f;

constexpr const char* kNotHandledName = "Quarn(R) Processor (model not known to this module)";
constexpr const char* kGenericName = "Quarn(R) Processor";
constexpr const char* kSampleName = "Genuine Quarn(R) Processor (pre-release sample)";

// The sample with another signature and brand string; its programmable
// ratio is switched off, so no name is renamed unless a case asks.
nlohmann::json Variant(std::uint32_t leaf1, const std::string& brand, bool production) {
    nlohmann::json profile = BundledProfile(kDesktopSample);
    SetSignature(profile, leaf1);
    SetBrand(profile, brand);
    SetMsrBit(profile, "0xCE", kProductionBit, production);
    SetMsrBit(profile, "0xCE", kProgrammableRatioBit, false);
    return profile;
}

struct DecisionCase {
    const char* label;
    std::uint32_t leaf1;
    const char* brand;
    bool production;
    std::int32_t productCode;
    float expectedCpuMHz;
    const char* name;  // nullptr: the brand string itself
};

class Cpumod8Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Cpumod8Decision, DerivesClearsOrRefuses) {
    const DecisionCase& c = GetParam();
    const Observed seen = Observe(kLibrary, Variant(c.leaf1, c.brand, c.production));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.productCode, c.productCode);
    EXPECT_FLOAT_EQ(seen.expectedCpuMHz, c.expectedCpuMHz);
    EXPECT_EQ(seen.expectedBusMHz, c.expectedCpuMHz > 0 ? kRatedBusMHz : 0.0f);
    EXPECT_EQ(seen.name, c.name != nullptr ? c.name : c.brand);
}

constexpr const char* kI7 = "Quarn(R) Vantor(TM) i7 CPU 940 @ 2.93GHz";
constexpr const char* kBastra = "Quarn(R) Bastra(R) CPU X7560 @ 2.27GHz";

INSTANTIATE_TEST_SUITE_P(
    Rows, Cpumod8Decision,
    ::testing::Values(
        // (1,10) stepping 4 and 5: 79 to 81 derive/clear both ways, 56 clear; 85 and stepping 3 are not
        // listed.
        DecisionCase{"FirstDerive", Leaf1(1, 10, 4), kI7, false, 80, 2933.333f, nullptr},
        DecisionCase{"FirstClear", Leaf1(1, 10, 5), kI7, true, 80, 0.0f, "Quarn(R) Vantor(TM) i7 Processor"},
        DecisionCase{"FirstSample", Leaf1(1, 10, 5), "Genuine Quarn(R) CPU @ 2.93GHz", false, 56, 0.0f,
                     kSampleName},
        DecisionCase{"FirstI5", Leaf1(1, 10, 5), "Quarn(R) Vantor(TM) i5 CPU 750 @ 2.67GHz", false, 4, 0.0f,
                     kNotHandledName},
        DecisionCase{"FirstSteppingThree", Leaf1(1, 10, 3), kI7, false, 4, 0.0f, kNotHandledName},
        // (1,14) stepping 2 to 5 and (2,5), (2,12): the client codes.
        DecisionCase{"DesktopCorvid", Leaf1(1, 14, 2), "Quarn(R) Corvid(R) CPU G6950 @ 2.80GHz", false, 91,
                     2800.0f, nullptr},
        DecisionCase{"MobileI3", Leaf1(2, 5, 2), "Quarn(R) Vantor(TM) i3 CPU 550 @ 3.20GHz", false, 86,
                     3200.0f, nullptr},
        DecisionCase{"DesktopClear", Leaf1(1, 14, 5), "Quarn(R) Dunlin(R) CPU G1101 @ 2.27GHz", true, 92,
                     0.0f, "Quarn(R) Dunlin(R) Processor"},
        DecisionCase{"MobileSampleClears", Leaf1(2, 5, 5), "Genuine Quarn(R) CPU @ 2.53GHz", false, 56, 0.0f,
                     kSampleName},
        DecisionCase{"SixCoreClear", Leaf1(2, 12, 2), "Quarn(R) Vantor(TM) i7 CPU 970 @ 3.20GHz", true, 80,
                     0.0f, "Quarn(R) Vantor(TM) i7 Processor"},
        DecisionCase{"SixCoreSteppingThree", Leaf1(2, 12, 3), kI7, false, 4, 0.0f, kNotHandledName},
        // (2,14) steppings 2, 5, 6 and (2,15) 0 to 2: the server Bastra (84) only.
        DecisionCase{"ServerDerive", Leaf1(2, 14, 6), kBastra, false, 84, 2277.777f, nullptr},
        DecisionCase{"ServerSteppingThree", Leaf1(2, 14, 3), kBastra, false, 4, 0.0f, kNotHandledName},
        DecisionCase{"ServerSampleClears", Leaf1(2, 14, 2), "Genuine Quarn(R) CPU @ 2.27GHz", false, 56, 0.0f,
                     kSampleName},
        DecisionCase{"LaterServerClear", Leaf1(2, 15, 2), kBastra, true, 84, 0.0f,
                     "Quarn(R) Bastra(R) Processor"},
        DecisionCase{"LaterServerI7", Leaf1(2, 15, 2), kI7, false, 4, 0.0f, kNotHandledName},
        // (2,10) is known but not classified.
        DecisionCase{"UnclassifiedModel", Leaf1(2, 10, 2), kI7, false, 0, 0.0f, kGenericName}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(Cpumod8Brand, EveryRuleGivesItsProductCode) {
    struct Case {
        const char* brand;
        std::uint32_t leaf1;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {"Quarn(R) Corvid(R) CPU G6950 @ 2.80GHz", Leaf1(1, 14, 5), 91},
        {"Quarn(R) Dunlin(R) CPU G1101 @ 2.27GHz", Leaf1(1, 14, 5), 92},
        {"Quarn(R) Vantor(TM) i3 CPU 540 @ 3.07GHz", Leaf1(1, 14, 5), 86},
        {"Quarn(R) Vantor(TM) i5 CPU 750 @ 2.67GHz", Leaf1(1, 14, 5), 85},
        {"Quarn(R) Vantor(TM) i7 CPU 870 @ 2.93GHz", Leaf1(1, 14, 5), 80},
        {"Quarn(R) Vantor(TM) i7 Extreme Edition CPU @ 3.20GHz", Leaf1(1, 14, 5), 81},
        // A Bastra is the many-socket line (84) only on (2,14) and (2,15).
        {kBastra, Leaf1(2, 15, 2), 84},
        {"Quarn(R) Bastra(R) CPU X3470 @ 2.93GHz", Leaf1(1, 14, 5), 79},
        {"Quarn(R) Vantor(TM) CPU @ 2.93GHz", Leaf1(1, 14, 5), 56},
        {"Genuine Quarn(R) CPU @ 2.93GHz", Leaf1(1, 14, 5), 56},
        // "i7" without " CPU " is no rule of this generation.
        {"Quarn(R) Vantor(TM) i7-870 @ 2.93GHz", Leaf1(1, 14, 5), 4},
    };
    for (const Case& c : cases) {
        const Observed seen = Observe(kLibrary, Variant(c.leaf1, c.brand, false));
        ASSERT_EQ(seen.initialize, result::kSuccess) << c.brand;
        EXPECT_EQ(seen.productCode, c.productCode) << c.brand;
    }
}

TEST(Cpumod8Brand, ExtremeEditionRename) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        bool programmableRatio;
        bool programmableTurbo;
        std::int32_t productCode;
        const char* name;
    };
    const Case cases[] = {
        // Either programmable field will do; the number follows "i7" after a space.
        {Leaf1(1, 10, 5), "Quarn(R) Vantor(TM) i7 CPU 975 @ 3.33GHz", true, false, 81,
         "Quarn(R) Vantor(TM) i7 975 Extreme Edition CPU @ 3.33GHz"},
        {Leaf1(1, 10, 5), "Quarn(R) Vantor(TM) i7 CPU 965 @ 3.20GHz", false, true, 81,
         "Quarn(R) Vantor(TM) i7 965 Extreme Edition CPU @ 3.20GHz"},
        // "X" is kept as the suffix.
        {Leaf1(2, 12, 2), "Quarn(R) Vantor(TM) i7 CPU X 980 @ 3.33GHz", true, true, 81,
         "Quarn(R) Vantor(TM) i7 980X Extreme Edition CPU @ 3.33GHz"},
        {Leaf1(1, 10, 5), "Quarn(R) Vantor(TM) i7 CPU 975 @ 3.33GHz", false, false, 80,
         "Quarn(R) Vantor(TM) i7 CPU 975 @ 3.33GHz"},
        // Outside 900 to 999, with "K", and on a mobile part.
        {Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU 880 @ 3.07GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7 CPU 880 @ 3.07GHz"},
        {Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU K 975 @ 3.33GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7 CPU K 975 @ 3.33GHz"},
        {Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU X 940 @ 2.13GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7 CPU X 940 @ 2.13GHz"},
    };
    for (const Case& c : cases) {
        nlohmann::json profile = Variant(c.leaf1, c.brand, false);
        SetMsrBit(profile, "0xCE", kProgrammableRatioBit, c.programmableRatio);
        SetMsrBit(profile, "0xCE", kProgrammableTurboBit, c.programmableTurbo);
        const Observed seen = Observe(kLibrary, profile);
        ASSERT_EQ(seen.initialize, result::kSuccess) << c.brand;
        EXPECT_EQ(seen.productCode, c.productCode) << c.brand;
        EXPECT_EQ(seen.name, c.name);
    }
}

struct MobileCase {
    std::uint32_t leaf1;
    const char* brand;
    std::int32_t mobile;
};

class Cpumod8Mobile : public ::testing::TestWithParam<MobileCase> {};

TEST_P(Cpumod8Mobile, FollowsTheSuffixLetter) {
    const MobileCase& c = GetParam();
    const Observed seen = Observe(kLibrary, Variant(c.leaf1, c.brand, false));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.items[kMobileItem], c.mobile) << c.brand;
}

INSTANTIATE_TEST_SUITE_P(Names, Cpumod8Mobile,
                         ::testing::Values(
                             // Extended model 1: Q with 701 to 899, X with 901 to 999.
                             MobileCase{Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU Q 720 @ 1.60GHz", 1},
                             MobileCase{Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU Q 940 @ 2.13GHz", 0},
                             MobileCase{Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU X 940 @ 2.13GHz", 1},
                             MobileCase{Leaf1(1, 14, 5), "Quarn(R) Vantor(TM) i7 CPU 870 @ 2.93GHz", 0},
                             // Extended model 2: L, M or U below 1000; U or P on a Corvid 5001 to
                             // 6999 or a Dunlin 3001 to 3999.
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Vantor(TM) i5 CPU M 520 @ 2.40GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Vantor(TM) i7 CPU L 640 @ 2.13GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Vantor(TM) i7 CPU U 660 @ 1.33GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Vantor(TM) i3 CPU 530 @ 2.93GHz", 0},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Corvid(R) CPU P6100 @ 2.00GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Corvid(R) CPU U5400 @ 1.20GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Corvid(R) CPU U3400 @ 1.07GHz", 0},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Dunlin(R) CPU U3400 @ 1.07GHz", 1},
                             MobileCase{Leaf1(2, 5, 5), "Quarn(R) Dunlin(R) CPU P4500 @ 1.87GHz", 0}));

TEST(Cpumod8Bus, RatioOrTheGenerationsNominalBus) {
    // The sample: "ActualPState" 25 (turbo switched off), 3333.333 / 25
    // snapped onto the rated 133.3334.
    Observed seen = Observe(kLibrary, BundledProfile(kDesktopSample));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.reportedBusMHz, kRatedBusMHz);

    // A ratio frequency of 0 ("ActualPState" 0, the ratio not in control) gives 133.33.
    nlohmann::json noRatio = BundledProfile(kMobile);
    SetMsr(noRatio, "0x198", 0);
    seen = Observe(kLibrary, noRatio);
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.reportedBusMHz, 133.33f);
    EXPECT_EQ(seen.reportedInterconnectMHz, 2.0f * 18.0f * 133.33f);
}

TEST(Cpumod8Pci, InterconnectAndMemoryControllerFromTheTwoRatioReads) {
    // (1,10): interconnect ratio 18 (2:1.0 offset 50h), memory ratio 8 (3:4.0 offset 54h); derived.
    Observed seen = Observe(kLibrary, BundledProfile(kDesktopSample));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.expectedInterconnectMHz, 2.0f * 18.0f * kRatedBusMHz);
    EXPECT_EQ(seen.expectedMemoryMHz, 8.0f * kRatedBusMHz);
    EXPECT_EQ(seen.reportedInterconnectMHz, 2.0f * 18.0f * kRatedBusMHz);
    EXPECT_EQ(seen.reportedMemoryMHz, kRatedBusMHz * 8.0f);

    // (2,5) reads only the interconnect ratio; cleared, so nothing expected.
    seen = Observe(kLibrary, BundledProfile(kMobile));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    const float bus = 2533.7f / 19.0f;
    EXPECT_EQ(seen.reportedBusMHz, bus);
    EXPECT_EQ(seen.reportedInterconnectMHz, 2.0f * 18.0f * bus);
    EXPECT_EQ(seen.reportedMemoryMHz, 0.0f);
    EXPECT_EQ((std::array{seen.expectedInterconnectMHz, seen.expectedMemoryMHz}), (std::array{0.0f, 0.0f}));

    // Only bits 6:0 and 4:0 are ratios.
    nlohmann::json wide = BundledProfile(kDesktopSample);
    SetPciRegister(wide, 2, 1, "0x50", 0xFFFFFF92u);
    SetPciRegister(wide, 3, 4, "0x54", 0xFFFFFFE6u);
    seen = Observe(kLibrary, wide);
    EXPECT_EQ(seen.expectedInterconnectMHz, 2.0f * 18.0f * kRatedBusMHz);
    EXPECT_EQ(seen.expectedMemoryMHz, 6.0f * kRatedBusMHz);

    // (2,14) reads neither: its values stay 0.
    seen = Observe(kLibrary, Variant(Leaf1(2, 14, 6), kBastra, false));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(
        (std::array{seen.expectedInterconnectMHz, seen.reportedInterconnectMHz, seen.reportedMemoryMHz}),
        (std::array{0.0f, 0.0f, 0.0f}));

    // A failing ratio read fails Initialize with its code.
    nlohmann::json failing = BundledProfile(kDesktopSample);
    failing["faults"]["pci"] = {{{"device", 3}, {"function", 4}, {"offset", "0x54"}, {"code", "0x80041F77"}}};
    EXPECT_EQ(Observe(kLibrary, failing).initialize, detail::Code(0x80041F77u));
}

TEST(Cpumod8Pci, DisabledCoresGraphicsAndInterfaces) {
    // "CoreCount" 1 of 2: 85 counts the PCI-derived active cores, 56 "CoreCount".
    nlohmann::json oneCore = BundledProfile(kMobile);
    SetMsr(oneCore, "0x35", 0x10004);
    EXPECT_EQ(Observe(kLibrary, oneCore).disabledCores, 0);
    SetBrand(oneCore, "Genuine Quarn(R) CPU @ 2.53GHz");
    EXPECT_EQ(Observe(kLibrary, oneCore).disabledCores, 1);

    const Observed mobile = Observe(kLibrary, BundledProfile(kMobile));
    EXPECT_EQ(mobile.graphicsCode, 3);
    EXPECT_EQ(mobile.tdpLookup, result::kInterfaceNotImplemented);
    EXPECT_EQ(Observe(kLibrary, BundledProfile(kDesktopSample)).graphicsCode, -3);
}

TEST(Cpumod8Information, TwinstrandItemPackagesAndLogos) {
    const Observed sample = Observe(kLibrary, BundledProfile(kDesktopSample));
    ASSERT_EQ(sample.initialize, result::kSuccess);
    EXPECT_EQ(sample.items[kTwinstrandItem], 1);
    EXPECT_EQ((std::array{sample.items[6], sample.items[7], sample.items[9], sample.items[10]}),
              (std::array{1, 0, 1, 1}));
    EXPECT_EQ(sample.packageName, "QLG-1340 high-end desktop land grid array");
    EXPECT_NE(sample.logoText.find("(logo 111)"), std::string::npos);

    // As many threads as cores: no Twinstrand.
    nlohmann::json noThreads = BundledProfile(kDesktopSample);
    SetMsr(noThreads, "0x35", 0x40004);
    EXPECT_EQ(Observe(kLibrary, noThreads).items[kTwinstrandItem], 0);

    const Observed mobile = Observe(kLibrary, BundledProfile(kMobile));
    EXPECT_EQ(mobile.packageCode, 23);
    EXPECT_EQ(mobile.packageName, "QPG-940 mobile pin grid array");
    EXPECT_NE(mobile.logoText.find("(logo 112)"), std::string::npos);

    const Observed server = Observe(kLibrary, Variant(Leaf1(2, 15, 2), kBastra, true));
    EXPECT_EQ(server.packageCode, 33);
    EXPECT_EQ((std::array{server.items[6], server.items[7]}), (std::array{0, 1}));
    EXPECT_NE(server.logoText.find("(logo 109)"), std::string::npos);
}

}  // namespace
