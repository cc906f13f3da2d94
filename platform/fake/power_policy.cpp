#include "sondrel/platform/power_policy.h"

#include <string>

#include "state.h"

namespace sondrel::platform {

namespace fake {

namespace {

std::optional<std::uint8_t>& Policy(PowerSource source) {
    State& state = GetState();
    return source == PowerSource::kMains ? state.mainsThrottle : state.batteryThrottle;
}

const char* Name(PowerSource source) {
    return source == PowerSource::kMains ? "mains" : "battery";
}

}  // namespace

void SetDynamicThrottle(PowerSource source, std::optional<std::uint8_t> value) {
    Policy(source) = value;
}

std::optional<std::uint8_t> DynamicThrottle(PowerSource source) {
    return Policy(source);
}

void FailPowerPolicyWrites(bool fail) {
    GetState().failPowerPolicyWrites = fail;
}

std::vector<std::string> PowerPolicyLog() {
    return GetState().powerPolicyLog;
}

void LogEvent(const std::string& event) {
    GetState().powerPolicyLog.push_back(event);
}

}  // namespace fake

std::optional<std::uint8_t> ReadDynamicThrottle(PowerSource source) {
    fake::LogEvent(std::string("read ") + fake::Name(source));
    return fake::Policy(source);
}

bool WriteDynamicThrottle(PowerSource source, std::uint8_t value) {
    fake::LogEvent(std::string("write ") + fake::Name(source) + " " + std::to_string(value));
    std::optional<std::uint8_t>& policy = fake::Policy(source);
    if (!policy || fake::GetState().failPowerPolicyWrites) {
        return false;
    }
    policy = value;
    return true;
}

}  // namespace sondrel::platform
