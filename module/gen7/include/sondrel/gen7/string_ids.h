// Strings of Cpumod7Glossa.so that the module loads.
#pragma once

#include <cstdint>

namespace sondrel::gen7::string_id {

// Processor names.
inline constexpr std::int32_t kNotHandledName = 101;
inline constexpr std::int32_t kGenericName = 102;
inline constexpr std::int32_t kSampleName = 111;
inline constexpr std::int32_t kBastraName = 112;
inline constexpr std::int32_t kVantor2DuoName = 113;
inline constexpr std::int32_t kVantor2ExtremeName = 114;
inline constexpr std::int32_t kVantor2QuadName = 115;
inline constexpr std::int32_t kVantor2SoloName = 116;
inline constexpr std::int32_t kCorvidName = 117;
inline constexpr std::int32_t kDunlinName = 118;
inline constexpr std::int32_t kEmberName = 119;

// Package names.
inline constexpr std::int32_t kUnknownPackage = 104;
inline constexpr std::int32_t kMobilePackage = 109;
inline constexpr std::int32_t kMobileBallGridPackage = 110;
inline constexpr std::int32_t kDesktopPackage = 120;
inline constexpr std::int32_t kServerPackage = 122;
inline constexpr std::int32_t kEmbeddedPackage = 124;

}  // namespace sondrel::gen7::string_id
