// Which processor module file serves a processor, by its signature.
#pragma once

#include <cstdint>
#include <optional>

namespace sondrel::broker {

// The module for processors newer than every table.
inline constexpr std::int32_t kFutureModuleNumber = 0;

struct Signature {
    std::int32_t family = 0;
    std::int32_t extendedFamily = 0;
    std::int32_t model = 0;
    std::int32_t extendedModel = 0;
};

// CPUID leaf 1 EAX.
Signature DecodeSignature(std::uint32_t leaf1Eax);

// The n of the module file Cpumod<n>; empty when no module serves the
// processor.
std::optional<std::int32_t> ChooseModuleNumber(const Signature& signature);

}  // namespace sondrel::broker
