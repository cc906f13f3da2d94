#include <array>

#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::FrequencyDecisionRow;
using module::kAnyExtendedModel;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kAnyStepping = 0;
constexpr std::int32_t kLastStepping = 15;

constexpr std::array kSample = {ProductCodeRange{56, 56}};
constexpr std::array kModel15Derived = {ProductCodeRange{65, 68}, ProductCodeRange{70, 73},
                                        ProductCodeRange{75, 75}, ProductCodeRange{77, 77}};
constexpr std::array kModel6Derived = {ProductCodeRange{72, 73}, ProductCodeRange{75, 75}};
constexpr std::array kModel7Derived = {ProductCodeRange{65, 68}, ProductCodeRange{70, 73},
                                       ProductCodeRange{75, 76}, ProductCodeRange{82, 83}};
constexpr std::array kModel12Derived = {ProductCodeRange{78, 78}};
constexpr std::array kModel13Derived = {ProductCodeRange{68, 68}};

// The sample row and the derived row of one model and stepping range.
// kDeriveOrClear derives for a production part and clears otherwise (the
// production flag is held where the newer generations hold theirs).
constexpr FrequencyDecisionRow Sample(std::int32_t extendedModel, std::int32_t model, std::int32_t first,
                                      std::int32_t last) {
    return {extendedModel, model, first, last, kSample, kClear};
}

constexpr FrequencyDecisionRow Derived(std::int32_t extendedModel, std::int32_t model, std::int32_t first,
                                       std::int32_t last, std::span<const ProductCodeRange> codes) {
    return {extendedModel, model, first, last, codes, kDeriveOrClear};
}

constexpr FrequencyDecisionRow Unsupported(std::int32_t extendedModel, std::int32_t model, std::int32_t first,
                                           std::int32_t last) {
    return {extendedModel, model, first, last, {}, kUnsupported};
}

// First matching row decides; anything no row matches is unsupported.
constexpr std::array kDecisions = {
    // Model 15, any extended model: steppings 0, 1, 3, 12, 14 and 15 are not supported.
    Unsupported(kAnyExtendedModel, 15, 0, 1),
    Unsupported(kAnyExtendedModel, 15, 3, 3),
    Unsupported(kAnyExtendedModel, 15, 12, 12),
    Unsupported(kAnyExtendedModel, 15, 14, 15),
    Sample(kAnyExtendedModel, 15, kAnyStepping, kLastStepping),
    Derived(kAnyExtendedModel, 15, kAnyStepping, kLastStepping, kModel15Derived),
    // Extended model 1.
    Sample(1, 6, 1, 1),
    Derived(1, 6, 1, 1, kModel6Derived),
    Sample(1, 7, 1, 1),
    Derived(1, 7, 1, 1, kModel7Derived),
    Sample(1, 7, 4, 4),
    Derived(1, 7, 4, 4, kModel7Derived),
    Sample(1, 7, 6, 7),
    Derived(1, 7, 6, 7, kModel7Derived),
    Sample(1, 7, 10, 10),
    Derived(1, 7, 10, 10, kModel7Derived),
    Sample(1, 12, 1, 2),
    Derived(1, 12, 1, 2, kModel12Derived),
    Sample(1, 12, 9, 10),
    Derived(1, 12, 9, 10, kModel12Derived),
    Sample(1, 13, 1, 1),
    Derived(1, 13, 1, 1, kModel13Derived),
};

}  // namespace

std::span<const FrequencyDecisionRow> FrequencyDecisionTable() {
    return kDecisions;
}

}  // namespace sondrel::gen7
