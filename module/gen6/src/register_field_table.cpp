#include <array>
#include <cstring>
#include <string_view>

#include "sondrel/gen6/tables.h"

namespace sondrel::gen6 {

namespace {

using module::DispatchRow;
using module::FieldCondition;
using module::FieldStore;
using module::RegisterFieldRow;

constexpr std::int32_t kPCGuide = 8;
constexpr std::int32_t kRatioLock = 17;

constexpr std::array kRegisterFields = {
    RegisterFieldRow{2, "PCardID", 0x17, 50, 3},
    RegisterFieldRow{1, "Limit", 0x2C, 24, 8},
    RegisterFieldRow{14, "MaxFSBRatio", 0x2C, 0, 8},
    RegisterFieldRow{7, "Production", 0x17, 49, 1},
    RegisterFieldRow{6, "FSBSel", 0x2C, 16, 3},
    RegisterFieldRow{3, "Mobile", 0x2C, 21, 1},
    RegisterFieldRow{kRatioLock, "RatioLock", 0x2C, 20, 1},
    RegisterFieldRow{kPCGuide, "PCGuide", 0x1A1, 18, 1},
    RegisterFieldRow{12, "TM2Ratio", 0x19D, 8, 8, FieldCondition::kWithSecondThermalMonitor},
    RegisterFieldRow{13, "EQRTRatio", 0x198, 8, 8, FieldCondition::kWithFrequencyScaling},
    RegisterFieldRow{15, "C1E", 0x1A0, 25, 1},
    RegisterFieldRow{11, "HotCPU", 0x19C, 0, 1},
};

// Beside the shared dispatch: "Production" marks a production part when it
// reads 1 (held where the newer generations hold their flag), and the two
// fields only this generation reads are kept as values.
constexpr std::array kDispatchOverrides = {
    DispatchRow{7, FieldStore::kProductionFlag, true},
    DispatchRow{kPCGuide, FieldStore::kValue, true},
    DispatchRow{kRatioLock, FieldStore::kValue, true},
};

// The maker's guides for the land-grid desktop parts: the guide of the
// model's platform, and its higher-power variant when "PCGuide" reads 1.
struct GuideRow {
    std::int32_t model;
    std::string_view lowPower;
    std::string_view highPower;
};
constexpr std::array kGuides = {
    GuideRow{3, "04A", "04B"},
    GuideRow{4, "05A", "05B"},
    GuideRow{6, "06", "06"},
};
// The land-grid desktop lines (the mobile, server and sample parts have no guide).
constexpr std::array kGuideProductCodes = {48, 58, 59};

}  // namespace

std::span<const RegisterFieldRow> RegisterFieldTable() {
    return kRegisterFields;
}

std::span<const DispatchRow> DispatchOverrides() {
    return kDispatchOverrides;
}

void SetCompatibilityGuide(module::ProcessorSnapshot& s) {
    std::string_view guide;
    const bool desktop = s.mobileFlag == 0 && module::Contains(kGuideProductCodes, s.productCode);
    for (const GuideRow& row : kGuides) {
        if (desktop && row.model == s.model) {
            guide = s.fields.Value(kPCGuide) == 1 ? row.highPower : row.lowPower;
        }
    }
    std::memset(s.compatibilityGuide, 0, sizeof s.compatibilityGuide);
    guide.copy(s.compatibilityGuide, sizeof s.compatibilityGuide - 1);
}

}  // namespace sondrel::gen6
