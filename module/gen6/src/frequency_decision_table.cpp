#include <array>

#include "sondrel/gen6/tables.h"

namespace sondrel::gen6 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

// Every processor of this module has extended model 0.
constexpr std::int32_t kExtendedModel = 0;

constexpr std::array kSample = {ProductCodeRange{56, 56}};
// Model 3 had no two-core part; model 6 no mobile one.
constexpr std::array kModel3Derived = {ProductCodeRange{48, 49}, ProductCodeRange{52, 52},
                                       ProductCodeRange{59, 59}};
constexpr std::array kModel4Derived = {ProductCodeRange{48, 49}, ProductCodeRange{52, 52},
                                       ProductCodeRange{58, 59}};
constexpr std::array kModel6Derived = {ProductCodeRange{48, 49}, ProductCodeRange{58, 59}};

// The sample row and the derived row of one model and its released
// steppings. kDeriveOrClear derives for a production part ("Production"
// reads 1) and clears otherwise.
constexpr FrequencyDecisionRow Sample(std::int32_t model, std::int32_t first, std::int32_t last) {
    return {kExtendedModel, model, first, last, kSample, kClear};
}

constexpr FrequencyDecisionRow Derived(std::int32_t model, std::int32_t first, std::int32_t last,
                                       std::span<const ProductCodeRange> codes) {
    return {kExtendedModel, model, first, last, codes, kDeriveOrClear};
}

// First matching row decides; anything no row matches (another stepping,
// another product code) is unsupported.
constexpr std::array kDecisions = {
    Sample(3, 3, 4),  Derived(3, 3, 4, kModel3Derived),
    Sample(4, 1, 10), Derived(4, 1, 10, kModel4Derived),
    Sample(6, 2, 8),  Derived(6, 2, 8, kModel6Derived),
};

}  // namespace

std::span<const FrequencyDecisionRow> FrequencyDecisionTable() {
    return kDecisions;
}

}  // namespace sondrel::gen6
