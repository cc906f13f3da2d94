// Frequency helpers shared by the measurement paths.
#pragma once

namespace sondrel::module {

// The nominal bus frequency of the generations with a fixed bus clock.
inline constexpr float kNominalBusMHz = 100.0f;

// `reference` when it is positive and `value` lies within one per cent of it
// (bounds included, in double precision); otherwise `value`.
float Snap(float value, float reference);

}  // namespace sondrel::module
