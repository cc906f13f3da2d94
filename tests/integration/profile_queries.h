// Initialising the real Cpumod12.so on a profile and reading its answers.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "module_on_profile.h"
#include "sondrel/interface_ids.h"

namespace sondrel::testing {

struct Initialised {
    ResultCode code;
    IFreqIDUnknown* root;  // null when no module object was made
};

inline Initialised InitialiseOn(ModuleOnProfile& harness, const nlohmann::json& profile) {
    harness.UseProfile(profile);
    IFreqIDUnknown* root = harness.Create();
    if (root == nullptr) {
        return {result::kUnexpectedFailure, nullptr};
    }
    auto* init = Lookup<IInitializePM>(root, interface_id::kInitializePM);
    const ResultCode code = init->Initialize(1);
    init->DropReference();
    return {code, root};
}

// Calls one operation of an interface on processor 1 and returns its output.
template <class Interface, class Value = std::int32_t>
Value Ask(IFreqIDUnknown* root, std::int32_t interfaceId,
          ResultCode (Interface::*operation)(std::int32_t, Value*)) {
    auto* found = Lookup<Interface>(root, interfaceId);
    Value value{};
    EXPECT_EQ((found->*operation)(1, &value), result::kSuccess);
    found->DropReference();
    return value;
}

inline std::array<std::int32_t, 4> CacheSizes(IFreqIDUnknown* root) {
    auto* caches = Lookup<ICacheSizes>(root, interface_id::kCacheSizes);
    std::array<std::int32_t, 4> sizes{};
    for (std::int32_t level = 0; level < 4; ++level) {
        std::int32_t unit = 0;
        EXPECT_EQ(caches->GetCacheSize(1, level, &sizes[static_cast<std::size_t>(level)], &unit),
                  result::kSuccess);
        EXPECT_EQ(unit, 1);
    }
    caches->DropReference();
    return sizes;
}

inline std::array<std::int32_t, 4> CacheCounts(IFreqIDUnknown* root) {
    auto* details = Lookup<ICPUCMPDetails>(root, interface_id::kCPUCMPDetails);
    std::array<std::int32_t, 4> counts{};
    EXPECT_EQ(details->GetCacheCounts(1, &counts[0], &counts[1], &counts[2], &counts[3]), result::kSuccess);
    details->DropReference();
    return counts;
}

struct Speeds {
    float cpuMHz;
    float busMHz;
};

inline Speeds AskSpeeds(IFreqIDUnknown* root,
                        ResultCode (ISpeeds::*operation)(std::int32_t, float*, float*)) {
    auto* speeds = Lookup<ISpeeds>(root, interface_id::kSpeeds);
    Speeds answer{-1.0f, -1.0f};
    EXPECT_EQ((speeds->*operation)(1, &answer.cpuMHz, &answer.busMHz), result::kSuccess);
    speeds->DropReference();
    return answer;
}

// A test that initialises one module library on profile variants; each
// Initialise drops the module object of the one before.
class ModuleOnProfileTest : public ::testing::Test {
protected:
    explicit ModuleOnProfileTest(const char* library) : harness_(library) {}
    void TearDown() override { Release(); }
    void Release() {
        if (root_ != nullptr) {
            root_->DropReference();
            root_ = nullptr;
        }
    }
    ResultCode Initialise(const nlohmann::json& profile) {
        Release();
        const Initialised result = InitialiseOn(harness_, profile);
        root_ = result.root;
        return result.code;
    }
    std::int32_t ProductCode() { return Ask(root_, interface_id::kCPUInfo, &ICPUInfo::GetProductCode); }
    std::string Name() {
        auto* info = Lookup<ICPUInfo>(root_, interface_id::kCPUInfo);
        char name[61] = {};
        EXPECT_EQ(info->GetProcessorName(1, name), result::kSuccess);
        info->DropReference();
        return name;
    }

    ModuleOnProfile harness_;
    IFreqIDUnknown* root_ = nullptr;
};

}  // namespace sondrel::testing
