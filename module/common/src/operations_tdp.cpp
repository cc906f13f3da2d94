// ITDP: the base thermal design power in whole watts.
#include <cmath>
#include <limits>

#include "sondrel/module/processor_module.h"

namespace sondrel::module {

namespace {

// Truncates toward zero; values beyond the 32-bit range saturate instead
// of being undefined.
std::int32_t TruncateWatts(double watts) {
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(watts)) {
        return 0;
    }
    if (watts >= kHighest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (watts <= kLowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(watts);
}

}  // namespace

ResultCode SONDREL_CALL CProcessorModule::GetBaseTDP(std::int32_t processor, std::int32_t* watts) {
    const ResultCode status = CheckQuery(processor, {watts});
    if (status != result::kSuccess) {
        return status;
    }
    *watts = TruncateWatts(snapshot_.tdpWatts);
    return result::kSuccess;
}

}  // namespace sondrel::module
