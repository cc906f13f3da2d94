#include <array>

#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::BusClockRow;
using module::RatioRule;
using module::RatioSource;

// Bus clock by "FSBSel"; any other value leaves the processor not handled.
constexpr std::array kBusClocks = {
    BusClockRow{0, 266.667f}, BusClockRow{1, 133.3333f}, BusClockRow{2, 200.0f}, BusClockRow{3, 166.6667f},
    BusClockRow{4, 333.333f}, BusClockRow{5, 100.0f},    BusClockRow{6, 400.0f},
};

constexpr std::int32_t kHalfMegahertzFsbSel = 3;

// A hot processor with the second thermal monitor runs at its "TM2Ratio";
// a half-ratio part adds half a step; otherwise the higher of the maximum
// and the frequency-scaling ratio.
constexpr std::array kRatioRules = {
    RatioRule{RatioSource::kSecondThermalMonitorWhenHot},
    RatioRule{RatioSource::kHalfRatio},
    RatioRule{RatioSource::kLargerOfMaxAndEqrt},
};

constexpr module::FrontSideBusModel kSpeedModel{
    .busClocks = kBusClocks,
    .fixedBusClocks = {},
    .halfMegahertzFsbSel = kHalfMegahertzFsbSel,
    .ratioRules = kRatioRules,
    .multiCoreEnabledField = module::fsb_field::kMultiCoreEnabled,
    .multiCoreSetField = module::fsb_field::kMultiCoreSet,
    .loadWhileRefreshing = true,
};

}  // namespace

const module::FrontSideBusModel& SpeedModel() {
    return kSpeedModel;
}

}  // namespace sondrel::gen7
