// The real Cpumod6.so on its bundled profiles and on variants of them: the
// bus clocks, the brand classes and their second step, the decision table,
// the ratio selection, the trace cache and the compatibility guide.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "profile_queries.h"
#include "sondrel/platform/bitmap.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

const fs::path kDesktopProfile = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod6/desktop_corvid4_630_f4.json";
const fs::path kServerProfile = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod6/server_bastra_7140m_f6.json";

nlohmann::json& Cpuid(nlohmann::json& profile, const char* leaf) {
    for (auto& entry : profile["packages"][0]["cpuid"]) {
        if (entry["leaf"] == leaf) {
            return entry;
        }
    }
    throw std::runtime_error(std::string("no leaf ") + leaf);
}

std::uint64_t Hex(const nlohmann::json& text) {
    return std::stoull(text.get<std::string>(), nullptr, 0);
}

std::string Hex32(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// Replaces `width` bits at `low` of an MSR.
void SetBits(nlohmann::json& profile, const char* msr, int low, int width, std::uint64_t value) {
    auto& entry = profile["packages"][0]["msr"][msr];
    const std::uint64_t mask = ((std::uint64_t{1} << width) - 1) << low;
    const std::uint64_t changed = (Hex(entry) & ~mask) | ((value << low) & mask);
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(changed));
    entry = text;
}

void SetSignature(nlohmann::json& profile, std::uint32_t family, std::uint32_t model, std::uint32_t stepping) {
    Cpuid(profile, "0x1")["eax"] = Hex32(family << 8 | model << 4 | stepping);
}

void SetBrand(nlohmann::json& profile, const std::string& brand) {
    char bytes[48] = {};
    std::memcpy(bytes, brand.data(), std::min(brand.size(), sizeof bytes));
    const char* leaves[] = {"0x80000002", "0x80000003", "0x80000004"};
    const char* registers[] = {"eax", "ebx", "ecx", "edx"};
    for (int leaf = 0; leaf < 3; ++leaf) {
        for (int r = 0; r < 4; ++r) {
            std::uint32_t value = 0;
            std::memcpy(&value, bytes + leaf * 16 + r * 4, sizeof value);
            Cpuid(profile, leaves[leaf])[registers[r]] = Hex32(value);
        }
    }
}

void SetMeasurements(nlohmann::json& profile, std::initializer_list<float> values) {
    auto& list = profile["packages"][0]["measurements"];
    list = nlohmann::json::array();
    for (const float value : values) {
        list.push_back({{"cpuMHz", value}});
    }
}

struct Cache {
    std::int32_t size;
    std::int32_t unit;
    bool operator==(const Cache&) const = default;
};

class Cpumod6OnProfile : public ModuleOnProfileTest {
protected:
    Cpumod6OnProfile() : ModuleOnProfileTest("Cpumod6.so") {}

    std::string Guide() {
        auto* details = Lookup<ICPUDetails>(root_, interface_id::kCPUDetails);
        char guide[11] = {};
        EXPECT_EQ(details->GetCompatibilityGuide(1, guide), result::kSuccess);
        details->DropReference();
        return guide;
    }
    std::array<Cache, 4> Caches() {
        auto* caches = Lookup<ICacheSizes>(root_, interface_id::kCacheSizes);
        std::array<Cache, 4> answer{};
        for (std::int32_t level = 0; level < 4; ++level) {
            auto& cache = answer[static_cast<std::size_t>(level)];
            EXPECT_EQ(caches->GetCacheSize(1, level, &cache.size, &cache.unit), result::kSuccess);
        }
        caches->DropReference();
        return answer;
    }
    std::int32_t InfoItem(std::int32_t item) {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        std::int32_t value = -1;
        EXPECT_EQ(info->GetInfoItem(1, item, &value), result::kSuccess);
        info->DropReference();
        return value;
    }
    std::pair<std::int32_t, std::string> Package() {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        std::int32_t code = 0;
        char name[61] = {};
        EXPECT_EQ(info->GetPackage(1, &code, name), result::kSuccess);
        info->DropReference();
        return {code, name};
    }
    ResultCode Logo() {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        BitmapHandle logo = nullptr;
        const ResultCode code = info->GetLogoBitmap(1, &logo);
        if (logo != nullptr) {
            platform::DestroyBitmap(logo);
        }
        info->DropReference();
        return code;
    }
};

TEST_F(Cpumod6OnProfile, DesktopPartWithTraceCacheAndCompatibilityGuide) {
    ASSERT_EQ(Initialise(ReadProfile(kDesktopProfile)), result::kSuccess);
    EXPECT_EQ(ProductCode(), 48);
    EXPECT_EQ(Name(), "Quarn(R) Corvid(R) 4 CPU 3.00GHz");
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 3000.0f);
    EXPECT_EQ(expected.busMHz, 800.0f);
    // 2991.2 at the refresh, within 1 %: snapped, the bus from ratio 15.
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 3000.0f);
    EXPECT_EQ(reported.busMHz, 800.0f);
    // Level 1 is the trace cache, in thousands of micro-operations.
    EXPECT_EQ(Caches(), (std::array<Cache, 4>{{{16, 1}, {12, 3}, {2048, 1}, {0, 1}}}));
    EXPECT_EQ(Guide(), "05A");
    EXPECT_EQ(Ask(root_, interface_id::kCPUDetails, &ICPUDetails::GetActiveCoreCount), 1);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{21, "QLG-775 desktop land grid array"}));
    EXPECT_EQ(Logo(), result::kSuccess);
    for (const std::int32_t item : {1, 3, 5, 6, 9, 10, 11, 12, 13, 15}) {
        EXPECT_EQ(InfoItem(item), 1) << item;
    }
    for (const std::int32_t item : {4, 7, 8}) {
        EXPECT_EQ(InfoItem(item), 0) << item;
    }
}

TEST_F(Cpumod6OnProfile, TwoCoreServerWithModelSixLevel3) {
    ASSERT_EQ(Initialise(ReadProfile(kServerProfile)), result::kSuccess);
    EXPECT_EQ(ProductCode(), 49);
    EXPECT_EQ(Name(), "Quarn(R) Bastra(R) CPU 7140M @ 3.40GHz");
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 3400.0f);
    EXPECT_EQ(expected.busMHz, 800.0f);
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 3400.0f);
    EXPECT_EQ(reported.busMHz, 800.0f);
    EXPECT_EQ(Caches(), (std::array<Cache, 4>{{{16, 1}, {12, 3}, {1024, 1}, {16384, 1}}}));
    EXPECT_EQ(Guide(), "");
    EXPECT_EQ(Ask(root_, interface_id::kCPUDetails, &ICPUDetails::GetActiveCoreCount), 2);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{25, "QPG-604 server pin grid array"}));
    EXPECT_EQ(InfoItem(6), 0);
    EXPECT_EQ(InfoItem(7), 1);
}

TEST_F(Cpumod6OnProfile, InterfacesFeaturesAndFamilyGate) {
    ASSERT_EQ(Initialise(ReadProfile(kDesktopProfile)), result::kSuccess);
    for (const std::int32_t id : {interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP}) {
        void* none = reinterpret_cast<void*>(1);
        EXPECT_EQ(root_->LookupInterface(id, &none), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(none, nullptr);
    }
    auto* features = Lookup<ICPUFeatures>(root_, interface_id::kCPUFeatures);
    std::int32_t state = -1;
    for (const std::int32_t code : {120, 130, 140, 150}) {
        EXPECT_EQ(features->GetFeature(1, code, &state), result::kUnknownFeature) << code;
    }
    EXPECT_EQ(features->GetFeature(1, 90, &state), result::kSuccess);
    EXPECT_EQ(state, 1);  // "C1E" reads 1
    EXPECT_EQ(features->GetFeature(1, 50, &state), result::kSuccess);
    EXPECT_EQ(state, 1);  // two threads on one core
    features->DropReference();

    nlohmann::json profile = ReadProfile(kDesktopProfile);
    SetSignature(profile, 6, 4, 3);
    EXPECT_EQ(Initialise(profile), result::kFamilyNotSix);
}

// Expected bus by "FSBSel" (4 × the clock, + 0.5 for 3); 4 to 7 are not in
// the table: not handled, no expected values.
TEST_F(Cpumod6OnProfile, BusClockRows) {
    struct Case {
        std::uint64_t fsbSel;
        std::int32_t productCode;
        float expectedBus;
    };
    const Case cases[] = {
        {0, 48, 4 * 266.6667f}, {1, 48, 4 * 133.3333f}, {2, 48, 800.0f},
        {3, 48, 4 * 166.6667f + 0.5f}, {4, 4, 0.0f}, {7, 4, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fsbSel);
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetBits(profile, "0x2C", 16, 3, c.fsbSel);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        EXPECT_EQ(expected.busMHz, c.expectedBus);
        EXPECT_EQ(expected.cpuMHz, c.productCode == 4 ? 0.0f : 3000.0f);
        // A processor the decision leaves not handled has no guide either.
        EXPECT_EQ(Guide(), c.productCode == 4 ? "" : "05A");
    }
}

// Every brand rule once, and the second step's model rules.
TEST_F(Cpumod6OnProfile, BrandClassesAndTheirSecondStep) {
    struct Case {
        const char* brand;
        std::uint32_t model;
        std::uint32_t stepping;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {"Quarn(R) Corvid(R) 4 CPU 3.00GHz", 3, 4, 48},
        {"Quarn(R) Corvid(R) 4 CPU 3.00GHz", 6, 5, 48},
        {"Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz", 3, 4, 52},
        {"Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz", 6, 5, 4},
        {"Genuine Quarn(R) CPU 3.00GHz", 4, 3, 56},
        {"Quarn(R) Dunlin(R) D CPU 3.00GHz", 4, 3, 59},
        {"Quarn(R) Dunlin(R) CPU 3.00GHz", 3, 3, 59},
        {"Quarn(R) Corvid(R) D CPU 3.00GHz", 4, 7, 58},
        {"Quarn(R) Corvid(R) D CPU 3.00GHz", 3, 4, 4},
        {"Quarn(R) Bastra(TM) CPU 3.00GHz", 4, 1, 49},
        {"Quarn(R) Bastra(TM) DP CPU 3.00GHz", 4, 3, 49},
        {"Quarn(R) Bastra(TM) MP CPU 3.00GHz", 4, 3, 49},
        {"Quarn(R) Bastra(R) CPU 3.00GHz", 6, 8, 49},
        {"Quarn(R) Bastra(R) DP CPU 3.00GHz", 4, 3, 49},
        {"Quarn(R) Bastra(R) MP CPU 3.00GHz", 6, 8, 49},
        {"Quarn(R) Corvid(R) 4 Extreme CPU 3.00GHz", 4, 3, 4},
        {"", 4, 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.brand) + " on model " + std::to_string(c.model));
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetBrand(profile, c.brand);
        SetSignature(profile, 15, c.model, c.stepping);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        // Product code 4 keeps item 1 only.
        EXPECT_EQ(InfoItem(3), c.productCode == 4 ? 0 : 1);
        if (c.productCode == 4) {
            EXPECT_EQ(Name(), "Quarn(R) Processor (model not known to this module)");
            EXPECT_EQ(Logo(), result::kNoLogoBitmap);
            EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{-2, "Package not identified"}));
        }
    }
}

// Each row of the decision table: derive for production parts, clear for
// samples and for parts whose "Production" field reads 0, and anything
// else (another stepping, a code the model did not make) unsupported.
TEST_F(Cpumod6OnProfile, DecisionTableRows) {
    struct Case {
        const char* what;
        const char* brand;
        std::uint32_t model;
        std::uint32_t stepping;
        std::uint64_t production;
        std::int32_t productCode;
        float expectedCpu;
        const char* name;
    };
    const char* desktop = "Quarn(R) Corvid(R) 4 CPU 3.00GHz";
    const char* twoCore = "Quarn(R) Corvid(R) D CPU 3.00GHz";
    const char* mobile = "Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz";
    const Case cases[] = {
        {"model 3 derives", mobile, 3, 3, 1, 52, 3000.0f, "Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz"},
        {"model 3 stepping 5 unsupported", desktop, 3, 5, 1, 4, 0.0f, nullptr},
        {"model 4 derives", twoCore, 4, 10, 1, 58, 3000.0f, "Quarn(R) Corvid(R) D CPU 3.00GHz"},
        {"model 4 stepping 0 unsupported", desktop, 4, 0, 1, 4, 0.0f, nullptr},
        {"model 6 derives", twoCore, 6, 2, 1, 58, 3000.0f, "Quarn(R) Corvid(R) D CPU 3.00GHz"},
        {"model 6 stepping 9 unsupported", desktop, 6, 9, 1, 4, 0.0f, nullptr},
        {"sample cleared", "Genuine Quarn(R) CPU 3.00GHz", 6, 4, 1, 56, 0.0f,
         "Genuine Quarn(R) Processor (pre-release sample)"},
        {"not a production part: cleared", desktop, 4, 3, 0, 48, 0.0f, "Quarn(R) Corvid(R) 4 Processor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetBrand(profile, c.brand);
        SetSignature(profile, 15, c.model, c.stepping);
        SetBits(profile, "0x17", 49, 1, c.production);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds).cpuMHz, c.expectedCpu);
        if (c.name != nullptr) {
            EXPECT_EQ(Name(), c.name);
        }
    }
}

// No expected values ("Production" 0), so the reported bus is the refresh's
// measurement ÷ the selected ratio × 4.
TEST_F(Cpumod6OnProfile, RatioSelection) {
    struct Case {
        const char* what;
        const char* brand;
        std::uint64_t hot;
        float ratio;
    };
    const Case cases[] = {
        {"the mobile line runs at MaxFSBRatio", "Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz", 1, 18.0f},
        {"hot with the second thermal monitor: TM2Ratio", "Quarn(R) Corvid(R) 4 CPU 3.00GHz", 1, 14.0f},
        {"otherwise Limit", "Quarn(R) Corvid(R) 4 CPU 3.00GHz", 0, 15.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetBrand(profile, c.brand);
        SetBits(profile, "0x17", 49, 1, 0);
        SetBits(profile, "0x2C", 0, 8, 18);
        SetBits(profile, "0x19C", 0, 1, c.hot);
        SetMeasurements(profile, {2400.0f});
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
        EXPECT_EQ(reported.cpuMHz, 2400.0f);
        EXPECT_EQ(reported.busMHz, 2400.0f / c.ratio * 4.0f);
    }
    // Without the second thermal monitor "TM2Ratio" is not read and a hot part keeps "Limit".
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    Cpuid(profile, "0x1")["ecx"] = Hex32(0x0000649D);
    SetBits(profile, "0x17", 49, 1, 0);
    SetBits(profile, "0x19C", 0, 1, 1);
    SetMeasurements(profile, {2400.0f});
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetReportedSpeeds).busMHz, 2400.0f / 15.0f * 4.0f);
}

TEST_F(Cpumod6OnProfile, CompatibilityGuideByModelAndField) {
    struct Case {
        const char* what;
        const char* brand;
        std::uint32_t model;
        std::uint64_t pcGuide;
        std::uint64_t mobile;
        const char* guide;
    };
    const Case cases[] = {
        {"model 3", "Quarn(R) Dunlin(R) D CPU 3.00GHz", 3, 0, 0, "04A"},
        {"model 3, higher power", "Quarn(R) Corvid(R) 4 CPU 3.00GHz", 3, 1, 0, "04B"},
        {"model 4, higher power", "Quarn(R) Corvid(R) 4 CPU 3.00GHz", 4, 1, 0, "05B"},
        {"model 6", "Quarn(R) Corvid(R) D CPU 3.00GHz", 6, 0, 0, "06"},
        {"pin grid array part", "Quarn(R) Corvid(R) 4 CPU 3.00GHz", 4, 0, 1, ""},
        {"mobile line", "Mobile Quarn(R) Corvid(R) 4 CPU 3.00GHz", 4, 0, 0, ""},
        {"not handled", "Quarn(R) Corvid(R) D CPU 3.00GHz", 3, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetBrand(profile, c.brand);
        SetSignature(profile, 15, c.model, 4);
        SetBits(profile, "0x1A1", 18, 1, c.pcGuide);
        SetBits(profile, "0x2C", 21, 1, c.mobile);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(Guide(), c.guide);
    }
}

// The level-3 descriptors 4Ah to 4Ch read differently before model 6; the
// two-core server of model 6 has a logo of its own.
TEST_F(Cpumod6OnProfile, ModelDependentLevel3AndLogo) {
    struct Case {
        std::uint32_t model;
        std::uint32_t descriptor;
        std::int32_t level3;
    };
    const Case cases[] = {
        {4, 0x4A, 4096}, {6, 0x4A, 6144}, {4, 0x4B, 6144}, {6, 0x4B, 8192},
        {4, 0x4C, 8192}, {6, 0x4C, 12288}, {6, 0x49, 4096}, {4, 0x4D, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + "/" + std::to_string(c.descriptor));
        nlohmann::json profile = ReadProfile(kServerProfile);
        SetSignature(profile, 15, c.model, 4);
        Cpuid(profile, "0x2")["edx"] = Hex32(c.descriptor << 24 | 0x7C7060);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(Caches()[3].size, c.level3);
        EXPECT_EQ(Logo(), result::kSuccess);
    }
}

TEST_F(Cpumod6OnProfile, MeasureSpeedsSnapsAndReportsTheBusByTheRatio) {
    nlohmann::json profile = ReadProfile(kServerProfile);
    SetMeasurements(profile, {3366.8f, 3366.8f, 3390.1f, 3390.1f, 3000.0f});
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    auto* speeds = Lookup<ISpeeds>(root_, interface_id::kSpeeds);
    float cpu = -1.0f;
    float bus = -1.0f;
    std::int32_t aux = 1;
    ASSERT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    EXPECT_EQ(cpu, 3400.0f);
    EXPECT_EQ(bus, 800.0f);
    // Far below the rating: not snapped, the bus from ratio 17.
    ASSERT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    EXPECT_EQ(cpu, 3000.0f);
    EXPECT_EQ(bus, 3000.0f / 17.0f * 4.0f);
    speeds->DropReference();
}

TEST_F(Cpumod6OnProfile, AnUnreadRegisterFieldFailsInitialize) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    profile["packages"][0]["faults"] = {{"unreadFields", {"PCGuide"}}};
    EXPECT_EQ(Initialise(profile), result::kRegisterFieldUnread);
}

}  // namespace
