// Frequency rules shared by the measurement paths and the frequency
// support decision.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/module/generation.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

// The nominal bus frequency of the generations with a fixed bus clock.
inline constexpr float kNominalBusMHz = 100.0f;

// `reference` when it is positive and `value` lies within one per cent of it
// (bounds included, in double precision); otherwise `value`.
float Snap(float value, float reference);

// The rated core frequency written in a brand string ("… @ 3.40GHz",
// "… 1500MHz"), in MHz; 0 when the text names none. A value whose last
// digit r is not 0 gains r/10 + r/100 + r/1000, so "2.66GHz" reads as
// 2666.666.
float BrandStringFrequency(const char* brand);

// The frequency implied by the current core ratio and the measured bus
// clock, rounded to a half; the current ratio itself when the bus clock is
// 0; "ActualPState" when the ratio is not the one in control.
float RatioFrequency(const RegisterFieldSlots& fields, float measuredBusMHz);

// The outcome of a decision table for one processor, with kDeriveOrClear
// resolved by `preproductionFlag`.
FrequencyOutcome DecideFrequencyOutcome(std::span<const FrequencyDecisionRow> table,
                                        std::int32_t extendedModel, std::int32_t model, std::int32_t stepping,
                                        std::int32_t productCode, std::int32_t preproductionFlag);

}  // namespace sondrel::module
