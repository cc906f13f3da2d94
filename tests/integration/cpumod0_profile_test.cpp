// The real Cpumod0.so on its bundled profile: the few interfaces it has,
// what it answers and how its initialisation fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "profile_queries.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

const fs::path kFutureProfile = fs::path(SONDREL_SOURCE_DIR) / "profiles/cpumod0/future_family6_a5.json";

class Cpumod0OnProfile : public ::testing::Test {
protected:
    void TearDown() override {
        if (root_ != nullptr) {
            root_->DropReference();
        }
    }
    ResultCode Initialise(const nlohmann::json& profile) {
        const Initialised result = InitialiseOn(harness_, profile);
        root_ = result.root;
        return result.code;
    }

    ModuleOnProfile harness_{"Cpumod0.so"};
    IFreqIDUnknown* root_ = nullptr;
};

TEST_F(Cpumod0OnProfile, AnswersOnlyItsInformationInterfaces) {
    ASSERT_EQ(Initialise(ReadProfile(kFutureProfile)), result::kSuccess);
    for (const std::int32_t id :
         {interface_id::kSpeeds, interface_id::kCacheSizes, interface_id::kCPUDetails,
          interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP}) {
        void* found = reinterpret_cast<void*>(1);
        EXPECT_EQ(root_->LookupInterface(id, &found), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(found, nullptr);
    }
    EXPECT_EQ(Ask(root_, interface_id::kCPUInfo, &ICPUInfo::GetProductCode), 4);
    EXPECT_EQ(Ask(root_, interface_id::kCPUSignature, &ICPUSignature::GetExtendedModel), 10);
    EXPECT_EQ(Ask(root_, interface_id::kCPUSignature, &ICPUSignature::GetModel), 5);
    EXPECT_EQ(Ask(root_, interface_id::kCPUSignature, &ICPUSignature::GetStepping), 2);

    auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
    char name[61] = {};
    EXPECT_EQ(info->GetProcessorName(1, name), result::kSuccess);
    EXPECT_STREQ(name, "Quarn(R) Processor (newer than this program)");
    std::int32_t value = 0;
    EXPECT_EQ(info->GetRevision(1, &value), result::kRevisionUndeterminable);
    EXPECT_EQ(info->GetRevision(1, nullptr), result::kNullArgument);
    BitmapHandle logo = nullptr;
    EXPECT_EQ(info->GetLogoBitmap(1, &logo), result::kNoLogoBitmap);
    EXPECT_EQ(info->GetLogoBitmap(2, &logo), result::kNotInitialized);
    char package[61] = {};
    EXPECT_EQ(info->GetPackage(1, &value, package), result::kSuccess);
    EXPECT_EQ(value, -2);
    EXPECT_STREQ(package, "Package not identified");
    // Items 1, 5, 11 always; 12, 14, 16 from the features (all set here); 2
    // only for old signatures; every other item is not answered.
    struct Item {
        std::int32_t item;
        std::int32_t value;
    };
    for (const Item item :
         {Item{1, 1}, Item{2, 0}, Item{3, -1}, Item{4, -1}, Item{5, 1}, Item{7, -1}, Item{10, -1},
          Item{11, 1}, Item{12, 1}, Item{13, -1}, Item{14, 1}, Item{16, 1}, Item{18, -1}, Item{19, -1}}) {
        value = 99;
        EXPECT_EQ(info->GetInfoItem(1, item.item, &value), result::kSuccess);
        EXPECT_EQ(value, item.value) << item.item;
    }
    info->DropReference();

    auto* features = Lookup<ICPUFeatures>(root_, interface_id::kCPUFeatures);
    struct Feature {
        std::int32_t code;
        ResultCode result;
        std::int32_t value;
    };
    for (const Feature feature :
         {Feature{10, 0, 1}, Feature{20, 0, 1}, Feature{30, 0, 1},
          Feature{50, result::kFeatureUndeterminable, -7}, Feature{60, 0, 1}, Feature{70, 0, 1},
          Feature{80, 0, 1}, Feature{100, 0, 1}, Feature{90, result::kUnknownFeature, -7},
          Feature{120, result::kUnknownFeature, -7}, Feature{130, result::kUnknownFeature, -7}}) {
        std::int32_t state = -7;
        EXPECT_EQ(features->GetFeature(1, feature.code, &state), feature.result) << feature.code;
        EXPECT_EQ(state, feature.value) << feature.code;
    }
    features->DropReference();
}

TEST_F(Cpumod0OnProfile, InitializeFailsAsTheSnapshotDoes) {
    struct Case {
        const char* what;
        void (*change)(nlohmann::json&);
        ResultCode code;
    };
    const Case cases[] = {
        {"processor count",
         [](nlohmann::json& p) {
             p["faults"] = {{"processorCount", "0x80041F40"}};
         },
         result::kFileNotFound},
        {"absent processor", [](nlohmann::json& p) { p["packages"][0]["absent"] = {1}; },
         result::kProcessorNotPresent},
        {"processor access",
         [](nlohmann::json& p) {
             p["faults"] = {{"processorAccessInterface", "0x80041F40"}};
         },
         result::kInterfaceUnavailable},
        {"brand string",
         [](nlohmann::json& p) {
             p["packages"][0]["faults"] = {{"brand", 7}};
         },
         7},
        {"leaf 1",
         [](nlohmann::json& p) {
             p["packages"][0]["faults"] = {{"cpuid", {{{"leaf", 1}, {"code", 5}}}}};
         },
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        nlohmann::json profile = ReadProfile(kFutureProfile);
        c.change(profile);
        EXPECT_EQ(Initialise(profile), c.code);
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        std::int32_t code = 0;
        EXPECT_EQ(info->GetProductCode(1, &code), result::kNotInitialized);
        info->DropReference();
        root_->DropReference();
        root_ = nullptr;
    }
}

}  // namespace
