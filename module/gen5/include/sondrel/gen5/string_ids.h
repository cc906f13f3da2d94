// Strings and pictures of Cpumod5Glossa.so that the module loads.
#pragma once

#include <cstdint>

namespace sondrel::gen5::string_id {

// Processor names.
inline constexpr std::int32_t kNotHandledName = 101;
inline constexpr std::int32_t kGenericName = 102;
inline constexpr std::int32_t kSampleName = 111;
inline constexpr std::int32_t kBastraName = 112;
inline constexpr std::int32_t kCorvidMName = 113;
inline constexpr std::int32_t kDunlinMName = 114;
inline constexpr std::int32_t kVantorSoloName = 115;
inline constexpr std::int32_t kVantorDuoName = 116;
inline constexpr std::int32_t kCorvidDualCoreName = 117;
inline constexpr std::int32_t kDunlinName = 118;
inline constexpr std::int32_t kMobileDunlinName = 119;

// Package names.
inline constexpr std::int32_t kUnknownPackage = 104;
inline constexpr std::int32_t kMobilePinGridPackage = 109;
inline constexpr std::int32_t kMobileBallGridPackage = 110;
inline constexpr std::int32_t kServerPackage = 122;

}  // namespace sondrel::gen5::string_id

namespace sondrel::gen5::bitmap_id {

inline constexpr std::int32_t kCorvidM = 105;
inline constexpr std::int32_t kCorvidMLater = 106;
inline constexpr std::int32_t kDunlinM = 107;
inline constexpr std::int32_t kDunlinMDualModel = 108;
inline constexpr std::int32_t kVantorSolo = 109;
inline constexpr std::int32_t kVantorDuo = 110;
inline constexpr std::int32_t kBastra = 111;
inline constexpr std::int32_t kCorvidDualCore = 112;
inline constexpr std::int32_t kDunlin = 113;

}  // namespace sondrel::gen5::bitmap_id
