// Strings of Cpumod4Glossa.so that the module loads.
#pragma once

#include <cstdint>

namespace sondrel::gen4::string_id {

// Processor names.
inline constexpr std::int32_t kNotHandledName = 101;
inline constexpr std::int32_t kGenericName = 102;
inline constexpr std::int32_t kCorvid4Name = 112;
inline constexpr std::int32_t kBastraName = 113;
inline constexpr std::int32_t kDunlinName = 114;
inline constexpr std::int32_t kMobileCorvid4Name = 115;
inline constexpr std::int32_t kCorvid4MName = 116;
inline constexpr std::int32_t kMobileDunlinName = 117;

// Package names.
inline constexpr std::int32_t kUnknownPackage = 104;
inline constexpr std::int32_t kMobilePackage = 109;
inline constexpr std::int32_t kDesktopPackage = 120;
inline constexpr std::int32_t kServerPackage = 122;

}  // namespace sondrel::gen4::string_id
