// Cpumod11.so through ProfileData.so on variants of its bundled desktop
// profile: the decision table, the brand rules and renames, the mobile rule,
// the PCI reads and the power fields of this generation.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "module_answers.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

const std::filesystem::path kDesktop =
    std::filesystem::path(SONDREL_SOURCE_DIR) / "profiles/cpumod11/desktop_vantor_i7_3c.json";

constexpr const char* kI7 = "Quarn(R) Vantor(TM) i7-4770 CPU @ 3.40GHz";
constexpr const char* kSample = "Genuine Quarn(R) CPU 0000 @ 2.40GHz";
constexpr const char* kBastra = "Quarn(R) Bastra(R) CPU E5-2690 v2 @ 3.00GHz";
constexpr const char* kCorvid = "Quarn(R) Corvid(R) CPU G3220 @ 3.00GHz";

// MSR 0xCE with "ProgrammableTurbo" (bit 29) set, and "Production" (bit 27)
// and "ProgrammableRatio" (bit 28) as asked.
std::string PlatformInformation(bool preproduction, bool programmableRatio) {
    const std::uint64_t value =
        0x0000080020002200u | (preproduction ? 0u : 1u << 27) | (programmableRatio ? 1u << 28 : 0u);
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    return text;
}

nlohmann::json Variant(std::uint32_t leaf1, const char* brand, bool preproduction,
                       bool programmableRatio = false) {
    nlohmann::json profile = ReadProfile(kDesktop);
    SetCpuid(profile, 1, 0, "eax", leaf1);
    profile["packages"][0]["brand"] = brand;
    profile["packages"][0]["msr"]["0xCE"] = PlatformInformation(preproduction, programmableRatio);
    return profile;
}

ModuleAnswers RunCpumod11(const nlohmann::json& profile) {
    ModuleOnProfile harness("Cpumod11.so");
    return Answers(harness, profile);
}

struct DecisionCase {
    const char* what;
    std::uint32_t leaf1;
    const char* brand;
    bool preproduction;
    std::int32_t productCode;
    float expectedCpuMHz;  // 0: not derived
};

TEST(Cpumod11Decision, EveryRowOfTheThreeTables) {
    const DecisionCase cases[] = {
        {"first table, derive/clear derives", Signature(4, 5, 3), kI7, true, 80, 3400.0f},
        {"first table, derive/clear clears", Signature(4, 5, 3), kI7, false, 80, 0.0f},
        {"first table, code 56 clears", Signature(4, 6, 0), kSample, true, 56, 0.0f},
        {"first table, model 7", Signature(4, 7, 2), kI7, true, 80, 3400.0f},
        {"first table, model 15", Signature(4, 15, 3), kBastra, true, 98, 3000.0f},
        {"first table, stepping 4", Signature(4, 5, 4), kI7, true, 4, 0.0f},
        {"second table, code 129", Signature(5, 6, 3), kBastra, true, 129, 3000.0f},
        {"second table, code 129 cleared", Signature(5, 6, 0), kBastra, false, 129, 0.0f},
        {"second table, code 56 clears", Signature(5, 6, 1), kSample, true, 56, 0.0f},
        {"second table, other codes", Signature(5, 6, 3), kI7, true, 4, 0.0f},
        {"second table, stepping 4", Signature(5, 6, 4), kBastra, true, 4, 0.0f},
        {"(5, 5) stays unclassified", Signature(5, 5, 4), kI7, true, 0, 0.0f},
        {"(5, 7) stays unclassified", Signature(5, 7, 0), kI7, true, 0, 0.0f},
        {"third table, model 12", Signature(3, 12, 6), kI7, true, 80, 3400.0f},
        {"third table, model 13", Signature(3, 13, 0), kCorvid, true, 101, 3000.0f},
        {"third table, model 15 cleared", Signature(3, 15, 2), kI7, false, 80, 0.0f},
        {"third table, code 56 clears", Signature(3, 12, 1), kSample, true, 56, 0.0f},
        {"third table, stepping 7", Signature(3, 12, 7), kI7, true, 4, 0.0f},
        {"model 12 of extended model 4", Signature(4, 12, 0), kI7, true, 4, 0.0f},
        {"model 14 is not decided on", Signature(4, 14, 3), kI7, true, 4, 0.0f},
    };
    for (const DecisionCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ModuleAnswers seen = RunCpumod11(Variant(c.leaf1, c.brand, c.preproduction));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.productCode, c.productCode);
        EXPECT_EQ(seen.expected.cpuMHz, c.expectedCpuMHz);
        EXPECT_EQ(seen.expected.busMHz, c.expectedCpuMHz > 0.0f ? 100.0f : 0.0f);
        // The reported bus is the constant, whatever the outcome.
        EXPECT_EQ(seen.reported.busMHz, 100.0f);
    }
}

TEST(Cpumod11Decision, ClearedNamesAreRefilledAndDerivedOnesKept) {
    const ModuleAnswers cleared = RunCpumod11(Variant(Signature(3, 12, 3), kI7, false));
    EXPECT_EQ(cleared.name, "Quarn(R) Vantor(TM) i7 Processor");
    const ModuleAnswers derived = RunCpumod11(Variant(Signature(3, 12, 3), kI7, true));
    EXPECT_EQ(derived.name, kI7);
    const ModuleAnswers unclassified = RunCpumod11(Variant(Signature(5, 5, 4), kI7, true));
    EXPECT_EQ(unclassified.name, "Quarn(R) Processor");
    EXPECT_EQ(unclassified.item6, 0);
}

struct NamingCase {
    const char* brand;
    std::int32_t productCode;
    const char* name;  // the name after the renames
    std::int32_t mobile;
};

TEST(Cpumod11Naming, BrandRulesAndRenames) {
    const NamingCase cases[] = {
        {kCorvid, 101, kCorvid, 0},
        {"Quarn(R) Dunlin(R) CPU G1820 @ 2.70GHz", 100, "Quarn(R) Dunlin(R) CPU G1820 @ 2.70GHz", 0},
        {"Quarn(R) Vantor(TM) i3-4130 CPU @ 3.40GHz", 86, "Quarn(R) Vantor(TM) i3-4130 CPU @ 3.40GHz", 0},
        {"Quarn(R) Vantor(TM) i5-4570 CPU @ 3.20GHz", 85, "Quarn(R) Vantor(TM) i5-4570 CPU @ 3.20GHz", 0},
        {"Quarn(R) Vantor(TM) i7 Extreme Edition CPU @ 3.20GHz", 81,
         "Quarn(R) Vantor(TM) i7 Extreme Edition CPU @ 3.20GHz", 0},
        {kI7, 80, kI7, 0},
        {"Quarn(R) Vantor(TM) M CPU 520 @ 2.40GHz", 111, "Quarn(R) Vantor(TM) M CPU 520 @ 2.40GHz", 0},
        {kBastra, 98, kBastra, 0},
        {kSample, 56, "Genuine Quarn(R) Processor (pre-release sample)", 0},
        // No rule of this generation for these.
        {"Quarn(R) Vantor(TM) m7-6Y75 CPU @ 1.20GHz", 4,
         "Quarn(R) Processor (model not known to this module)", 0},
        {"Quarn(R) Ember(TM) CPU Z3745 @ 1.33GHz", 4, "Quarn(R) Processor (model not known to this module)",
         0},
        // The tier rename: a numbered "Quarn(R) Processor" becomes a mobile Vantor M …
        {"Quarn(R) Processor 555 Mobile CPU @ 1.10GHz", 111, "Quarn(R) Vantor(TM) M-555 Mobile CPU @ 1.10GHz",
         1},
        // … only for numbers 501 to 599.
        {"Quarn(R) Processor 650 Mobile CPU @ 1.10GHz", 111, "Quarn(R) Processor 650 Mobile CPU @ 1.10GHz",
         0},
    };
    for (const NamingCase& c : cases) {
        SCOPED_TRACE(c.brand);
        const ModuleAnswers seen = RunCpumod11(Variant(Signature(3, 15, 0), c.brand, true));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.productCode, c.productCode);
        EXPECT_EQ(seen.name, c.name);
        EXPECT_EQ(seen.mobile, c.mobile);
    }
}

TEST(Cpumod11Naming, ExtremeEditionRenameNeedsBothProgrammableFieldsAndItsNumbers) {
    struct Case {
        const char* brand;
        bool programmableRatio;
        std::int32_t productCode;
        const char* name;
    };
    const Case cases[] = {
        {"Quarn(R) Vantor(TM) i7-4960X CPU @ 3.60GHz", true, 81,
         "Quarn(R) Vantor(TM) i7-4960X Extreme Edition CPU @ 3.60GHz"},
        // "ProgrammableTurbo" alone is not enough.
        {"Quarn(R) Vantor(TM) i7-4960X CPU @ 3.60GHz", false, 80,
         "Quarn(R) Vantor(TM) i7-4960X CPU @ 3.60GHz"},
        // The window is 4000 to 7000.
        {"Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz", true, 80,
         "Quarn(R) Vantor(TM) i7-3970X CPU @ 3.50GHz"},
        {"Quarn(R) Vantor(TM) i7-7000X CPU @ 3.50GHz", true, 81,
         "Quarn(R) Vantor(TM) i7-7000X Extreme Edition CPU @ 3.50GHz"},
        {"Quarn(R) Vantor(TM) i7-7001X CPU @ 3.50GHz", true, 80,
         "Quarn(R) Vantor(TM) i7-7001X CPU @ 3.50GHz"},
        // An unlocked part is no Extreme Edition.
        {"Quarn(R) Vantor(TM) i7-4770K CPU @ 3.50GHz", true, 80,
         "Quarn(R) Vantor(TM) i7-4770K CPU @ 3.50GHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.brand);
        const ModuleAnswers seen =
            RunCpumod11(Variant(Signature(3, 15, 0), c.brand, true, c.programmableRatio));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.productCode, c.productCode);
        EXPECT_EQ(seen.name, c.name);
    }
}

TEST(Cpumod11Naming, MobileRuleBranches) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        std::int32_t mobile;
    };
    const Case cases[] = {
        // Numbers 2000 to 5999 go by the suffix letter: E, H, M, N, U, Y.
        {Signature(4, 6, 0), "Quarn(R) Vantor(TM) i5-4200U CPU @ 1.60GHz", 1},
        {Signature(4, 6, 0), "Quarn(R) Vantor(TM) i7-4702HQ CPU @ 2.20GHz", 1},
        {Signature(4, 6, 0), "Quarn(R) Vantor(TM) i7-4770K CPU @ 3.50GHz", 0},
        // R is no mobile letter in this generation.
        {Signature(4, 6, 0), "Quarn(R) Vantor(TM) i5-4570R CPU @ 2.70GHz", 0},
        // Other numbers go by an "M-" in the name.
        {Signature(3, 12, 0), "Quarn(R) Vantor(TM) i7-620M CPU @ 2.67GHz", 0},
        {Signature(3, 12, 0), "Quarn(R) Vantor(TM) M-750 CPU @ 1.60GHz", 1},
        // Signatures outside the rule keep the flag the register fields left (0).
        {Signature(5, 6, 0), "Quarn(R) Vantor(TM) i5-4200U CPU @ 1.60GHz", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.brand);
        const ModuleAnswers seen = RunCpumod11(Variant(c.leaf1, c.brand, true));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.mobile, c.mobile);
    }
}

TEST(Cpumod11Pci, ActiveCoresFromTheHostBridgeCountDisabledCores) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        const char* activeCores;  // host bridge offset 80h
        std::int32_t disabled;
    };
    const Case cases[] = {
        {Signature(3, 12, 3), kI7, "0x3", 1},
        {Signature(4, 5, 3), kI7, "0xFB", 1},  // bits 2:0
        {Signature(5, 6, 3), kBastra, "0x2", 2},
        // 0 means every core of the package.
        {Signature(3, 12, 3), kI7, "0x0", 0},
        // A product code outside the list counts against "CoreCount" (4).
        {Signature(3, 12, 3), kSample, "0x3", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.activeCores);
        nlohmann::json profile = Variant(c.leaf1, c.brand, true);
        profile["pci"][0]["registers"]["0x80"] = c.activeCores;
        const ModuleAnswers seen = RunCpumod11(profile);
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.disabledCores, c.disabled);
    }
}

TEST(Cpumod11Pci, TheReadBeforeTheActiveCoresIsMadeForItsSignaturesOnly) {
    nlohmann::json profile = Variant(Signature(3, 12, 3), kI7, false);
    profile["faults"]["pci"] = {{{"device", 2}, {"function", 1}, {"offset", "0x50"}, {"code", "0x80041F44"}}};
    EXPECT_EQ(RunCpumod11(profile).initialize, static_cast<ResultCode>(0x80041F44));
    SetCpuid(profile, 1, 0, "eax", Signature(3, 13, 3));
    EXPECT_EQ(RunCpumod11(profile).initialize, result::kSuccess);
}

TEST(Cpumod11Power, BaseTdpIsField57WithTheArchitecturalUnitWidths) {
    nlohmann::json profile = ReadProfile(kDesktop);
    // Bits above the 4-bit power unit, and "cTDPSupportedLevels" (also field 57) set.
    profile["packages"][0]["msr"]["0x606"] = "0x00000000000AFEF3";
    profile["packages"][0]["msr"]["0xCE"] = "0x0000080628002200";
    ModuleOnProfile harness("Cpumod11.so");
    const Initialised object = InitialiseOn(harness, profile);
    ASSERT_EQ(object.code, result::kSuccess);
    EXPECT_EQ(Ask(object.root, interface_id::kTDP, &ITDP::GetBaseTDP), 84);
    object.root->DropReference();
}

TEST(Cpumod11Pci, GraphicsCodeOfTheSharedGraphicsCoreFollowsTheBaseTdp) {
    struct Case {
        const char* baseTdp;  // MSR 0x614, eighths of a watt
        std::int32_t code;
    };
    const Case cases[] = {{"0x78", 17}, {"0xE0", 18}, {"0x2A0", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baseTdp);
        nlohmann::json profile = ReadProfile(kDesktop);
        profile["packages"][0]["msr"]["0x614"] = c.baseTdp;
        profile["pci"][1]["registers"]["0x00"] = "0x5A205A17";
        ModuleOnProfile harness("Cpumod11.so");
        const Initialised object = InitialiseOn(harness, profile);
        ASSERT_EQ(object.code, result::kSuccess);
        EXPECT_EQ(Ask(object.root, interface_id::kCPUPCIDetails, &ICPUPCIDetails::GetGraphicsCode), c.code);
        object.root->DropReference();
    }
}

}  // namespace
