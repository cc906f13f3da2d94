// Interface identifiers passed to LookupInterface and to the exports.
#pragma once

#include <cstdint>

namespace sondrel::interface_id {
// Module objects.
inline constexpr std::int32_t kRoot = 1000;
inline constexpr std::int32_t kInitializePM = 4000;
inline constexpr std::int32_t kCPUInfo = 5000;
inline constexpr std::int32_t kCPUSignature = 6000;
inline constexpr std::int32_t kCPUFeatures = 7000;
inline constexpr std::int32_t kSpeeds = 8000;
inline constexpr std::int32_t kCacheSizes = 9000;
inline constexpr std::int32_t kCPUDetails = 12000;
inline constexpr std::int32_t kCPUCMPDetails = 13000;
inline constexpr std::int32_t kCPUPCIDetails = 14000;
inline constexpr std::int32_t kTDP = 15000;
// Hardware broker.
inline constexpr std::int32_t kBrokerSession = 10000;
// Data module. Id 14000 means IPciConfig when passed to GetDataModuleInterface.
inline constexpr std::int32_t kProcessorAccess = 2000;
inline constexpr std::int32_t kRegisterFields = 3000;
inline constexpr std::int32_t kPciConfig = 14000;
}  // namespace sondrel::interface_id
