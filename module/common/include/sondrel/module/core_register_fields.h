// The register-field list of the newer generations, in list order: the
// fields every one of them reads, then the thermal-design-power fields that
// some read and some read with other widths. A generation's table is the
// first part followed by its own power fields.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "sondrel/module/field_ids.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::module::core_fields {

// MSR numbers by register.
inline constexpr std::uint32_t kPlatformIdentification = 0x17;
inline constexpr std::uint32_t kCoreThreadCount = 0x35;
inline constexpr std::uint32_t kPlatformInformation = 0xCE;
inline constexpr std::uint32_t kFlexibleRatioControl = 0x194;
inline constexpr std::uint32_t kPerformanceStatus = 0x198;
inline constexpr std::uint32_t kPerformanceControl = 0x199;
inline constexpr std::uint32_t kThermalInterruptControl = 0x19B;
inline constexpr std::uint32_t kThermalStatus = 0x19C;
inline constexpr std::uint32_t kMiscellaneousEnables = 0x1A0;
inline constexpr std::uint32_t kTurboRatioLimits = 0x1AD;
inline constexpr std::uint32_t kPowerControl = 0x1FC;
inline constexpr std::uint32_t kSecondaryVirtualizationControls = 0x48B;
inline constexpr std::uint32_t kPowerUnit = 0x606;
inline constexpr std::uint32_t kPackagePowerInformation = 0x614;
inline constexpr std::uint32_t kNominalConfigurablePower = 0x648;
inline constexpr std::uint32_t kConfigurablePowerLevel1 = 0x649;

inline constexpr std::array kCommonRows = {
    RegisterFieldRow{field_id::kPCardID, "PCardID", kPlatformIdentification, 50, 3},
    RegisterFieldRow{field_id::kProduction, "Production", kPlatformInformation, 27, 1},
    RegisterFieldRow{field_id::kProgrammableRatio, "ProgrammableRatio", kPlatformInformation, 28, 1},
    RegisterFieldRow{field_id::kProgrammableTurbo, "ProgrammableTurbo", kPlatformInformation, 29, 1},
    RegisterFieldRow{field_id::kMinRatio, "MinRatio", kPlatformInformation, 40, 8},
    RegisterFieldRow{field_id::kMaxFSBRatio, "MaxFSBRatio", kPlatformInformation, 8, 8},
    RegisterFieldRow{field_id::kCoreCount, "CoreCount", kCoreThreadCount, 16, 16},
    RegisterFieldRow{field_id::kThreadCount, "ThreadCount", kCoreThreadCount, 0, 16},
    RegisterFieldRow{field_id::kFlexRatioEnabled, "FlexRatioEnabled", kFlexibleRatioControl, 16, 1},
    RegisterFieldRow{field_id::kFlexRatio, "FlexRatio", kFlexibleRatioControl, 8, 8},
    RegisterFieldRow{field_id::kActualPState, "ActualPState", kPerformanceStatus, 8, 8},
    RegisterFieldRow{field_id::kTurboDisable, "TurboDisable", kPerformanceControl, 32, 1},
    RegisterFieldRow{field_id::kRequestedPState, "RequestedPState", kPerformanceControl, 8, 8},
    RegisterFieldRow{field_id::kProcHotExtern, "ProcHotExtern", kThermalInterruptControl, 2, 1},
    RegisterFieldRow{field_id::kProcHot, "ProcHot", kThermalStatus, 0, 1},
    RegisterFieldRow{field_id::kTurboDisabled, "TurboDisabled", kMiscellaneousEnables, 38, 1},
    RegisterFieldRow{field_id::kXDDisabled, "XDDisabled", kMiscellaneousEnables, 34, 1},
    RegisterFieldRow{field_id::kCPUIDLimit, "CPUIDLimit", kMiscellaneousEnables, 22, 1},
    RegisterFieldRow{field_id::kEQRTEnabled, "EQRTEnabled", kMiscellaneousEnables, 16, 1},
    RegisterFieldRow{field_id::kTMEnabled, "TMEnabled", kMiscellaneousEnables, 3, 1},
    RegisterFieldRow{field_id::kTurboMax8, "TurboMax8", kTurboRatioLimits, 56, 8},
    RegisterFieldRow{field_id::kTurboMax7, "TurboMax7", kTurboRatioLimits, 48, 8},
    RegisterFieldRow{field_id::kTurboMax6, "TurboMax6", kTurboRatioLimits, 40, 8},
    RegisterFieldRow{field_id::kTurboMax5, "TurboMax5", kTurboRatioLimits, 32, 8},
    RegisterFieldRow{field_id::kTurboMax4, "TurboMax4", kTurboRatioLimits, 24, 8},
    RegisterFieldRow{field_id::kTurboMax3, "TurboMax3", kTurboRatioLimits, 16, 8},
    RegisterFieldRow{field_id::kTurboMax2, "TurboMax2", kTurboRatioLimits, 8, 8},
    RegisterFieldRow{field_id::kTurboMax1, "TurboMax1", kTurboRatioLimits, 0, 8},
    RegisterFieldRow{field_id::kC1E, "C1E", kPowerControl, 1, 1},
    RegisterFieldRow{field_id::kEPTEnabled, "EPTEnabled", kSecondaryVirtualizationControls, 33, 1,
                     FieldCondition::kWithVirtualization},
};

// The power fields as the newest generation reads them.
inline constexpr std::array kPowerRows = {
    RegisterFieldRow{field_id::kCTDPSupportedLevels, "cTDPSupportedLevels", kPlatformInformation, 33, 2},
    RegisterFieldRow{field_id::kNominalTDP, "NominalTDP", kNominalConfigurablePower, 0, 8},
    RegisterFieldRow{field_id::kBaseTDP, "BaseTDP", kPackagePowerInformation, 0, 15},
    RegisterFieldRow{field_id::kCTDPLevelsRation, "cTDPLevelsRation", kConfigurablePowerLevel1, 0, 15},
    RegisterFieldRow{field_id::kTDPTimeUnit, "TDPTimeUnit", kPowerUnit, 16, 8},
    RegisterFieldRow{field_id::kTDPEnergyUnit, "TDPEnergyUnit", kPowerUnit, 8, 8},
    RegisterFieldRow{field_id::kTDPPowerUnit, "TDPPowerUnit", kPowerUnit, 0, 8},
};

// The common rows followed by a generation's own.
template <std::size_t N>
constexpr std::array<RegisterFieldRow, kCommonRows.size() + N> WithCommonRows(
    const std::array<RegisterFieldRow, N>& own) {
    std::array<RegisterFieldRow, kCommonRows.size() + N> rows{};
    std::copy(kCommonRows.begin(), kCommonRows.end(), rows.begin());
    std::copy(own.begin(), own.end(), rows.begin() + kCommonRows.size());
    return rows;
}

}  // namespace sondrel::module::core_fields
