#include <array>

#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {

namespace {

using module::BusClockRow;
using module::FixedBusClockRow;
using module::RatioRule;
using module::RatioSource;

// Bus clock by "FSBSel"; any other value leaves the processor not handled.
constexpr std::array kBusClocks = {
    BusClockRow{0, 100.0f}, BusClockRow{1, 133.3333f}, BusClockRow{2, 200.0f},
    BusClockRow{3, 166.6667f}, BusClockRow{5, 100.0f},
};

// Model 9 has only the 100 MHz bus and no bus-select field worth reading.
constexpr std::array kFixedBusClocks = {FixedBusClockRow{9, 100.0f, 0}};

constexpr std::int32_t kHalfMegahertzFsbSel = 3;

// A hot processor with the second thermal monitor runs at its "TM2Ratio";
// otherwise the higher of the power-on "Limit" and the frequency-scaling
// ratio. These parts have no half ratios. A part without frequency scaling
// reads no "EQRTRatio", so the "Limit" decides.
constexpr std::array kRatioRules = {
    RatioRule{RatioSource::kSecondThermalMonitorWhenHot},
    RatioRule{RatioSource::kLargerOfMaxAndEqrt},
};

constexpr module::FrontSideBusModel kSpeedModel{
    .busClocks = kBusClocks,
    .fixedBusClocks = kFixedBusClocks,
    .halfMegahertzFsbSel = kHalfMegahertzFsbSel,
    .ratioRules = kRatioRules,
    .multiCoreEnabledField = 0,
    .multiCoreSetField = 0,
    .loadWhileRefreshing = false,
};

}  // namespace

const module::FrontSideBusModel& SpeedModel() {
    return kSpeedModel;
}

}  // namespace sondrel::gen5
