// Register-field ids of the dispatch table, named after their fields.
#pragma once

#include <cstdint>

namespace sondrel::module::field_id {

inline constexpr std::int32_t kFirstRatio = 1;
inline constexpr std::int32_t kPCardID = 2;
inline constexpr std::int32_t kMobile = 3;
inline constexpr std::int32_t kProduction = 7;
inline constexpr std::int32_t kMaxFSBRatio = 14;
inline constexpr std::int32_t kC1E = 15;
inline constexpr std::int32_t kCoreCount = 27;
inline constexpr std::int32_t kThreadCount = 28;
inline constexpr std::int32_t kProgrammableRatio = 30;
inline constexpr std::int32_t kProgrammableTurbo = 31;
inline constexpr std::int32_t kMinRatio = 32;
inline constexpr std::int32_t kFlexRatioEnabled = 33;
inline constexpr std::int32_t kFlexRatio = 34;
inline constexpr std::int32_t kTurboDisable = 35;
inline constexpr std::int32_t kProcHotExtern = 36;
inline constexpr std::int32_t kProcHot = 37;
inline constexpr std::int32_t kTurboDisabled = 38;
inline constexpr std::int32_t kXDDisabled = 39;
inline constexpr std::int32_t kCPUIDLimit = 40;
inline constexpr std::int32_t kEQRTEnabled = 41;
inline constexpr std::int32_t kTMEnabled = 42;
inline constexpr std::int32_t kTurboMax4 = 44;
inline constexpr std::int32_t kTurboMax3 = 45;
inline constexpr std::int32_t kTurboMax2 = 46;
inline constexpr std::int32_t kTurboMax1 = 47;
inline constexpr std::int32_t kActualPState = 50;
inline constexpr std::int32_t kRequestedPState = 51;
inline constexpr std::int32_t kTurboMax5 = 52;
inline constexpr std::int32_t kTurboMax6 = 53;
inline constexpr std::int32_t kTurboMax7 = 54;
inline constexpr std::int32_t kTurboMax8 = 55;
inline constexpr std::int32_t kEPTEnabled = 56;
inline constexpr std::int32_t kCTDPSupportedLevels = 57;
inline constexpr std::int32_t kNominalTDP = 58;
inline constexpr std::int32_t kBaseTDP = 59;
inline constexpr std::int32_t kCTDPLevelsRation = 60;
inline constexpr std::int32_t kTDPTimeUnit = 61;
inline constexpr std::int32_t kTDPEnergyUnit = 62;
inline constexpr std::int32_t kTDPPowerUnit = 63;

// Slots exist for ids 0 … kSlotCount − 1.
inline constexpr std::int32_t kSlotCount = 64;

}  // namespace sondrel::module::field_id
