// Every processor profile shipped in profiles/ runs through Cpumod12.so.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "profile_queries.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

using Quad = std::array<std::int32_t, 4>;

// What each bundled profile answers, as worked out in docs/profiles.md.
struct Expected {
    Quad cacheSizes;
    Quad cacheCounts;
    std::int32_t maxCores;
    std::int32_t packageThreads;
    std::int32_t threadCount;
    std::int32_t packageCount;
    std::int32_t graphicsCode;
    std::int32_t baseTdp;
    Speeds expected;
    // Set by the naming rules: the product code, and the reported frequency
    // of the profiles whose expected values are derived.
    std::int32_t productCode;
    Speeds reported;
};

const std::map<std::string, Expected>& BundledProfiles() {
    static const std::map<std::string, Expected> profiles = {
        {"default.json",
         {{32, 32, 256, 12288},
          {6, 6, 6, 1},
          6,
          12,
          12,
          1,
          6,
          95,
          {3700.0f, 100.0f},
          148,
          {3700.0f, 100.0f}}},
        {"mobile_vantor_m7_4e.json",
         {{32, 32, 256, 4096}, {2, 2, 2, 1}, 2, 4, 4, 1, 3, 4, {0.0f, 0.0f}, 114, {2394.6f, 100.0f}}},
        {"server_bastra_gold_55.json",
         {{32, 32, 1024, 11264}, {8, 8, 8, 1}, 8, 16, 16, 2, -3, 150, {0.0f, 0.0f}, 143, {2996.4f, 100.0f}}},
        {"mobile_vantor_i5_8e.json",
         {{32, 32, 256, 6144}, {4, 4, 4, 1}, 4, 8, 8, 1, 6, 15, {1600.0f, 100.0f}, 150, {1600.0f, 100.0f}}},
        {"desktop_vantor_i5_9e.json",
         {{32, 32, 256, 9216}, {6, 6, 6, 1}, 6, 6, 6, 1, 11, 65, {0.0f, 0.0f}, 147, {3897.2f, 100.0f}}},
    };
    return profiles;
}

std::vector<fs::path> BundledProfileFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(SONDREL_SOURCE_DIR) / "profiles")) {
        if (entry.path().extension() == ".json") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The signatures Cpumod12 serves (family 6); the profiles of other modules
// are checked by those modules' tests.
bool ServedByCpumod12(const fs::path& file) {
    constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 5> kServed = {
        {{4, 14}, {5, 5}, {5, 14}, {8, 14}, {9, 14}}};
    const std::uint32_t eax = GetCpuid(ReadProfile(file), 1, 0, "eax");
    const std::pair signature{(eax >> 16) & 0xFu, (eax >> 4) & 0xFu};
    return ((eax >> 8) & 0xFu) == 6 && std::find(kServed.begin(), kServed.end(), signature) != kServed.end();
}

TEST(BundledProfiles, EveryProfileInitialisesAndIsDocumented) {
    const auto files = BundledProfileFiles();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        if (!ServedByCpumod12(file)) {
            continue;
        }
        SCOPED_TRACE(file.filename().string());
        EXPECT_EQ(BundledProfiles().count(file.filename().string()), 1u)
            << "no expectations for this profile";
        ModuleOnProfile harness;
        harness.UseProfileFile(file);
        IFreqIDUnknown* root = harness.Create();
        ASSERT_NE(root, nullptr);
        auto* init = Lookup<IInitializePM>(root, interface_id::kInitializePM);
        EXPECT_EQ(init->Initialize(1), result::kSuccess);
        init->DropReference();
        root->DropReference();
    }
    EXPECT_TRUE(fs::exists(fs::path(SONDREL_SOURCE_DIR) / "profiles/default.json"));
}

class BundledProfile : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        harness_.UseProfileFile(fs::path(SONDREL_SOURCE_DIR) / "profiles" / GetParam());
        root_ = harness_.Create();
        ASSERT_NE(root_, nullptr);
        auto* init = Lookup<IInitializePM>(root_, interface_id::kInitializePM);
        ASSERT_EQ(init->Initialize(1), result::kSuccess);
        init->DropReference();
    }
    void TearDown() override {
        if (root_ != nullptr) {
            root_->DropReference();
        }
    }
    const Expected& Want() const { return BundledProfiles().at(GetParam()); }

    ModuleOnProfile harness_;
    IFreqIDUnknown* root_ = nullptr;
};

TEST_P(BundledProfile, AnswersAsDocumented) {
    const Expected& want = Want();
    EXPECT_EQ(CacheSizes(root_), want.cacheSizes);
    EXPECT_EQ(CacheCounts(root_), want.cacheCounts);
    EXPECT_EQ(Ask(root_, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetMaxCoreCount), want.maxCores);
    EXPECT_EQ(Ask(root_, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetPackageThreadCount),
              want.packageThreads);
    EXPECT_EQ(Ask(root_, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetThreadCount), want.threadCount);
    EXPECT_EQ(Ask(root_, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetPackageCount), want.packageCount);
    EXPECT_EQ(Ask(root_, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetDisabledCoreCount), 0);
    EXPECT_EQ(Ask(root_, interface_id::kCPUPCIDetails, &ICPUPCIDetails::GetGraphicsCode), want.graphicsCode);
    EXPECT_EQ(Ask(root_, interface_id::kTDP, &ITDP::GetBaseTDP), want.baseTdp);
    const Speeds expected = AskSpeeds(root_, &ISpeeds::GetExpectedSpeeds);
    EXPECT_EQ(expected.cpuMHz, want.expected.cpuMHz);
    EXPECT_EQ(expected.busMHz, want.expected.busMHz);
    EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetReportedSpeeds).busMHz, 100.0f);
}

TEST_P(BundledProfile, ClassifiesAndReportsAsDocumented) {
    const Expected& want = Want();
    EXPECT_EQ(Ask(root_, interface_id::kCPUInfo, &ICPUInfo::GetProductCode), want.productCode);
    EXPECT_EQ(AskSpeeds(root_, &ISpeeds::GetReportedSpeeds).cpuMHz, want.reported.cpuMHz);
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& [name, expected] : BundledProfiles()) {
        names.push_back(name);
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(Profiles, BundledProfile, ::testing::ValuesIn(Names()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param.substr(0, param.param.find('.'));
                             std::replace(name.begin(), name.end(), '_', ' ');
                             name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                             return name;
                         });

}  // namespace
