// Cpumod11's register-field table: the common list and the power fields,
// with "BaseTDP" numbered 57 and the power-unit fields read with their
// architectural widths.
#include <array>

#include "sondrel/gen11/tables.h"
#include "sondrel/module/core_register_fields.h"

namespace sondrel::gen11 {

namespace {

namespace id = module::field_id;
using module::RegisterFieldRow;
using namespace module::core_fields;

// "BaseTDP" shares id 57 with "cTDPSupportedLevels"; it comes later in the
// list, so the slot holds the base power when the power unit is applied.
constexpr auto kRows = WithCommonRows(std::array{
    RegisterFieldRow{id::kCTDPSupportedLevels, "cTDPSupportedLevels", kPlatformInformation, 33, 2},
    RegisterFieldRow{id::kNominalTDP, "NominalTDP", kNominalConfigurablePower, 0, 8},
    RegisterFieldRow{kBaseTdpFieldId, "BaseTDP", kPackagePowerInformation, 0, 15},
    RegisterFieldRow{id::kCTDPLevelsRation, "cTDPLevelsRation", kConfigurablePowerLevel1, 0, 15},
    RegisterFieldRow{id::kTDPTimeUnit, "TDPTimeUnit", kPowerUnit, 16, 4},
    RegisterFieldRow{id::kTDPEnergyUnit, "TDPEnergyUnit", kPowerUnit, 8, 5},
    RegisterFieldRow{id::kTDPPowerUnit, "TDPPowerUnit", kPowerUnit, 0, 4},
});

}  // namespace

std::span<const module::RegisterFieldRow> RegisterFieldTable() {
    return kRows;
}

}  // namespace sondrel::gen11
