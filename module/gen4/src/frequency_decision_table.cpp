#include <array>

#include "sondrel/gen4/tables.h"

namespace sondrel::gen4 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::array kDerivedCodes = {ProductCodeRange{48, 53}};

// kDeriveOrClear derives for a production part ("Production" 1) and clears
// a sample. Each stepping the product-code table knows has a row; the
// first row that matches decides, and anything else is unsupported.
constexpr std::array kDecisions = {
    FrequencyDecisionRow{0, kModel, 4, 5, kDerivedCodes, kDeriveOrClear},
    FrequencyDecisionRow{0, kModel, 7, 7, kDerivedCodes, kDeriveOrClear},
    FrequencyDecisionRow{0, kModel, 9, 9, kDerivedCodes, kDeriveOrClear},
};

}  // namespace

std::span<const FrequencyDecisionRow> FrequencyDecisionTable() {
    return kDecisions;
}

}  // namespace sondrel::gen4
