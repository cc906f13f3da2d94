#include <array>

#include "sondrel/gen4/tables.h"

namespace sondrel::gen4 {

namespace {

using module::BusClockRow;
using module::RatioRule;
using module::RatioSource;
using module::VariantBusClockRow;

// Bus clock by "FSBSel"; any other value leaves the processor not handled.
constexpr std::array kBusClocks = {
    BusClockRow{0, 100.0f},
    BusClockRow{1, 133.3333f},
    BusClockRow{2, 200.0f},
    BusClockRow{3, 166.6667f},
};

// The last desktop stepping was also sold for a 1066 MT/s bus, which its
// three-bit field cannot name: it reads 0 there.
constexpr std::array kVariantBusClocks = {
    VariantBusClockRow{kModel, 9, 48, 0, 266.667f},
};

// A hot part with the second thermal monitor runs at "TM2Ratio"; a part
// with frequency scaling at the ratio the scaling last set; any other at
// its power-on ratio.
constexpr std::array kRatioRules = {
    RatioRule{RatioSource::kSecondThermalMonitorWhenHot},
    RatioRule{RatioSource::kEqrtWhenSet},
    RatioRule{RatioSource::kMaxRatio},
};

// No 0.5 MHz on any bus value of this generation.
constexpr module::FrontSideBusModel kSpeedModel{
    .busClocks = kBusClocks,
    .fixedBusClocks = {},
    .variantBusClocks = kVariantBusClocks,
    .halfMegahertzFsbSel = module::kNoHalfMegahertz,
    .ratioRules = kRatioRules,
    .multiCoreEnabledField = 0,
    .multiCoreSetField = 0,
    .loadWhileRefreshing = false,
};

}  // namespace

const module::FrontSideBusModel& SpeedModel() {
    return kSpeedModel;
}

}  // namespace sondrel::gen4
