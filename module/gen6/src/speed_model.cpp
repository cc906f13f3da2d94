#include <array>

#include "sondrel/gen6/tables.h"

namespace sondrel::gen6 {

namespace {

using module::BusClockRow;
using module::RatioRule;
using module::RatioSource;

// Bus clock by "FSBSel"; any other value leaves the processor not handled.
constexpr std::array kBusClocks = {
    BusClockRow{0, 266.6667f},
    BusClockRow{1, 133.3333f},
    BusClockRow{2, 200.0f},
    BusClockRow{3, 166.6667f},
};

constexpr std::int32_t kHalfMegahertzFsbSel = 3;
constexpr std::int32_t kMobileCorvid4 = 52;

// The mobile line runs below its "Limit" while it saves power, so its
// "MaxFSBRatio" gives the ratio; a hot processor with the second thermal
// monitor runs at its "TM2Ratio"; otherwise the maximum ratio.
constexpr std::array kRatioRules = {
    RatioRule{RatioSource::kMaxFsbRatioForProduct, kMobileCorvid4},
    RatioRule{RatioSource::kSecondThermalMonitorWhenHot},
    RatioRule{RatioSource::kMaxRatio},
};

constexpr module::FrontSideBusModel kSpeedModel{
    .busClocks = kBusClocks,
    .fixedBusClocks = {},
    .halfMegahertzFsbSel = kHalfMegahertzFsbSel,
    .ratioRules = kRatioRules,
    .multiCoreEnabledField = 0,
    .multiCoreSetField = 0,
    .loadWhileRefreshing = true,
};

}  // namespace

const module::FrontSideBusModel& SpeedModel() {
    return kSpeedModel;
}

}  // namespace sondrel::gen6
