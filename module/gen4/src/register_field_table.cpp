#include <array>

#include "sondrel/gen4/tables.h"

namespace sondrel::gen4 {

namespace {

using module::DispatchRow;
using module::FieldCondition;
using module::FieldStore;
using module::RegisterFieldRow;

// "Limit" is the power-on ratio as this generation codes it in four bits.
constexpr std::array kRegisterFields = {
    RegisterFieldRow{2, "PCardID", 0x17, 50, 3},
    RegisterFieldRow{1, "Limit", 0x2A, 22, 4},
    RegisterFieldRow{7, "Production", 0x17, 49, 1},
    RegisterFieldRow{6, "FSBSel", 0x2C, 16, 3},
    RegisterFieldRow{3, "Mobile", 0x2C, 21, 1},
    RegisterFieldRow{9, "ThermalMonitor2", 0x1A0, 13, 1, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{12, "TM2Ratio", 0x19D, 8, 5, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{13, "EQRTRatio", 0x198, 8, 5, FieldCondition::kWithFrequencyScaling},
    RegisterFieldRow{11, "HotCPU", 0x19C, 0, 1},
};

// The coded ratio is kept as read and decoded at the end of the pass; a
// production part reads "Production" as 1.
constexpr std::array kDispatchOverrides = {
    DispatchRow{1, FieldStore::kValue, true},
    DispatchRow{7, FieldStore::kProductionFlag, true},
};

constexpr std::int32_t kCodeMask = 0xF;
// Ratios above 15 do not fit in four bits: they wrap onto the codes below 8,
// which no processor of the generation runs at.
constexpr std::int32_t kFirstPlainCode = 8;
constexpr std::int32_t kWrap = 16;

}  // namespace

std::span<const RegisterFieldRow> RegisterFieldTable() {
    return kRegisterFields;
}

std::span<const DispatchRow> DispatchOverrides() {
    return kDispatchOverrides;
}

std::int32_t DecodeRatio(std::int32_t code) {
    const std::int32_t bits = code & kCodeMask;
    return bits < kFirstPlainCode ? bits + kWrap : bits;
}

void DecodeMaxRatio(module::ProcessorSnapshot& s) {
    const std::int32_t ratio = DecodeRatio(s.fields.Value(module::fsb_field::kMaxRatio));
    s.fields.firstRatioPair = {ratio, ratio};
}

}  // namespace sondrel::gen4
