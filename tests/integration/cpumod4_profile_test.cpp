// The real Cpumod4.so on its bundled profiles and on variants of them: the
// product-code table by stepping and register fields, the bus clocks with
// the one variant clock, the coded ratio, the ratio selection, the
// measurement treatment and the interfaces this generation answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "profile_queries.h"
#include "sondrel/platform/bitmap.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

const fs::path kDesktopProfile4 =
    fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod4/desktop_corvid4_twinstrand_f29.json";
const fs::path kMobileProfile4 = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod4/mobile_corvid4_m_f27.json";

std::uint64_t MsrValue(const nlohmann::json& profile, const char* msr) {
    const auto& msrs = profile["packages"][0]["msr"];
    return msrs.contains(msr) ? std::stoull(msrs[msr].get<std::string>(), nullptr, 0) : 0;
}

// Replaces `width` bits at `low` of an MSR (adding the MSR when missing).
void SetBits(nlohmann::json& profile, const char* msr, int low, int width, std::uint64_t value) {
    const std::uint64_t mask = ((std::uint64_t{1} << width) - 1) << low;
    char text[24];
    std::snprintf(
        text, sizeof text, "0x%016llX",
        static_cast<unsigned long long>((MsrValue(profile, msr) & ~mask) | ((value << low) & mask)));
    profile["packages"][0]["msr"][msr] = text;
}

void SetStepping(nlohmann::json& profile, std::uint32_t stepping) {
    SetCpuid(profile, 1, 0, "eax", (GetCpuid(profile, 1, 0, "eax") & ~0xFu) | stepping);
}

void SetLeaf1EcxBit(nlohmann::json& profile, int bit) {
    SetCpuid(profile, 1, 0, "ecx", GetCpuid(profile, 1, 0, "ecx") | (1u << bit));
}

// Frequency scaling: the leaf-1 flag and the ratio it last set.
void SetScaling(nlohmann::json& profile, int ratio) {
    SetLeaf1EcxBit(profile, 7);
    SetBits(profile, "0x198", 8, 5, static_cast<std::uint64_t>(ratio));
}

void SetPlatform(nlohmann::json& profile, int pcardId, int mobile) {
    SetBits(profile, "0x17", 50, 3, static_cast<std::uint64_t>(pcardId));
    SetBits(profile, "0x2C", 21, 1, static_cast<std::uint64_t>(mobile));
}

void SetMeasurement(nlohmann::json& profile, float cpuMHz) {
    profile["packages"][0]["measurements"] = nlohmann::json::array({{{"cpuMHz", cpuMHz}}});
}

class Cpumod4OnProfile : public ModuleOnProfileTest {
protected:
    Cpumod4OnProfile() : ModuleOnProfileTest("Cpumod4.so") {}

    // The items among 1 to 18 that are set.
    std::vector<std::int32_t> Items() {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        std::vector<std::int32_t> set;
        for (std::int32_t item = 1; item <= 18; ++item) {
            std::int32_t value = -1;
            EXPECT_EQ(info->GetInfoItem(1, item, &value), result::kSuccess);
            if (value == 1) {
                set.push_back(item);
            }
        }
        info->DropReference();
        return set;
    }
    std::int32_t Feature(std::int32_t code, ResultCode want = result::kSuccess) {
        auto* features = Lookup<ICPUFeatures>(root_, interface_id::kCPUFeatures);
        std::int32_t value = -1;
        EXPECT_EQ(features->GetFeature(1, code, &value), want) << code;
        features->DropReference();
        return value;
    }
    // The logo's bitmap id, read from the picture's title; 0 for "no logo".
    std::int32_t Logo() {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        BitmapHandle bitmap = nullptr;
        const ResultCode code = info->GetLogoBitmap(1, &bitmap);
        info->DropReference();
        if (code != result::kSuccess) {
            EXPECT_EQ(code, result::kNoLogoBitmap);
            return 0;
        }
        const auto bytes = platform::BitmapBytes(bitmap);
        const std::string picture(bytes.begin(), bytes.end());
        platform::DestroyBitmap(bitmap);
        const std::size_t at = picture.find("(logo ");
        return at == std::string::npos ? -1 : std::stoi(picture.substr(at + 6));
    }
    std::int32_t PackageCode(std::string* name = nullptr) {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        std::int32_t code = 0;
        char text[61] = {};
        EXPECT_EQ(info->GetPackage(1, &code, text), result::kSuccess);
        info->DropReference();
        if (name != nullptr) {
            *name = text;
        }
        return code;
    }
};

TEST_F(Cpumod4OnProfile, DesktopPartWithTwinstrand) {
    ASSERT_EQ(Initialise(ReadProfile(kDesktopProfile4)), result::kSuccess);
    EXPECT_EQ(ProductCode(), 48);
    EXPECT_EQ(Name(), "Quarn(R) Corvid(R) 4 CPU 3.06GHz");
    // 533 MT/s with no 0.5 added; the power-on ratio 23 is coded as 7.
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 3066.666f);
    EXPECT_EQ(expected.busMHz, 533.3332f);
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 3066.666f);
    EXPECT_FLOAT_EQ(reported.busMHz, 3066.666f / 23.0f * 4.0f);
    // Level 1 is the trace cache, in thousands of micro-operations.
    auto* caches = Lookup<ICacheSizes>(root_, interface_id::kCacheSizes);
    const std::int32_t wantSizes[] = {8, 12, 512, 0};
    const std::int32_t wantUnits[] = {1, 3, 1, 1};
    for (std::int32_t level = 0; level < 4; ++level) {
        std::int32_t size = -1;
        std::int32_t unit = -1;
        EXPECT_EQ(caches->GetCacheSize(1, level, &size, &unit), result::kSuccess);
        EXPECT_EQ(size, wantSizes[level]) << level;
        EXPECT_EQ(unit, wantUnits[level]) << level;
    }
    std::int32_t size = -1;
    std::int32_t unit = -1;
    EXPECT_EQ(caches->GetCacheSize(1, 4, &size, &unit), result::kNoSuchCache);
    caches->DropReference();
    std::string package;
    EXPECT_EQ(PackageCode(&package), 21);
    EXPECT_EQ(package, "QPG-478 desktop pin grid array");
    // Production part: 9 and 10; the name is kept: 13.
    EXPECT_EQ(Items(), (std::vector<std::int32_t>{1, 3, 6, 9, 10, 11, 13}));
    EXPECT_EQ(Logo(), 106);
}

TEST_F(Cpumod4OnProfile, FeatureCodesOfThisGeneration) {
    ASSERT_EQ(Initialise(ReadProfile(kDesktopProfile4)), result::kSuccess);
    EXPECT_EQ(Feature(10), 1);
    EXPECT_EQ(Feature(20), 1);
    EXPECT_EQ(Feature(30), 1);
    EXPECT_EQ(Feature(50), 1);
    // Answered, but never set on these parts.
    EXPECT_EQ(Feature(80), 0);
    EXPECT_EQ(Feature(90), 0);
    for (const std::int32_t code : {40, 60, 70, 100, 120, 130, 140, 150}) {
        Feature(code, result::kUnknownFeature);
    }
    // A part that is not configured for two logical processors has no Twinstrand.
    nlohmann::json profile = ReadProfile(kDesktopProfile4);
    SetCpuid(profile, 1, 0, "ebx", 0x00010809);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(Feature(50), 0);
    profile = ReadProfile(kDesktopProfile4);
    SetCpuid(profile, 1, 0, "edx", GetCpuid(profile, 1, 0, "edx") & ~(1u << 28));
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(Feature(50), 0);
}

// Every descriptor of the generation's leaf-2 table, alone in the leaf: its
// level gets the size, the others stay without one (−2).
TEST_F(Cpumod4OnProfile, DescriptorTable) {
    struct Row {
        std::uint32_t descriptor;
        std::int32_t level;
        std::int32_t size;
    };
    const Row rows[] = {
        {0x66, 0, 8},
        {0x67, 0, 16},
        {0x68, 0, 32},
        {0x70, 1, 12},
        {0x71, 1, 16},
        {0x72, 1, 32},
        {0x39, 2, 128},
        {0x3B, 2, 128},
        {0x79, 2, 128},
        {0x3A, 2, 192},
        {0x3C, 2, 256},
        {0x7A, 2, 256},
        {0x3D, 2, 384},
        {0x3E, 2, 512},
        {0x7B, 2, 512},
        {0x7C, 2, 1024},
        {0x22, 3, 512},
        {0x23, 3, 1024},
        {0x25, 3, 2048},
        {0x29, 3, 4096},
        {0x40, 3, 0},
        // Descriptors of other generations mean nothing here.
        {0x2C, -1, 0},
        {0x30, -1, 0},
        {0x49, -1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.descriptor);
        nlohmann::json profile = ReadProfile(kDesktopProfile4);
        SetCpuid(profile, 2, 0, "eax", (row.descriptor << 8) | 1u);
        for (const char* reg : {"ebx", "ecx", "edx"}) {
            SetCpuid(profile, 2, 0, reg, 0);
        }
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        auto* caches = Lookup<ICacheSizes>(root_, interface_id::kCacheSizes);
        for (std::int32_t level = 0; level < 4; ++level) {
            std::int32_t size = 0;
            std::int32_t unit = 0;
            EXPECT_EQ(caches->GetCacheSize(1, level, &size, &unit), result::kSuccess);
            EXPECT_EQ(size, level == row.level ? row.size : -2) << level;
        }
        caches->DropReference();
    }
}

TEST_F(Cpumod4OnProfile, InterfacesBeyondCacheSizesAreNotImplemented) {
    ASSERT_EQ(Initialise(ReadProfile(kDesktopProfile4)), result::kSuccess);
    for (const std::int32_t id : {interface_id::kCPUDetails, interface_id::kCPUCMPDetails,
                                  interface_id::kCPUPCIDetails, interface_id::kTDP}) {
        void* none = nullptr;
        EXPECT_EQ(root_->LookupInterface(id, &none), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(none, nullptr);
    }
}

TEST_F(Cpumod4OnProfile, OnlyFamily15IsAccepted) {
    nlohmann::json profile = ReadProfile(kDesktopProfile4);
    SetCpuid(profile, 1, 0, "eax", 0x00000629);
    EXPECT_EQ(Initialise(profile), result::kFamilyNotSix);
}

// The product-code table: stepping, platform, "Mobile" and frequency
// scaling; each code then takes the derive branch of the decision table.
struct ProductCase {
    const char* what;
    std::uint32_t stepping;
    int pcardId;
    int mobile;
    int scalingRatio;  // 0: no frequency scaling
    std::int32_t productCode;
    std::vector<std::int32_t> items;
    std::int32_t packageCode;
    std::int32_t logo;
};

TEST_F(Cpumod4OnProfile, ProductCodeTable) {
    const std::vector<ProductCase> cases = {
        {"desktop, earliest stepping", 4, 0, 0, 0, 48, {1, 3, 6, 9, 10, 11, 13}, 21, 105},
        {"dual-processor server", 4, 1, 0, 0, 49, {1, 3, 7, 9, 10, 11, 13}, 25, 107},
        {"multi-processor server, marked mobile", 7, 4, 1, 0, 49, {1, 3, 7, 9, 10, 11, 13}, 25, 107},
        {"value desktop", 5, 2, 0, 0, 50, {1, 3, 8, 9, 10, 11, 13}, 21, 108},
        {"mobile desktop part", 9, 0, 1, 0, 51, {1, 3, 4, 9, 10, 11, 13}, 22, 109},
        {"frequency scaling before stepping 7", 5, 0, 1, 20, 51, {1, 3, 4, 9, 10, 11, 13}, 22, 109},
        {"mobile with frequency scaling", 9, 0, 1, 20, 52, {1, 3, 4, 5, 9, 10, 11, 13, 14}, 22, 110},
        {"mobile value part", 7, 2, 1, 0, 53, {1, 3, 4, 8, 9, 10, 11, 13}, 22, 108},
        {"server part of stepping 9", 9, 1, 0, 0, 4, {1}, -2, 0},
        {"unassigned platform", 7, 3, 0, 0, 4, {1}, -2, 0},
        {"unknown stepping", 6, 0, 0, 0, 4, {1}, -2, 0},
    };
    for (const ProductCase& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile4);
        SetStepping(profile, c.stepping);
        SetPlatform(profile, c.pcardId, c.mobile);
        if (c.scalingRatio != 0) {
            SetScaling(profile, c.scalingRatio);
        }
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        EXPECT_EQ(Items(), c.items);
        std::string package;
        EXPECT_EQ(PackageCode(&package), c.packageCode);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        if (c.productCode == 4) {
            EXPECT_EQ(Name(), "Quarn(R) Processor (model not known to this module)");
            EXPECT_EQ(package, "Package not identified");
            EXPECT_EQ(expected.cpuMHz, 0.0f);
        } else {
            EXPECT_EQ(expected.cpuMHz, 3066.666f);
        }
        EXPECT_EQ(Logo(), c.logo);
    }
}

TEST_F(Cpumod4OnProfile, AnExtendedModelIsNotServed) {
    nlohmann::json profile = ReadProfile(kDesktopProfile4);
    SetCpuid(profile, 1, 0, "eax", 0x00010F29);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 4);
    EXPECT_EQ(Items(), (std::vector<std::int32_t>{1}));
}

TEST_F(Cpumod4OnProfile, SampleIsClearedAndNamedByItsLine) {
    nlohmann::json profile = ReadProfile(kMobileProfile4);
    SetBits(profile, "0x17", 49, 1, 0);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 52);
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 0.0f);
    EXPECT_EQ(Name(), "Mobile Quarn(R) Corvid(R) 4 Processor - M");
    EXPECT_EQ(Items(), (std::vector<std::int32_t>{1, 3, 4, 5, 11, 13, 14}));
}

// Expected bus by "FSBSel": four times the clock, no 0.5; 266.667 MHz only
// for the last desktop stepping at "FSBSel" 0.
struct BusCase {
    const char* what;
    std::uint32_t stepping;
    int pcardId;
    int fsbSel;
    std::int32_t productCode;
    float expectedBusMHz;
};

TEST_F(Cpumod4OnProfile, BusClockRows) {
    const std::vector<BusCase> cases = {
        {"0, stepping 7", 7, 0, 0, 48, 400.0f},
        {"0, the 1066 MT/s variant", 9, 0, 0, 48, 1066.668f},
        {"0, value part of stepping 9", 9, 2, 0, 50, 400.0f},
        {"1", 9, 0, 1, 48, 533.3332f},
        {"2", 9, 0, 2, 48, 800.0f},
        {"3", 9, 0, 3, 48, 666.6668f},
        {"4", 9, 0, 4, 4, 0.0f},
        {"7", 9, 0, 7, 4, 0.0f},
    };
    for (const BusCase& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile4);
        SetStepping(profile, c.stepping);
        SetPlatform(profile, c.pcardId, 0);
        SetBits(profile, "0x2C", 16, 3, static_cast<std::uint64_t>(c.fsbSel));
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        EXPECT_EQ(expected.busMHz, c.expectedBusMHz);
        EXPECT_EQ(expected.cpuMHz, c.productCode == 4 ? 0.0f : 3066.666f);
    }
}

TEST_F(Cpumod4OnProfile, MeasureSpeedsKeepsTheProductCodeInitializeDecided) {
    nlohmann::json profile = ReadProfile(kDesktopProfile4);
    SetBits(profile, "0x2C", 16, 3, 7);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    ASSERT_EQ(ProductCode(), 4);
    auto* speeds = Lookup<ISpeeds>(root_, interface_id::kSpeeds);
    float cpu = 0.0f;
    float bus = 0.0f;
    std::int32_t aux = 1;
    EXPECT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    speeds->DropReference();
    EXPECT_EQ(ProductCode(), 4);
    EXPECT_EQ(cpu, 3064.2f);
}

// The reported bus is the measured frequency over the selected ratio, × 4.
struct RatioCase {
    const char* what;
    void (*vary)(nlohmann::json&);
    float ratio;
};

TEST_F(Cpumod4OnProfile, RatioSelectionAndTheCodedRatio) {
    const std::vector<RatioCase> cases = {
        {"hot with the second thermal monitor: TM2Ratio",
         [](nlohmann::json& p) {
             SetLeaf1EcxBit(p, 8);
             SetBits(p, "0x1A0", 13, 1, 1);
             SetBits(p, "0x19D", 8, 5, 12);
             SetBits(p, "0x19C", 0, 1, 1);
             SetScaling(p, 18);
         },
         12.0f},
        {"hot without the second thermal monitor: EQRTRatio",
         [](nlohmann::json& p) {
             SetBits(p, "0x19C", 0, 1, 1);
             SetScaling(p, 18);
         },
         18.0f},
        {"frequency scaling below the power-on ratio", [](nlohmann::json& p) { SetScaling(p, 14); }, 14.0f},
        {"coded ratio 7 is 23", [](nlohmann::json&) {}, 23.0f},
        {"coded ratio 0 is 16", [](nlohmann::json& p) { SetBits(p, "0x2A", 22, 4, 0); }, 16.0f},
        {"coded ratio 8 is 8", [](nlohmann::json& p) { SetBits(p, "0x2A", 22, 4, 8); }, 8.0f},
        {"coded ratio 15 is 15", [](nlohmann::json& p) { SetBits(p, "0x2A", 22, 4, 15); }, 15.0f},
    };
    for (const RatioCase& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile4);
        SetMeasurement(profile, 1200.0f);
        c.vary(profile);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
        EXPECT_EQ(reported.cpuMHz, 1200.0f);
        EXPECT_EQ(reported.busMHz, 1200.0f / c.ratio * 4.0f);
    }
}

TEST_F(Cpumod4OnProfile, AMeasurementThatIsNotAFrequencyIsKeptAsZero) {
    nlohmann::json profile = ReadProfile(kDesktopProfile4);
    SetMeasurement(profile, -250.0f);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 0.0f);
    EXPECT_EQ(reported.busMHz, 0.0f);
    // The expected values stand.
    EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds).cpuMHz, 3066.666f);
    auto* speeds = Lookup<ISpeeds>(root_, interface_id::kSpeeds);
    float cpu = -1.0f;
    float bus = -1.0f;
    std::int32_t aux = 1;
    EXPECT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    EXPECT_EQ(cpu, 0.0f);
    EXPECT_EQ(bus, 0.0f);
    speeds->DropReference();
}

}  // namespace
