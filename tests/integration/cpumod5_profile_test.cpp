// The real Cpumod5.so on its bundled profiles and on variants of them: the
// bus-clock rows and the fixed clock of model 9, the ratio selection, every
// row of the decision table, each brand rule, the descriptor table, and the
// interfaces, logos and items this generation answers differently.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "profile_queries.h"
#include "sondrel/platform/bitmap.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

const fs::path kCorvidProfile = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod5/mobile_corvid_m_0d.json";
const fs::path kDuoProfile = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod5/mobile_vantor_duo_0e.json";

std::uint64_t MsrValue(const nlohmann::json& profile, const char* msr) {
    return std::stoull(profile["packages"][0]["msr"][msr].get<std::string>(), nullptr, 0);
}

// Replaces `width` bits at `low` of an MSR.
void SetBits(nlohmann::json& profile, const char* msr, int low, int width, std::uint64_t value) {
    const std::uint64_t mask = ((std::uint64_t{1} << width) - 1) << low;
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX",
                  static_cast<unsigned long long>((MsrValue(profile, msr) & ~mask) | ((value << low) & mask)));
    profile["packages"][0]["msr"][msr] = text;
}

void SetMeasurements(nlohmann::json& profile, std::initializer_list<float> values) {
    profile["packages"][0]["measurements"] = nlohmann::json::array();
    for (const float mhz : values) {
        profile["packages"][0]["measurements"].push_back({{"cpuMHz", mhz}});
    }
}

// Family 6, extended model 0, the given model and stepping.
void SetModel(nlohmann::json& profile, std::uint32_t model, std::uint32_t stepping = 8) {
    SetCpuid(profile, 1, 0, "eax", 0x600u | (model << 4) | stepping);
}

// The brand string, in leaves 80000002h to 80000004h.
void SetBrand(nlohmann::json& profile, const std::string& brand) {
    char text[48] = {};
    brand.copy(text, sizeof text - 1);
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
        const char* names[] = {"eax", "ebx", "ecx", "edx"};
        for (std::uint32_t reg = 0; reg < 4; ++reg) {
            std::uint32_t value = 0;
            std::memcpy(&value, text + leaf * 16 + reg * 4, sizeof value);
            SetCpuid(profile, 0x80000002u + leaf, 0, names[reg], value);
        }
    }
}

constexpr std::uint32_t kFrequencyScaling = 1u << 7;
constexpr std::uint32_t kSecondThermalMonitor = 1u << 8;

class Cpumod5OnProfile : public ModuleOnProfileTest {
protected:
    Cpumod5OnProfile() : ModuleOnProfileTest("Cpumod5.so") {}

    std::int32_t Item(std::int32_t item) {
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
        if (code == result::kSuccess) {
            EXPECT_NE(logo, nullptr);
            platform::DestroyBitmap(logo);
        }
        info->DropReference();
        return code;
    }
};

TEST_F(Cpumod5OnProfile, SingleCoreMobilePartOnA533Bus) {
    ASSERT_EQ(Initialise(ReadProfile(kCorvidProfile)), result::kSuccess);
    EXPECT_EQ(ProductCode(), 54);
    EXPECT_EQ(Name(), "Quarn(R) Corvid(R) M processor 1.73GHz");
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 1733.333f);
    EXPECT_EQ(expected.busMHz, 533.3332f);
    // 1731.9 measured at the refresh, snapped; the bus follows from ratio 13.
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 1733.333f);
    EXPECT_FLOAT_EQ(reported.busMHz, 533.3332f);
    EXPECT_EQ(CacheSizes(root_), (std::array<std::int32_t, 4>{32, 32, 2048, -2}));
    EXPECT_EQ(Ask(root_, interface_id::kCPUDetails, &ICPUDetails::GetActiveCoreCount), 1);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{22, "QPG-478 mobile pin grid array"}));
    EXPECT_EQ(Logo(), result::kSuccess);
    for (const std::int32_t item : {1, 3, 4, 5, 11, 15}) {
        EXPECT_EQ(Item(item), 1) << item;
    }
    for (const std::int32_t item : {6, 7, 12, 16}) {
        EXPECT_EQ(Item(item), 0) << item;
    }
}

TEST_F(Cpumod5OnProfile, TwoCorePartOnA667Bus) {
    ASSERT_EQ(Initialise(ReadProfile(kDuoProfile)), result::kSuccess);
    EXPECT_EQ(ProductCode(), 61);
    EXPECT_EQ(Name(), "Quarn(R) Vantor(TM) Duo CPU T2500 @ 2.00GHz");
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, 2000.0f);
    EXPECT_EQ(expected.busMHz, 667.1668f);
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 2000.0f);
    EXPECT_FLOAT_EQ(reported.busMHz, 2000.0f / 12.0f * 4.0f + 0.5f);
    EXPECT_EQ(CacheSizes(root_), (std::array<std::int32_t, 4>{32, 32, 2048, -2}));
    EXPECT_EQ(Ask(root_, interface_id::kCPUDetails, &ICPUDetails::GetActiveCoreCount), 2);
}

TEST_F(Cpumod5OnProfile, InterfacesBeyondCpuDetailsAreNotImplemented) {
    ASSERT_EQ(Initialise(ReadProfile(kDuoProfile)), result::kSuccess);
    for (const std::int32_t id : {interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP}) {
        void* found = reinterpret_cast<void*>(1);
        EXPECT_EQ(root_->LookupInterface(id, &found), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(found, nullptr);
    }
    auto* features = Lookup<ICPUFeatures>(root_, interface_id::kCPUFeatures);
    std::int32_t state = -1;
    for (const std::int32_t code : {120, 130, 140, 150}) {
        EXPECT_EQ(features->GetFeature(1, code, &state), result::kUnknownFeature) << code;
    }
    for (const std::int32_t code : {10, 20, 30, 50, 60, 70, 80, 90, 100}) {
        EXPECT_EQ(features->GetFeature(1, code, &state), result::kSuccess) << code;
    }
    features->DropReference();
}

// Expected bus by "FSBSel" on the two-core part (model 14); values outside
// the table leave the processor not handled without expected values.
TEST_F(Cpumod5OnProfile, EveryBusClockRow) {
    struct Case {
        std::uint64_t fsbSel;
        std::int32_t productCode;
        float expectedBus;
    };
    const Case cases[] = {
        {0, 61, 400.0f},   {1, 61, 533.3332f}, {2, 61, 800.0f}, {3, 61, 667.1668f},
        {5, 61, 400.0f},   {4, 4, 0.0f},       {6, 4, 0.0f},    {7, 4, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fsbSel);
        nlohmann::json profile = ReadProfile(kDuoProfile);
        SetBits(profile, "0xCD", 0, 3, c.fsbSel);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        EXPECT_EQ(expected.busMHz, c.expectedBus);
        EXPECT_EQ(expected.cpuMHz, c.productCode == 4 ? 0.0f : 2000.0f);
    }
}

// Model 9 runs at 100 MHz whatever "FSBSel" says, and its "FSBSel" counts
// as 0: no half megahertz, and a value outside the table is no obstacle.
TEST_F(Cpumod5OnProfile, Model9IsAlwaysOnTheHundredMegahertzBus) {
    for (const std::uint64_t fsbSel : {1u, 3u, 7u}) {
        SCOPED_TRACE(fsbSel);
        nlohmann::json profile = ReadProfile(kCorvidProfile);
        SetModel(profile, 9, 5);
        SetBrand(profile, "Quarn(R) Corvid(R) M processor 1.30GHz");
        SetBits(profile, "0x2A", 22, 5, 13);
        SetBits(profile, "0x198", 8, 5, 13);
        SetBits(profile, "0xCD", 0, 3, fsbSel);
        SetMeasurements(profile, {1299.0f, 1298.2f});
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), 54);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        EXPECT_EQ(expected.cpuMHz, 1300.0f);
        EXPECT_EQ(expected.busMHz, 400.0f);
        const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
        EXPECT_EQ(reported.cpuMHz, 1300.0f);
        EXPECT_EQ(reported.busMHz, 400.0f);
        EXPECT_EQ(Logo(), result::kSuccess);
    }
}

// With a production field of 0 nothing is snapped, so the reported bus is
// the measured 2400 ÷ the selected ratio × 4 (plus 0.5 on "FSBSel" 3).
TEST_F(Cpumod5OnProfile, TheRatioSelectionDrivesTheReportedBus) {
    struct Case {
        const char* what;
        std::uint32_t leaf1Ecx;
        std::uint64_t limit, eqrt, tm2, hot;
        float ratio;
    };
    const std::uint32_t both = kFrequencyScaling | kSecondThermalMonitor;
    const Case cases[] = {
        {"hot with the second monitor: TM2Ratio", both, 12, 12, 6, 1, 6.0f},
        {"hot without the second monitor: the larger ratio", kFrequencyScaling, 12, 10, 6, 1, 12.0f},
        {"EQRTRatio above the limit", both, 10, 12, 6, 0, 12.0f},
        {"limit above EQRTRatio", both, 12, 8, 6, 0, 12.0f},
        {"no frequency scaling: EQRTRatio is not read", kSecondThermalMonitor, 9, 12, 6, 0, 9.0f},
        {"no ratio at all", both, 0, 0, 6, 0, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kDuoProfile);
        SetCpuid(profile, 1, 0, "ecx", (GetCpuid(profile, 1, 0, "ecx") & ~both) | c.leaf1Ecx);
        SetBits(profile, "0x17", 27, 1, 0);
        SetBits(profile, "0x2A", 22, 5, c.limit);
        SetBits(profile, "0x198", 8, 5, c.eqrt);
        SetBits(profile, "0x19D", 8, 5, c.tm2);
        SetBits(profile, "0x19C", 0, 1, c.hot);
        SetMeasurements(profile, {2400.0f});
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
        EXPECT_EQ(reported.cpuMHz, 2400.0f);
        EXPECT_EQ(reported.busMHz, c.ratio > 0.0f ? 2400.0f / c.ratio * 4.0f + 0.5f : 0.0f);
    }
}

// Each brand rule once, on a model that carries its line, and the decision
// table's rows: a line on its model derives, a sample clears, a line on a
// model that never carried it, a model of another extended model and a
// model the module does not serve are not handled.
TEST_F(Cpumod5OnProfile, BrandRulesAndDecisionRows) {
    struct Case {
        const char* brand;
        std::uint32_t model;
        std::int32_t productCode;
        bool derived;
    };
    const Case cases[] = {
        {"Quarn(R) Corvid(R) M processor 2.00GHz", 13, 54, true},
        {"Mobile Quarn(R) Dunlin(R) processor 2.00GHz", 9, 55, true},
        {"Quarn(R) Dunlin(R) M processor 2.00GHz", 13, 57, true},
        {"Quarn(R) Dunlin(R) M processor 2.00GHz", 14, 63, true},
        {"Quarn(R) Dunlin(R) M CPU 440 @ 2.00GHz", 14, 63, true},
        {"Quarn(R) Vantor(TM) Solo CPU T1400 @ 2.00GHz", 14, 60, true},
        {"Quarn(R) Vantor(TM) Duo CPU T2500 @ 2.00GHz", 14, 61, true},
        {"Quarn(R) Bastra(R) CPU LV 2.00GHz", 14, 64, true},
        {"Quarn(R) Bastra(TM) CPU LV 2.00GHz", 14, 64, true},
        {"Quarn(R) Corvid(R) Dual-Core CPU T2130 2.00GHz", 14, 69, true},
        {"Quarn(R) Dunlin(R) CPU 215 @ 2.00GHz", 14, 74, true},
        {"Genuine Quarn(R) CPU 2.00GHz", 9, 62, false},
        {"Genuine Quarn(R) CPU 2.00GHz", 13, 62, false},
        {"Genuine Quarn(R) CPU 2.00GHz", 14, 62, false},
        {"Quarn(R) Corvid(R) M processor 2.00GHz", 14, 4, false},
        {"Quarn(R) Vantor(TM) Duo CPU T2500 @ 2.00GHz", 13, 4, false},
        {"Quarn(R) Vantor(TM) Duo CPU T2500 @ 2.00GHz", 15, 4, false},
        {"Quarn(R) Vantor(TM)2 Duo CPU T7200 @ 2.00GHz", 14, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.brand) + " on model " + std::to_string(c.model));
        nlohmann::json profile = ReadProfile(kDuoProfile);
        SetModel(profile, c.model);
        SetBrand(profile, c.brand);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        EXPECT_EQ(ProductCode(), c.productCode);
        const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
        EXPECT_EQ(expected.cpuMHz, c.derived ? 2000.0f : 0.0f);
    }
}

TEST_F(Cpumod5OnProfile, ExtendedModelOtherThan0IsNotHandled) {
    nlohmann::json profile = ReadProfile(kDuoProfile);
    SetCpuid(profile, 1, 0, "eax", 0x106E8u);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 4);
    EXPECT_EQ(Name(), "Quarn(R) Processor (model not known to this module)");
    // Item 1 alone; no logo, no package.
    EXPECT_EQ(Item(1), 1);
    for (const std::int32_t item : {3, 4, 5, 11, 14, 15}) {
        EXPECT_EQ(Item(item), 0) << item;
    }
    EXPECT_EQ(Logo(), result::kNoLogoBitmap);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{-2, "Package not identified"}));
}

// A sample, and a line read as not in production, are cleared: no expected
// values, and the emptied name is refilled with the product line.
TEST_F(Cpumod5OnProfile, ClearedProcessorsTakeTheirLinesName) {
    nlohmann::json profile = ReadProfile(kCorvidProfile);
    SetBits(profile, "0x17", 27, 1, 0);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 54);
    EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds).cpuMHz, 0.0f);
    EXPECT_EQ(Name(), "Quarn(R) Corvid(R) M Processor");

    profile = ReadProfile(kCorvidProfile);
    SetBrand(profile, "Genuine Quarn(R) CPU 1.73GHz");
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 62);
    EXPECT_EQ(Name(), "Genuine Quarn(R) Processor (pre-release sample)");
    EXPECT_EQ(Logo(), result::kNoLogoBitmap);
}

// Packages: the "Mobile" field picks the socketed or the soldered array;
// the server line has its own.
TEST_F(Cpumod5OnProfile, PackagesByLineAndMobileField) {
    nlohmann::json profile = ReadProfile(kDuoProfile);
    SetBits(profile, "0x17", 28, 1, 0);
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{26, "QBG-479 mobile ball grid array"}));
    EXPECT_EQ(Item(4), 0);

    SetBrand(profile, "Quarn(R) Bastra(R) CPU LV 2.00GHz");
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    EXPECT_EQ(ProductCode(), 64);
    EXPECT_EQ(Package(), (std::pair<std::int32_t, std::string>{25, "QPG-479 low-voltage server pin grid array"}));
}

// MeasureSpeeds snaps within 1 % of the rated frequency, keeps a value
// further off as measured, and stores nothing when the measurement fails.
TEST_F(Cpumod5OnProfile, MeasureSpeedsSnapsOrFailsWithoutTouchingTheStoredValues) {
    nlohmann::json profile = ReadProfile(kCorvidProfile);
    SetMeasurements(profile, {1731.9f, 1731.9f, 1729.0f, 1729.0f, 1700.0f, 1700.0f});
    profile["packages"][0]["measurements"].push_back({{"fail", "0x80041F40"}});
    ASSERT_EQ(Initialise(profile), result::kSuccess);
    auto* speeds = Lookup<ISpeeds>(root_, interface_id::kSpeeds);
    float cpu = -1.0f;
    float bus = -1.0f;
    std::int32_t aux = 1;
    ASSERT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    EXPECT_EQ(cpu, 1733.333f);
    EXPECT_FLOAT_EQ(bus, 533.3332f);
    ASSERT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kSuccess);
    EXPECT_EQ(cpu, 1700.0f);
    EXPECT_FLOAT_EQ(bus, 1700.0f / 13.0f * 4.0f);
    cpu = bus = -1.0f;
    EXPECT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 5, &aux, 0), result::kUnexpectedFailure);
    EXPECT_EQ(cpu, -1.0f);
    EXPECT_EQ(bus, -1.0f);
    const Speeds reported = AskSpeeds(root_, &ISpeeds::GetReportedSpeeds);
    EXPECT_EQ(reported.cpuMHz, 1700.0f);
    speeds->DropReference();
}

// Every row of the descriptor table, one descriptor at a time; 40h means no
// cache at levels 2 and 3. A level without a descriptor stays -2.
TEST_F(Cpumod5OnProfile, CacheDescriptors) {
    struct Row {
        std::uint32_t descriptor;
        std::size_t level;
        std::int32_t size;
    };
    const Row rows[] = {
        {0x0A, 0, 8},    {0x66, 0, 8},    {0x0C, 0, 16},   {0x60, 0, 16},   {0x67, 0, 16},   {0x2C, 0, 32},
        {0x62, 0, 32},   {0x68, 0, 32},   {0x06, 1, 8},    {0x08, 1, 16},   {0x30, 1, 32},   {0x39, 2, 128},
        {0x3B, 2, 128},  {0x41, 2, 128},  {0x79, 2, 128},  {0x3A, 2, 192},  {0x3C, 2, 256},  {0x42, 2, 256},
        {0x7A, 2, 256},  {0x82, 2, 256},  {0x3D, 2, 384},  {0x3E, 2, 512},  {0x43, 2, 512},  {0x7B, 2, 512},
        {0x7F, 2, 512},  {0x83, 2, 512},  {0x86, 2, 512},  {0x44, 2, 1024}, {0x78, 2, 1024}, {0x7C, 2, 1024},
        {0x84, 2, 1024}, {0x87, 2, 1024}, {0x45, 2, 2048}, {0x7D, 2, 2048}, {0x85, 2, 2048}, {0x40, 2, 0},
        {0x40, 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.descriptor);
        nlohmann::json profile = ReadProfile(kCorvidProfile);
        SetCpuid(profile, 2, 0, "edx", row.descriptor << 8);
        ASSERT_EQ(Initialise(profile), result::kSuccess);
        std::array<std::int32_t, 4> want = {-2, -2, -2, -2};
        want[row.level] = row.size;
        if (row.descriptor == 0x40) {
            want[2] = want[3] = 0;
        }
        EXPECT_EQ(CacheSizes(root_), want);
    }
}

}  // namespace
