// The answers of an initialised module object that the generation tests
// compare, collected in one pass over its interfaces.
#pragma once

#include <cstdint>
#include <string>

#include "profile_queries.h"

namespace sondrel::testing {

// Leaf-1 EAX: family 6 with (extended model, model) and stepping.
constexpr std::uint32_t Signature(std::uint32_t extendedModel, std::uint32_t model, std::uint32_t stepping) {
    return (extendedModel << 16) | (6u << 8) | (model << 4) | stepping;
}

struct ModuleAnswers {
    ResultCode initialize = result::kUnexpectedFailure;
    std::int32_t productCode = -1;
    std::string name;
    std::int32_t mobile = -1;  // information item 4
    std::int32_t item6 = -1;
    std::int32_t item7 = -1;
    std::int32_t packageCode = 0;
    std::string packageName;
    Speeds expected{-1.0f, -1.0f};
    Speeds reported{-1.0f, -1.0f};
    std::int32_t activeCores = -1;
    std::int32_t threadCount = -1;
    std::int32_t disabledCores = -1;
};

inline std::int32_t InfoItem(IFreqIDUnknown* root, std::int32_t item) {
    auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
    std::int32_t value = -1;
    EXPECT_EQ(info->GetInfoItem(1, item, &value), result::kSuccess);
    info->DropReference();
    return value;
}

// Initialises the module on `profile`; the other answers only when that succeeded.
inline ModuleAnswers Answers(ModuleOnProfile& harness, const nlohmann::json& profile) {
    ModuleAnswers seen;
    const Initialised object = InitialiseOn(harness, profile);
    seen.initialize = object.code;
    if (object.root == nullptr) {
        return seen;
    }
    IFreqIDUnknown* root = object.root;
    if (object.code == result::kSuccess) {
        auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
        char text[kNameBufferSize] = {};
        EXPECT_EQ(info->GetProductCode(1, &seen.productCode), result::kSuccess);
        EXPECT_EQ(info->GetProcessorName(1, text), result::kSuccess);
        seen.name = text;
        char package[kNameBufferSize] = {};
        EXPECT_EQ(info->GetPackage(1, &seen.packageCode, package), result::kSuccess);
        seen.packageName = package;
        info->DropReference();
        seen.mobile = InfoItem(root, 4);
        seen.item6 = InfoItem(root, 6);
        seen.item7 = InfoItem(root, 7);
        seen.expected = AskSpeeds(root, &ISpeeds::GetExpectedSpeeds);
        seen.reported = AskSpeeds(root, &ISpeeds::GetReportedSpeeds);
        seen.activeCores = Ask(root, interface_id::kCPUDetails, &ICPUDetails::GetActiveCoreCount);
        seen.threadCount = Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetThreadCount);
        seen.disabledCores = Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetDisabledCoreCount);
    }
    root->DropReference();
    return seen;
}

}  // namespace sondrel::testing
