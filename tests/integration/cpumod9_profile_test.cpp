// Cpumod9.so on variants of its bundled profiles: the decision table, the
// brand rules and renames, the mobile rule, the bus rule and the PCI
// details, through ProfileData.so and the real Cpumod9Glossa.so.
#include <gtest/gtest.h>

#include <string>

#include "generation_run.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

constexpr const char* kLibrary = "Cpumod9.so";
// (2,10) stepping 7, production, turbo disabled; and (3,10) stepping 9, a
// pre-production sample whose expected values are derived.
constexpr const char* kDesktop = "cpumod9/desktop_vantor_i7_2a.json";
constexpr const char* kMobileSample = "cpumod9/mobile_vantor_i7_3a.json";

constexpr int kProductionBit = 27;  // MSR 0xCE
constexpr int kProgrammableRatioBit = 28;
constexpr int kProgrammableTurboBit = 29;
constexpr std::int32_t kMobileItem = 4;

// Names loaded from Cpumod9Glossa.so.
constexpr const char* kNotHandledName = "Quarn(R) Processor (model not known to this module)";
constexpr const char* kGenericName = "Quarn(R) Processor";
constexpr const char* kSampleName = "Genuine Quarn(R) Processor (pre-release sample)";
constexpr const char* kVantorI7Name = "Quarn(R) Vantor(TM) i7 Processor";

nlohmann::json Variant(const char* base, std::uint32_t leaf1, const std::string& brand, bool production) {
    nlohmann::json profile = BundledProfile(base);
    SetSignature(profile, leaf1);
    SetBrand(profile, brand);
    SetMsrBit(profile, "0xCE", kProductionBit, production);
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

class Cpumod9Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Cpumod9Decision, DerivesClearsOrRefuses) {
    const DecisionCase& c = GetParam();
    const Observed seen = Observe(kLibrary, Variant(kMobileSample, c.leaf1, c.brand, c.production));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.productCode, c.productCode);
    EXPECT_FLOAT_EQ(seen.expectedCpuMHz, c.expectedCpuMHz);
    EXPECT_FLOAT_EQ(seen.expectedBusMHz, c.expectedCpuMHz > 0 ? 100.0f : 0.0f);
    EXPECT_EQ(seen.name, c.name != nullptr ? c.name : c.brand);
}

constexpr const char* kI7 = "Quarn(R) Vantor(TM) i7-2680 CPU @ 3.40GHz";
constexpr const char* kBastra = "Quarn(R) Bastra(R) CPU E5-2650 @ 2.00GHz";

INSTANTIATE_TEST_SUITE_P(
    Rows, Cpumod9Decision,
    ::testing::Values(
        // (2,10) stepping 1 to 7: 80 derive/clear both ways, 56 clear; stepping 0 is not listed.
        DecisionCase{"FirstDerive", Leaf1(2, 10, 1), kI7, false, 80, 3400.0f, nullptr},
        DecisionCase{"FirstClear", Leaf1(2, 10, 7), kI7, true, 80, 0.0f, kVantorI7Name},
        DecisionCase{"FirstSampleClears", Leaf1(2, 10, 7), "Genuine Quarn(R) CPU 0000 @ 3.40GHz", false, 56,
                     0.0f, kSampleName},
        DecisionCase{"FirstSteppingZero", Leaf1(2, 10, 0), kI7, false, 4, 0.0f, kNotHandledName},
        // (2,13): 95 (the server Bastra) derives, 85 is not listed.
        DecisionCase{"ServerDerive", Leaf1(2, 13, 7), kBastra, false, 95, 2000.0f, nullptr},
        DecisionCase{"ServerClear", Leaf1(2, 13, 0), kBastra, true, 95, 0.0f, "Quarn(R) Bastra(R) Processor"},
        DecisionCase{"ServerSampleClears", Leaf1(2, 13, 7), "Genuine Quarn(R) CPU @ 2.00GHz", false, 56, 0.0f,
                     kSampleName},
        DecisionCase{"ServerI5", Leaf1(2, 13, 7), "Quarn(R) Vantor(TM) i5-2500 CPU @ 3.30GHz", false, 4, 0.0f,
                     kNotHandledName},
        // (3,10) and (3,14) stepping 0 to 9; stepping 10 is not listed.
        DecisionCase{"SecondDerive", Leaf1(3, 14, 9), "Quarn(R) Dunlin(R) CPU G2120 @ 3.10GHz", false, 96,
                     3100.0f, nullptr},
        DecisionCase{"SecondClear", Leaf1(3, 10, 0), "Quarn(R) Bastra(R) CPU E3-1230 @ 3.30GHz", true, 94,
                     0.0f, "Quarn(R) Bastra(R) Processor"},
        DecisionCase{"SecondSampleClears", Leaf1(3, 14, 9), "Quarn(R) Vantor(TM) CPU @ 3.40GHz", false, 56,
                     0.0f, kSampleName},
        DecisionCase{"SecondSteppingTen", Leaf1(3, 14, 10), kI7, false, 4, 0.0f, kNotHandledName},
        // (3,13) is known but not classified; (2,14) and model 7 are not this module's.
        DecisionCase{"UnclassifiedModel", Leaf1(3, 13, 2), kI7, false, 0, 0.0f, kGenericName},
        DecisionCase{"OtherModelFourteen", Leaf1(2, 14, 2), kI7, false, 4, 0.0f, kNotHandledName},
        DecisionCase{"OtherModel", Leaf1(3, 7, 2), kI7, false, 4, 0.0f, kNotHandledName}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(Cpumod9Decision, AnUnclassifiedProcessorAnswersNoInformationItem) {
    const Observed seen = Observe(kLibrary, Variant(kMobileSample, Leaf1(3, 13, 2), kI7, false));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    for (std::int32_t item = 1; item <= 18; ++item) {
        EXPECT_EQ(seen.items.at(static_cast<std::size_t>(item)), 0) << item;
    }
}

struct BrandCase {
    const char* brand;
    std::uint32_t leaf1;
    std::int32_t productCode;
    const char* name;  // nullptr: the brand string itself
};

TEST(Cpumod9Brand, EveryRuleGivesItsProductCode) {
    const BrandCase cases[] = {
        {"Quarn(R) Corvid(R) CPU B960 @ 2.20GHz", Leaf1(3, 10, 9), 97, nullptr},
        {"Quarn(R) Dunlin(R) CPU 1007U @ 1.50GHz", Leaf1(3, 10, 9), 96, nullptr},
        {"Quarn(R) Vantor(TM) i3-3220 CPU @ 3.30GHz", Leaf1(3, 10, 9), 86, nullptr},
        {"Quarn(R) Vantor(TM) i5-3570K CPU @ 3.40GHz", Leaf1(3, 10, 9), 85, nullptr},
        {"Quarn(R) Vantor(TM) i7 Extreme Edition CPU @ 3.50GHz", Leaf1(3, 10, 9), 81, nullptr},
        {"Quarn(R) Vantor(TM) i7-3770K CPU @ 3.50GHz", Leaf1(3, 10, 9), 80, nullptr},
        // A Bastra is the server line (95) only on (2,13).
        {kBastra, Leaf1(2, 13, 7), 95, nullptr},
        {"Quarn(R) Bastra(R) CPU E3-1230 @ 3.30GHz", Leaf1(3, 10, 9), 94, nullptr},
        {"Quarn(R) Vantor(TM) CPU @ 2.40GHz", Leaf1(3, 10, 9), 56, kSampleName},
        {"Genuine Quarn(R) CPU @ 2.40GHz", Leaf1(3, 10, 9), 56, kSampleName},
        // No rule: not handled.
        {"Quarn(R) Processor 3.40GHz", Leaf1(3, 10, 9), 4, kNotHandledName},
    };
    for (const BrandCase& c : cases) {
        const Observed seen = Observe(kLibrary, Variant(kMobileSample, c.leaf1, c.brand, false));
        ASSERT_EQ(seen.initialize, result::kSuccess) << c.brand;
        EXPECT_EQ(seen.productCode, c.productCode) << c.brand;
        EXPECT_EQ(seen.name, c.name != nullptr ? c.name : c.brand);
    }
}

struct RenameCase {
    const char* brand;
    bool programmableRatio;
    bool programmableTurbo;
    std::int32_t productCode;
    const char* name;
};

TEST(Cpumod9Brand, ExtremeEditionRename) {
    const RenameCase cases[] = {
        {"Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz", true, true, 81,
         "Quarn(R) Vantor(TM) i7-3970X Extreme Edition CPU @ 3.50GHz"},
        // Only the first "X" and the letter after it: "MX" gives "X".
        {"Quarn(R) Vantor(TM) i7-3920MX CPU @ 2.90GHz", true, true, 81,
         "Quarn(R) Vantor(TM) i7-3920X Extreme Edition CPU @ 2.90GHz"},
        {"Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz", true, false, 80,
         "Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz"},
        {"Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz", false, true, 80,
         "Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz"},
        // Outside 2900 to 4999, with "K", without "X".
        {"Quarn(R) Vantor(TM) i7-2820X CPU @ 3.50GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7-2820X CPU @ 3.50GHz"},
        {"Quarn(R) Vantor(TM) i7-3960XK CPU @ 3.30GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7-3960XK CPU @ 3.30GHz"},
        {"Quarn(R) Vantor(TM) i7-3930 CPU @ 3.20GHz", true, true, 80,
         "Quarn(R) Vantor(TM) i7-3930 CPU @ 3.20GHz"},
    };
    for (const RenameCase& c : cases) {
        nlohmann::json profile = Variant(kMobileSample, Leaf1(3, 10, 9), c.brand, false);
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

class Cpumod9Mobile : public ::testing::TestWithParam<MobileCase> {};

TEST_P(Cpumod9Mobile, FollowsTheSuffixLetters) {
    const MobileCase& c = GetParam();
    const Observed seen = Observe(kLibrary, Variant(kMobileSample, c.leaf1, c.brand, false));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.items[kMobileItem], c.mobile) << c.brand;
}

INSTANTIATE_TEST_SUITE_P(Names, Cpumod9Mobile,
                         ::testing::Values(
                             // (2,10) and (2,13), processor numbers 701 to 3999.
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2720QM CPU @ 2.20GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2710QE CPU @ 2.10GHz", 1},
                             MobileCase{Leaf1(2, 13, 7), "Quarn(R) Vantor(TM) i7-2715QX CPU @ 2.10GHz", 0},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2610UE CPU @ 1.50GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2677U CPU @ 1.80GHz", 0},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2960XM CPU @ 2.70GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i5-2520M CPU @ 2.50GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Corvid(R) CPU B810 @ 1.60GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Corvid(R) CPU G850 @ 2.90GHz", 0},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Vantor(TM) i7-2600 CPU @ 3.40GHz", 0},
                             // Any other letter: mobile only from 751 to 869.
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Dunlin(R) CPU 847 @ 1.10GHz", 1},
                             MobileCase{Leaf1(2, 10, 7), "Quarn(R) Dunlin(R) CPU 887 @ 1.50GHz", 0},
                             // (3,10), processor numbers 1000 to 3999.
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3610QM CPU @ 2.30GHz", 1},
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3612QE CPU @ 2.10GHz", 1},
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3517U CPU @ 1.90GHz", 1},
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3689Y CPU @ 1.50GHz", 1},
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3940XM CPU @ 3.00GHz", 1},
                             // S is read only after H, Q, U or X, so L never finds its E.
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3555LE CPU @ 2.50GHz", 0},
                             MobileCase{Leaf1(3, 10, 9), "Quarn(R) Vantor(TM) i7-3770K CPU @ 3.50GHz", 0},
                             // (3,14) has no mobile rule.
                             MobileCase{Leaf1(3, 14, 9), "Quarn(R) Vantor(TM) i7-3610QM CPU @ 2.30GHz", 0}));

TEST(Cpumod9Bus, TheReportedBusIsTheCoreFrequencyOverTheRatio) {
    // Turbo disabled: the ratio frequency is "ActualPState" 34 (0x198 bits 15:8).
    EXPECT_EQ(Observe(kLibrary, BundledProfile(kDesktop)).reportedBusMHz, 3400.9f / 34.0f);
    nlohmann::json exact = BundledProfile(kDesktop);
    exact["packages"][0]["measurements"] = {{{"cpuMHz", 3400.0}, {"busMHz", 99.98}}};
    Observed seen = Observe(kLibrary, exact);
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.reportedCpuMHz, 3400.0f);
    EXPECT_EQ(seen.reportedBusMHz, 100.0f);

    // A ratio frequency of 0 leaves the nominal 100 MHz.
    nlohmann::json noRatio = exact;
    SetMsr(noRatio, "0x198", 0);
    seen = Observe(kLibrary, noRatio);
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.reportedBusMHz, 100.0f);

    // The sample: 2400 / "MaxFSBRatio" 24, with no bus clock measured.
    seen = Observe(kLibrary, BundledProfile(kMobileSample));
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.reportedBusMHz, 100.0f);
    EXPECT_EQ(seen.expectedBusMHz, 100.0f);
}

TEST(Cpumod9Pci, DisabledCoresGraphicsAndInterfaces) {
    // "CoreCount" 2 of 4: product codes of the PCI list count the PCI-derived
    // active cores (4, so none disabled), 56 counts "CoreCount".
    nlohmann::json twoCores = BundledProfile(kDesktop);
    SetMsr(twoCores, "0x35", 0x20008);
    EXPECT_EQ(Observe(kLibrary, twoCores).disabledCores, 0);
    SetBrand(twoCores, "Genuine Quarn(R) CPU 0000 @ 3.40GHz");
    EXPECT_EQ(Observe(kLibrary, twoCores).disabledCores, 2);

    const std::pair<std::uint32_t, std::int32_t> graphics[] = {
        {0x5901, 1}, {0x5902, 2}, {0x5903, 3}, {0x5911, 4}, {0x5912, 5}, {0x5913, 3}, {0x5C05, 0}};
    for (const auto& [device, code] : graphics) {
        nlohmann::json profile = BundledProfile(kDesktop);
        SetPciRegister(profile, 2, 0, "0x00", (device << 16) | 0x5A17u);
        EXPECT_EQ(Observe(kLibrary, profile).graphicsCode, code) << std::hex << device;
    }

    const Observed seen = Observe(kLibrary, BundledProfile(kDesktop));
    EXPECT_EQ(seen.tdpLookup, result::kInterfaceNotImplemented);
    // No generation of this module fills the interconnect values.
    EXPECT_EQ(seen.reportedInterconnectMHz, 0.0f);
    EXPECT_EQ(seen.expectedMemoryMHz, 0.0f);
}

TEST(Cpumod9Information, PackagesItemsAndLogos) {
    const Observed mobile = Observe(kLibrary, BundledProfile(kMobileSample));
    ASSERT_EQ(mobile.initialize, result::kSuccess);
    EXPECT_EQ(mobile.packageCode, 23);
    EXPECT_EQ(mobile.packageName, "QPG-960 mobile pin grid array");
    // Item 6 for 80; items 9 and 10 for the pre-production sample.
    EXPECT_EQ((std::array{mobile.items[6], mobile.items[7], mobile.items[9], mobile.items[10]}),
              (std::array{1, 0, 1, 1}));
    EXPECT_EQ(mobile.logo, result::kSuccess);
    EXPECT_NE(mobile.logoText.find("(logo 110)"), std::string::npos);

    const Observed server = Observe(kLibrary, Variant(kMobileSample, Leaf1(2, 13, 7), kBastra, true));
    EXPECT_EQ(server.packageCode, 33);
    EXPECT_EQ(server.packageName, "QLG-2040 server land grid array");
    EXPECT_EQ((std::array{server.items[6], server.items[7]}), (std::array{0, 1}));
    EXPECT_NE(server.logoText.find("(logo 109)"), std::string::npos);

    const Observed sample = Observe(
        kLibrary, Variant(kMobileSample, Leaf1(3, 10, 9), "Genuine Quarn(R) CPU 0000 @ 2.40GHz", false));
    EXPECT_EQ(sample.logo, result::kNoLogoBitmap);
    EXPECT_EQ(sample.packageCode, -2);
    EXPECT_EQ(sample.items[7], 1);
}

}  // namespace
