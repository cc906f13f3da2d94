// Cpumod10.so through ProfileData.so on variants of its bundled profiles:
// the decision table, the brand rules, the descriptor table, the counts it
// takes from CPUID and PCI, its logos and its PCI answers.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "module_answers.h"
#include "sondrel/platform/bitmap.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

namespace fs = std::filesystem;
const fs::path kTablet = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod10/tablet_ember_z3745.json";
const fs::path kNetbook = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod10/netbook_ember_n270.json";

constexpr const char* kEmber = "Quarn(R) Ember(TM) CPU Z3745 @ 1.33GHz";
constexpr const char* kEmberX = "Quarn(R) Ember(TM) x5-Z8300 CPU @ 1.44GHz";
constexpr const char* kEmberName = "Quarn(R) Ember(TM) Processor";
constexpr const char* kNotHandledName = "Quarn(R) Processor (model not known to this module)";

nlohmann::json Variant(std::uint32_t leaf1, const char* brand) {
    nlohmann::json profile = ReadProfile(kTablet);
    SetCpuid(profile, 1, 0, "eax", leaf1);
    profile["packages"][0]["brand"] = brand;
    return profile;
}

ModuleAnswers RunCpumod10(const nlohmann::json& profile) {
    ModuleOnProfile harness("Cpumod10.so");
    return Answers(harness, profile);
}

// Runs `check` on the initialised module object.
template <class Check>
void WithModule(const nlohmann::json& profile, Check check) {
    ModuleOnProfile harness("Cpumod10.so");
    const Initialised object = InitialiseOn(harness, profile);
    ASSERT_EQ(object.code, result::kSuccess);
    check(object.root);
    object.root->DropReference();
}

TEST(Cpumod10Decision, EveryRowByExtendedModel) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {Signature(2, 6, 6), kEmber, 78},
        {Signature(2, 6, 7), kEmber, 4},
        {Signature(2, 6, 0), "Quarn(R) Corvid(R) CPU J1900 @ 2.00GHz", 4},
        {Signature(2, 7, 0), kEmber, 0},
        {Signature(2, 12, 3), kEmber, 0},
        {Signature(2, 13, 0), kEmber, 0},
        {Signature(3, 6, 8), "Quarn(R) Dunlin(R) CPU N2830 @ 2.16GHz", 102},
        {Signature(3, 7, 0), "Quarn(R) Corvid(R) CPU J2900 @ 2.41GHz", 103},
        {Signature(3, 7, 9), kEmber, 4},
        {Signature(3, 7, 0), kEmberX, 4},
        {Signature(3, 12, 0), kEmber, 0},
        {Signature(3, 13, 0), kEmber, 0},
        {Signature(4, 12, 5), kEmberX, 106},
        {Signature(4, 12, 6), kEmberX, 4},
        {Signature(4, 12, 8), kEmber, 78},
        {Signature(4, 13, 8), kEmberX, 106},
        {Signature(4, 6, 0), kEmber, 0},
        {Signature(4, 7, 0), kEmber, 0},
        {Signature(3, 7, 0), "Genuine Quarn(R) CPU 0000 @ 1.33GHz", 56},
        // Neither a model nor an extended model the module decides on.
        {Signature(4, 14, 0), kEmber, 4},
        {Signature(5, 7, 0), kEmber, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.leaf1 << " " << c.brand);
        const ModuleAnswers seen = RunCpumod10(Variant(c.leaf1, c.brand));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.productCode, c.productCode);
        // "Production" is never read, so derive/clear always clears.
        EXPECT_EQ(seen.expected.cpuMHz, 0.0f);
        EXPECT_EQ(seen.expected.busMHz, 0.0f);
        EXPECT_EQ(seen.reported.busMHz, 100.0f);
    }
}

TEST(Cpumod10Decision, APreProductionPlatformRegisterChangesNothing) {
    nlohmann::json profile = Variant(Signature(3, 7, 8), kEmber);
    profile["packages"][0]["msr"]["0xCE"] = "0x0000040000000D00";
    const ModuleAnswers seen = RunCpumod10(profile);
    EXPECT_EQ(seen.expected.cpuMHz, 0.0f);
    EXPECT_EQ(seen.name, kEmberName);
}

TEST(Cpumod10Naming, BrandRulesNamesPackagesAndItems) {
    struct Case {
        const char* brand;
        std::int32_t productCode;
        const char* name;
        std::int32_t packageCode;
        const char* packageName;
    };
    const Case cases[] = {
        {kEmberX, 106, "Quarn(R) Ember(TM) x-series Processor", 35,
         "QBG-1380 system-on-chip ball grid array"},
        {"Quarn(R) Ember(TM)  x7-Z8700  CPU @ 1.60GHz", 106, "Quarn(R) Ember(TM) x-series Processor", 35,
         "QBG-1380 system-on-chip ball grid array"},
        {kEmber, 78, kEmberName, 35, "QBG-1380 system-on-chip ball grid array"},
        {"Quarn(R) Corvid(R) CPU J2900 @ 2.41GHz", 103, "Quarn(R) Corvid(R) Processor", 31,
         "QBG-559 desktop ball grid array"},
        {"Quarn(R) Dunlin(R) CPU N2830 @ 2.16GHz", 102, "Quarn(R) Dunlin(R) Processor", 31,
         "QBG-559 desktop ball grid array"},
        {"Genuine Quarn(R) CPU 0000 @ 1.33GHz", 56, "Genuine Quarn(R) Processor (pre-release sample)", -2,
         "Package not identified"},
        {"Quarn(R) Vantor(TM) i5-4200U CPU @ 1.60GHz", 4, kNotHandledName, -2, "Package not identified"},
        {"Quarn(R) Ember(TM) Z3745 @ 1.33GHz", 4, kNotHandledName, -2, "Package not identified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.brand);
        const ModuleAnswers seen = RunCpumod10(Variant(Signature(4, 12, 0), c.brand));
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.productCode, c.productCode);
        EXPECT_EQ(seen.name, c.name);
        EXPECT_EQ(seen.packageCode, c.packageCode);
        EXPECT_EQ(seen.packageName, c.packageName);
        // Nothing marks a part of this generation mobile: item 6 for every
        // product code, item 7 never.
        EXPECT_EQ(seen.mobile, 0);
        EXPECT_EQ(seen.item6, 1);
        EXPECT_EQ(seen.item7, 0);
    }
    const ModuleAnswers unclassified = RunCpumod10(Variant(Signature(2, 7, 0), kEmber));
    EXPECT_EQ((std::array{unclassified.mobile, unclassified.item6, unclassified.item7}),
              (std::array{0, 0, 0}));
}

TEST(Cpumod10Naming, EmberLogosFollowTheExtendedModel) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        ResultCode result;
        const char* title;
    };
    const Case cases[] = {
        {Signature(2, 6, 2), kEmber, result::kSuccess, "(logo 110)"},
        {Signature(3, 7, 8), kEmber, result::kSuccess, "(logo 111)"},
        {Signature(4, 12, 0), kEmber, result::kSuccess, "(logo 112)"},
        {Signature(4, 12, 0), kEmberX, result::kSuccess, "(logo 117)"},
        {Signature(3, 7, 8), "Genuine Quarn(R) CPU 0000 @ 1.33GHz", result::kNoLogoBitmap, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        WithModule(Variant(c.leaf1, c.brand), [&](IFreqIDUnknown* root) {
            auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
            BitmapHandle logo = nullptr;
            EXPECT_EQ(info->GetLogoBitmap(1, &logo), c.result);
            const auto bytes = platform::BitmapBytes(logo);
            const std::string picture(bytes.begin(), bytes.end());
            EXPECT_EQ(picture.empty(), c.result != result::kSuccess);
            EXPECT_NE(picture.find(c.title), std::string::npos);
            platform::DestroyBitmap(logo);
            info->DropReference();
        });
    }
}

TEST(Cpumod10Caches, DescriptorTableWithoutAThirdLevel) {
    using Quad = std::array<std::int32_t, 4>;
    struct Case {
        const char* eax;
        const char* ebx;
        Quad sizes;
    };
    // The netbook's highest leaf is 0Ah: no leaf-4 walk replaces anything.
    const Case cases[] = {
        {"0x00300E01", "0x0000D080", {24, 32, 512, -2}},  // D0h is no descriptor here
        {"0x3F300E01", "0x00000080", {24, 32, 256, -2}},  // the first byte known wins
        {"0x44402C01", "0x00000000", {-2, -2, 1024, -2}}, {"0x40450001", "0x00000000", {-2, -2, 0, -2}},
        {"0x45000001", "0x00000000", {-2, -2, 2048, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.eax);
        nlohmann::json profile = ReadProfile(kNetbook);
        SetCpuid(profile, 2, 0, "eax", static_cast<std::uint32_t>(std::stoul(c.eax, nullptr, 0)));
        SetCpuid(profile, 2, 0, "ebx", static_cast<std::uint32_t>(std::stoul(c.ebx, nullptr, 0)));
        WithModule(profile, [&](IFreqIDUnknown* root) { EXPECT_EQ(CacheSizes(root), c.sizes); });
    }
    // From leaf 0Bh on, the leaf-4 walk gives the third level when there is one.
    nlohmann::json tablet = ReadProfile(kTablet);
    SetCpuid(tablet, 4, 3, "eax", 0x0C03C163);
    SetCpuid(tablet, 4, 3, "ebx", 0x03C0003F);
    SetCpuid(tablet, 4, 3, "ecx", 0x7FF);
    WithModule(tablet, [](IFreqIDUnknown* root) { EXPECT_EQ(CacheSizes(root), (Quad{24, 32, 1024, 2048})); });
}

TEST(Cpumod10Details, CoreAndThreadCountsComeFromCpuidAndPci) {
    struct Case {
        const fs::path* profile;
        std::uint32_t leaf1;
        const char* activeCores;  // host bridge offset 80h, read on extended model 4 only
        std::int32_t active;
        std::int32_t threads;
        std::int32_t disabled;
    };
    const Case cases[] = {
        {&kTablet, Signature(3, 7, 8), "0x2", 4, 4, 0},
        {&kTablet, Signature(4, 12, 0), "0x2", 2, 4, 2},
        {&kTablet, Signature(4, 12, 0), "0x0", 4, 4, 0},
        {&kNetbook, Signature(2, 6, 2), "0x0", 1, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.leaf1);
        nlohmann::json profile = ReadProfile(*c.profile);
        SetCpuid(profile, 1, 0, "eax", c.leaf1);
        profile["pci"][0]["registers"]["0x80"] = c.activeCores;
        const ModuleAnswers seen = RunCpumod10(profile);
        ASSERT_EQ(seen.initialize, result::kSuccess);
        EXPECT_EQ(seen.activeCores, c.active);
        EXPECT_EQ(seen.threadCount, c.threads);
        EXPECT_EQ(seen.disabledCores, c.disabled);
    }
}

TEST(Cpumod10Details, GraphicsCodeOnlyForItsGraphicsSignatures) {
    constexpr std::int32_t kPreset = -77;
    struct Case {
        const fs::path* profile;
        std::uint32_t leaf1;
        const char* graphicsDevice;  // register 0 of device 2
        std::int32_t code;
    };
    const Case cases[] = {
        {&kTablet, Signature(3, 7, 8), "0x5B315A17", 23},
        {&kTablet, Signature(3, 7, 8), "0x0F315A17", 3},
        {&kTablet, Signature(4, 13, 0), "0x5B315A17", 23},
        {&kTablet, Signature(4, 12, 0), "0x22B05A17", 3},
        {&kTablet, Signature(3, 6, 0), "0x5B315A17", kPreset},
        {&kNetbook, Signature(2, 6, 2), nullptr, kPreset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.leaf1);
        nlohmann::json profile = ReadProfile(*c.profile);
        SetCpuid(profile, 1, 0, "eax", c.leaf1);
        if (c.graphicsDevice != nullptr) {
            profile["pci"][1]["registers"]["0x00"] = c.graphicsDevice;
        }
        WithModule(profile, [&](IFreqIDUnknown* root) {
            auto* pci = Lookup<ICPUPCIDetails>(root, interface_id::kCPUPCIDetails);
            std::int32_t code = kPreset;
            EXPECT_EQ(pci->GetGraphicsCode(1, &code), result::kSuccess);
            EXPECT_EQ(code, c.code);
            pci->DropReference();
        });
    }
    // Graphics switched off in the host bridge: still "another device".
    nlohmann::json off = ReadProfile(kTablet);
    off["pci"][0]["registers"]["0x54"] = "0x0";
    WithModule(off, [](IFreqIDUnknown* root) {
        EXPECT_EQ(Ask(root, interface_id::kCPUPCIDetails, &ICPUPCIDetails::GetGraphicsCode), 3);
    });
}

TEST(Cpumod10Details, LinkAndInterconnectOperationsSucceedWithoutWriting) {
    WithModule(ReadProfile(kTablet), [](IFreqIDUnknown* root) {
        auto* pci = Lookup<ICPUPCIDetails>(root, interface_id::kCPUPCIDetails);
        std::int32_t first = -5;
        std::int32_t second = -6;
        float interconnect = -7.0f;
        float memoryController = -8.0f;
        EXPECT_EQ(pci->GetPciLinkValues(1, &first, &second), result::kSuccess);
        EXPECT_EQ(pci->GetExpectedInterconnect(1, &interconnect, &memoryController), result::kSuccess);
        EXPECT_EQ(pci->GetReportedInterconnect(1, &interconnect, &memoryController), result::kSuccess);
        EXPECT_EQ((std::array{first, second}), (std::array{-5, -6}));
        EXPECT_EQ((std::array{interconnect, memoryController}), (std::array{-7.0f, -8.0f}));
        // The argument checks still apply.
        EXPECT_EQ(pci->GetPciLinkValues(2, &first, &second), result::kNotInitialized);
        EXPECT_EQ(pci->GetExpectedInterconnect(1, nullptr, &memoryController), result::kNullArgument);
        pci->DropReference();
        // No base TDP in this generation.
        void* tdp = reinterpret_cast<void*>(1);
        EXPECT_EQ(root->LookupInterface(interface_id::kTDP, &tdp), result::kInterfaceNotImplemented);
        EXPECT_EQ(tdp, nullptr);
    });
}

}  // namespace
