#include "sondrel/app/power_policy.h"

#include "sondrel/platform/power_policy.h"

namespace sondrel::app {

namespace {
constexpr std::uint8_t kThrottleOff = 0;
}  // namespace

bool SwitchThrottlingOff(PowerPolicyState& state) {
    using platform::PowerSource;
    state.savedMainsThrottle = platform::ReadDynamicThrottle(PowerSource::kMains).value_or(kThrottleOff);
    state.savedBatteryThrottle = platform::ReadDynamicThrottle(PowerSource::kBattery).value_or(kThrottleOff);
    if (state.savedMainsThrottle != kThrottleOff || state.savedBatteryThrottle != kThrottleOff) {
        platform::WriteDynamicThrottle(PowerSource::kMains, kThrottleOff);
        platform::WriteDynamicThrottle(PowerSource::kBattery, kThrottleOff);
        state.policyChanged = true;
    }
    return true;
}

bool RestoreThrottling(PowerPolicyState& state) {
    using platform::PowerSource;
    if (!state.policyChanged) {
        return false;
    }
    // The flag stays set: a second restore writes the same values again.
    platform::WriteDynamicThrottle(PowerSource::kMains, state.savedMainsThrottle);
    platform::WriteDynamicThrottle(PowerSource::kBattery, state.savedBatteryThrottle);
    return true;
}

}  // namespace sondrel::app
