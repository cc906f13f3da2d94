// The operating system's dynamic processor throttling, one setting for
// mains power and one for battery. Where the system has no such policy the
// reads fail and nothing is written.
#pragma once

#include <cstdint>
#include <optional>

namespace sondrel::platform {

enum class PowerSource {
    kMains,
    kBattery,
};

// The DynamicThrottle value of the source's policy; empty when the policy
// cannot be read.
std::optional<std::uint8_t> ReadDynamicThrottle(PowerSource source);

// Reads the source's policy afresh, puts `value` into its DynamicThrottle
// and writes it back. False when the policy could not be read or written.
bool WriteDynamicThrottle(PowerSource source, std::uint8_t value);

}  // namespace sondrel::platform
