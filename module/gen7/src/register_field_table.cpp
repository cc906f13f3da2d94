#include <array>

#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::DispatchRow;
using module::FieldCondition;
using module::FieldStore;
using module::RegisterFieldRow;

constexpr std::array kRegisterFields = {
    RegisterFieldRow{2, "PCardID", 0x17, 50, 3},
    RegisterFieldRow{1, "Limit", 0x2A, 22, 5},
    RegisterFieldRow{7, "Production", 0x17, 27, 1},
    RegisterFieldRow{6, "FSBSel", 0xCD, 0, 3},
    RegisterFieldRow{3, "Mobile", 0x17, 28, 1},
    RegisterFieldRow{25, "TDP", 0x17, 56, 4},
    RegisterFieldRow{15, "C1E", 0x1A0, 25, 1},
    RegisterFieldRow{18, "RatioLock", 0x17, 15, 1},
    RegisterFieldRow{9, "ThermalMonitor2", 0x1A0, 13, 1, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{12, "TM2Ratio", 0x19D, 8, 5, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{13, "EQRTRatio", 0x198, 8, 5, FieldCondition::kWithFrequencyScaling},
    RegisterFieldRow{11, "HotCPU", 0x19C, 2, 1},
    RegisterFieldRow{19, "ExtremeEdition", 0x198, 31, 1},
    RegisterFieldRow{20, "CMPDisabled", 0xEE, 1, 1},
    RegisterFieldRow{24, "CMPSet", 0xEE, 2, 1},
    RegisterFieldRow{23, "ActualFSB", 0xCD, 4, 3},
    RegisterFieldRow{14, "MaxFSBRatio", 0x17, 8, 5},
    RegisterFieldRow{21, "N2Capable", 0x17, 23, 1},
    RegisterFieldRow{22, "N2Enabled", 0x17, 14, 1},
    RegisterFieldRow{26, "N2EnabledSedge", 0x198, 14, 1},
};

// Where Cpumod7 stores differently from the shared dispatch: the production
// flag by signature, the "TDP" value, and "N2EnabledSedge" over "N2Enabled"
// in one half-ratio slot.
constexpr std::array kDispatchOverrides = {
    DispatchRow{7, FieldStore::kProductionFlag, true},
    DispatchRow{25, FieldStore::kValue, true},
    DispatchRow{26, FieldStore::kValue, true, module::fsb_field::kHalfRatio},
};

// Extended model 1, model 12 reads "Production" inverted when it has one
// core per package or is stepping 9 or 10.
constexpr std::int32_t kInvertedFamily = 6;
constexpr std::int32_t kInvertedExtendedModel = 1;
constexpr std::int32_t kInvertedModel = 12;
constexpr std::array kInvertedSteppings = {9, 10};

}  // namespace

std::span<const RegisterFieldRow> RegisterFieldTable() {
    return kRegisterFields;
}

std::span<const DispatchRow> DispatchOverrides() {
    return kDispatchOverrides;
}

std::int32_t ProductionValue(const module::ProcessorSnapshot& s) {
    const bool inverted = s.family == kInvertedFamily && s.extendedModel == kInvertedExtendedModel &&
                          s.model == kInvertedModel &&
                          (s.packageCores == 1 || module::Contains(kInvertedSteppings, s.stepping));
    return inverted ? 0 : 1;
}

}  // namespace sondrel::gen7
