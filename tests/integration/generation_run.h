// One Initialize of a real generation module on a profile, and every answer
// the generation tests compare.
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "sondrel/result_codes.h"

namespace sondrel::testing {

// Leaf-1 EAX: family 6 with (extended model, model) and stepping.
constexpr std::uint32_t Leaf1(std::uint32_t extendedModel, std::uint32_t model, std::uint32_t stepping) {
    return (extendedModel << 16) | (6u << 8) | (model << 4) | stepping;
}

struct Observed {
    ResultCode initialize = result::kUnexpectedFailure;
    std::int32_t productCode = -1;
    std::string name;
    std::int32_t packageCode = 0;
    std::string packageName;
    std::array<std::int32_t, 19> items{};  // items 1 to 18
    ResultCode logo = result::kUnexpectedFailure;
    std::string logoText;  // the picture's SVG text
    float expectedCpuMHz = -1, expectedBusMHz = -1, reportedCpuMHz = -1, reportedBusMHz = -1;
    float expectedInterconnectMHz = -1, expectedMemoryMHz = -1, reportedInterconnectMHz = -1,
          reportedMemoryMHz = -1;
    std::int32_t disabledCores = -1;
    std::int32_t graphicsCode = -99;
    ResultCode tdpLookup = result::kUnexpectedFailure;
};

// The bundled profile `name` (relative to profiles/).
nlohmann::json BundledProfile(const std::string& name);

// Changes to a profile of one package.
void SetSignature(nlohmann::json& profile, std::uint32_t leaf1);
void SetBrand(nlohmann::json& profile, const std::string& brand);
void SetMsr(nlohmann::json& profile, const char* msr, std::uint64_t value);
std::uint64_t GetMsr(const nlohmann::json& profile, const char* msr);
// Sets or clears bit `bit` of an MSR.
void SetMsrBit(nlohmann::json& profile, const char* msr, int bit, bool set);
// The register of a listed PCI device.
void SetPciRegister(nlohmann::json& profile, int device, int function, const char* offset,
                    std::uint32_t value);

// Loads `library`, initialises processor 1 on `profile` and reads every answer.
Observed Observe(const char* library, const nlohmann::json& profile);

}  // namespace sondrel::testing
