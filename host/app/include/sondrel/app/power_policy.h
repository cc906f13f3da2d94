// Dynamic processor throttling is switched off around the start-up
// collection, so that measured frequencies are not lowered by it.
#pragma once

#include <cstdint>

namespace sondrel::app {

struct PowerPolicyState {
    bool policyChanged = false;
    std::uint8_t savedMainsThrottle = 0;
    std::uint8_t savedBatteryThrottle = 0;
};

// Keeps both throttle values and writes 0 into both policies when either
// was set. Write failures are ignored. Returns true.
bool SwitchThrottlingOff(PowerPolicyState& state);

// Writes the kept values back when SwitchThrottlingOff changed the
// policies. True when it wrote them.
bool RestoreThrottling(PowerPolicyState& state);

}  // namespace sondrel::app
