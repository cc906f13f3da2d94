// Linux has no dynamic-throttle policy of this kind: frequency scaling is
// the kernel governor's business and not the user's to switch per program,
// so every read fails and nothing is ever written.
#include "sondrel/platform/power_policy.h"

namespace sondrel::platform {

std::optional<std::uint8_t> ReadDynamicThrottle(PowerSource /*source*/) {
    return std::nullopt;
}

bool WriteDynamicThrottle(PowerSource /*source*/, std::uint8_t /*value*/) {
    return false;
}

}  // namespace sondrel::platform
