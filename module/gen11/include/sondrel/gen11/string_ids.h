// Strings of Cpumod11Glossa.so that the module loads.
#pragma once

#include <cstdint>

namespace sondrel::gen11::string_id {

// Processor names.
inline constexpr std::int32_t kNotHandledName = 101;
inline constexpr std::int32_t kGenericName = 102;
inline constexpr std::int32_t kSampleName = 111;
inline constexpr std::int32_t kBastraName = 112;
inline constexpr std::int32_t kVantorI7Name = 113;
inline constexpr std::int32_t kExtremeEditionName = 114;
inline constexpr std::int32_t kVantorI3Name = 115;
inline constexpr std::int32_t kVantorI5Name = 116;
inline constexpr std::int32_t kCorvidName = 117;
inline constexpr std::int32_t kDunlinName = 118;

// Package names.
inline constexpr std::int32_t kUnknownPackage = 104;
inline constexpr std::int32_t kMobilePackage = 109;
inline constexpr std::int32_t kDesktopPackage = 120;
inline constexpr std::int32_t kServerPackage = 122;
inline constexpr std::int32_t kHighEndDesktopPackage = 123;

}  // namespace sondrel::gen11::string_id
