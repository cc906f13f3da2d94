// Cpumod11's register-field table: Cpumod12's list, with "BaseTDP" numbered
// 57 and the power-unit fields read with their architectural widths.
#include <array>

#include "sondrel/gen11/tables.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::gen11 {

namespace {

namespace id = module::field_id;
using module::FieldCondition;
using module::RegisterFieldRow;

// MSR numbers by register.
constexpr std::uint32_t kPlatformIdentification = 0x17;
constexpr std::uint32_t kCoreThreadCount = 0x35;
constexpr std::uint32_t kPlatformInformation = 0xCE;
constexpr std::uint32_t kFlexibleRatioControl = 0x194;
constexpr std::uint32_t kPerformanceStatus = 0x198;
constexpr std::uint32_t kPerformanceControl = 0x199;
constexpr std::uint32_t kThermalInterruptControl = 0x19B;
constexpr std::uint32_t kThermalStatus = 0x19C;
constexpr std::uint32_t kMiscellaneousEnables = 0x1A0;
constexpr std::uint32_t kTurboRatioLimits = 0x1AD;
constexpr std::uint32_t kPowerControl = 0x1FC;
constexpr std::uint32_t kSecondaryVirtualizationControls = 0x48B;
constexpr std::uint32_t kPowerUnit = 0x606;
constexpr std::uint32_t kPackagePowerInformation = 0x614;
constexpr std::uint32_t kNominalConfigurablePower = 0x648;
constexpr std::uint32_t kConfigurablePowerLevel1 = 0x649;

// "BaseTDP" shares id 57 with "cTDPSupportedLevels"; it comes later in the
// list, so the slot holds the base power when the power unit is applied.

constexpr std::array kRows = {
    RegisterFieldRow{id::kPCardID, "PCardID", kPlatformIdentification, 50, 3},
    RegisterFieldRow{id::kProduction, "Production", kPlatformInformation, 27, 1},
    RegisterFieldRow{id::kProgrammableRatio, "ProgrammableRatio", kPlatformInformation, 28, 1},
    RegisterFieldRow{id::kProgrammableTurbo, "ProgrammableTurbo", kPlatformInformation, 29, 1},
    RegisterFieldRow{id::kMinRatio, "MinRatio", kPlatformInformation, 40, 8},
    RegisterFieldRow{id::kMaxFSBRatio, "MaxFSBRatio", kPlatformInformation, 8, 8},
    RegisterFieldRow{id::kCoreCount, "CoreCount", kCoreThreadCount, 16, 16},
    RegisterFieldRow{id::kThreadCount, "ThreadCount", kCoreThreadCount, 0, 16},
    RegisterFieldRow{id::kFlexRatioEnabled, "FlexRatioEnabled", kFlexibleRatioControl, 16, 1},
    RegisterFieldRow{id::kFlexRatio, "FlexRatio", kFlexibleRatioControl, 8, 8},
    RegisterFieldRow{id::kActualPState, "ActualPState", kPerformanceStatus, 8, 8},
    RegisterFieldRow{id::kTurboDisable, "TurboDisable", kPerformanceControl, 32, 1},
    RegisterFieldRow{id::kRequestedPState, "RequestedPState", kPerformanceControl, 8, 8},
    RegisterFieldRow{id::kProcHotExtern, "ProcHotExtern", kThermalInterruptControl, 2, 1},
    RegisterFieldRow{id::kProcHot, "ProcHot", kThermalStatus, 0, 1},
    RegisterFieldRow{id::kTurboDisabled, "TurboDisabled", kMiscellaneousEnables, 38, 1},
    RegisterFieldRow{id::kXDDisabled, "XDDisabled", kMiscellaneousEnables, 34, 1},
    RegisterFieldRow{id::kCPUIDLimit, "CPUIDLimit", kMiscellaneousEnables, 22, 1},
    RegisterFieldRow{id::kEQRTEnabled, "EQRTEnabled", kMiscellaneousEnables, 16, 1},
    RegisterFieldRow{id::kTMEnabled, "TMEnabled", kMiscellaneousEnables, 3, 1},
    RegisterFieldRow{id::kTurboMax8, "TurboMax8", kTurboRatioLimits, 56, 8},
    RegisterFieldRow{id::kTurboMax7, "TurboMax7", kTurboRatioLimits, 48, 8},
    RegisterFieldRow{id::kTurboMax6, "TurboMax6", kTurboRatioLimits, 40, 8},
    RegisterFieldRow{id::kTurboMax5, "TurboMax5", kTurboRatioLimits, 32, 8},
    RegisterFieldRow{id::kTurboMax4, "TurboMax4", kTurboRatioLimits, 24, 8},
    RegisterFieldRow{id::kTurboMax3, "TurboMax3", kTurboRatioLimits, 16, 8},
    RegisterFieldRow{id::kTurboMax2, "TurboMax2", kTurboRatioLimits, 8, 8},
    RegisterFieldRow{id::kTurboMax1, "TurboMax1", kTurboRatioLimits, 0, 8},
    RegisterFieldRow{id::kC1E, "C1E", kPowerControl, 1, 1},
    RegisterFieldRow{id::kEPTEnabled, "EPTEnabled", kSecondaryVirtualizationControls, 33, 1,
                     FieldCondition::kWithVirtualization},
    RegisterFieldRow{id::kCTDPSupportedLevels, "cTDPSupportedLevels", kPlatformInformation, 33, 2},
    RegisterFieldRow{id::kNominalTDP, "NominalTDP", kNominalConfigurablePower, 0, 8},
    RegisterFieldRow{kBaseTdpFieldId, "BaseTDP", kPackagePowerInformation, 0, 15},
    RegisterFieldRow{id::kCTDPLevelsRation, "cTDPLevelsRation", kConfigurablePowerLevel1, 0, 15},
    RegisterFieldRow{id::kTDPTimeUnit, "TDPTimeUnit", kPowerUnit, 16, 4},
    RegisterFieldRow{id::kTDPEnergyUnit, "TDPEnergyUnit", kPowerUnit, 8, 5},
    RegisterFieldRow{id::kTDPPowerUnit, "TDPPowerUnit", kPowerUnit, 0, 4},
};

}  // namespace

std::span<const module::RegisterFieldRow> RegisterFieldTable() {
    return kRows;
}

}  // namespace sondrel::gen11
