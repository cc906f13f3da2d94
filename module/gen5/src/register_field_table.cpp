#include <array>

#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {

namespace {

using module::DispatchRow;
using module::FieldCondition;
using module::FieldStore;
using module::RegisterFieldRow;

// The fields these processors have: the bus select of the bus-frequency
// register, the power-on ratio limit, the frequency-scaling and thermal
// ratios, and the platform bits of the platform-identification register.
constexpr std::array kRegisterFields = {
    RegisterFieldRow{2, "PCardID", 0x17, 50, 3},
    RegisterFieldRow{1, "Limit", 0x2A, 22, 5},
    RegisterFieldRow{7, "Production", 0x17, 27, 1},
    RegisterFieldRow{6, "FSBSel", 0xCD, 0, 3},
    RegisterFieldRow{3, "Mobile", 0x17, 28, 1},
    RegisterFieldRow{15, "C1E", 0x1A0, 25, 1},
    RegisterFieldRow{9, "ThermalMonitor2", 0x1A0, 13, 1, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{12, "TM2Ratio", 0x19D, 8, 5, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{13, "EQRTRatio", 0x198, 8, 5, FieldCondition::kWithFrequencyScaling},
    RegisterFieldRow{11, "HotCPU", 0x19C, 0, 1},
};

// "Production" reads 1 on a production part; the flag is held where the
// newer generations hold theirs, so the decision derives only for those.
// Id 9 has no dispatch row: it is read but not stored.
constexpr std::array kDispatchOverrides = {
    DispatchRow{7, FieldStore::kProductionFlag, true},
};

}  // namespace

std::span<const RegisterFieldRow> RegisterFieldTable() {
    return kRegisterFields;
}

std::span<const DispatchRow> DispatchOverrides() {
    return kDispatchOverrides;
}

}  // namespace sondrel::gen5
