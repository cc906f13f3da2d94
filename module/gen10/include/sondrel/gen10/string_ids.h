// Strings of Cpumod10Glossa.so that the module loads.
#pragma once

#include <cstdint>

namespace sondrel::gen10::string_id {

// Processor names.
inline constexpr std::int32_t kNotHandledName = 101;
inline constexpr std::int32_t kGenericName = 102;
inline constexpr std::int32_t kSampleName = 111;
inline constexpr std::int32_t kEmberName = 112;
inline constexpr std::int32_t kEmberX5Name = 113;
inline constexpr std::int32_t kEmberX7Name = 114;
inline constexpr std::int32_t kEmberXName = 115;
inline constexpr std::int32_t kCorvidName = 117;
inline constexpr std::int32_t kDunlinName = 118;

// Package names.
inline constexpr std::int32_t kUnknownPackage = 104;
inline constexpr std::int32_t kMobilePackage = 109;
inline constexpr std::int32_t kDesktopPackage = 120;
inline constexpr std::int32_t kSystemOnChipPackage = 121;

}  // namespace sondrel::gen10::string_id
