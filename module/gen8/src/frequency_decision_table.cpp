// Cpumod8's frequency support decision table.
#include <array>

#include "sondrel/gen8/tables.h"

namespace sondrel::gen8 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kFirstStepping = 0;
constexpr std::int32_t kLastStepping = 15;

constexpr std::array<ProductCodeRange, 0> kEveryCode{};
// 56: a processor named only "Genuine Quarn(R) CPU" or "Quarn(R) Vantor(TM) CPU".
constexpr std::array kGenericProcessor = {ProductCodeRange{56, 56}};
constexpr std::array kCodes1And10 = {ProductCodeRange{79, 81}};
constexpr std::array kClientCodes = {ProductCodeRange{79, 81}, ProductCodeRange{85, 86},
                                     ProductCodeRange{91, 92}};
constexpr std::array kServerCodes = {ProductCodeRange{84, 84}};

// First matching row decides: (extended model, model, steppings, product codes) → outcome.
constexpr std::array kRows = {
    // First table: extended model 1.
    FrequencyDecisionRow{1, 10, 4, 5, kGenericProcessor, kClear},
    FrequencyDecisionRow{1, 10, 4, 5, kCodes1And10, kDeriveOrClear},
    FrequencyDecisionRow{1, 14, 2, 5, kGenericProcessor, kClear},
    FrequencyDecisionRow{1, 14, 2, 5, kClientCodes, kDeriveOrClear},

    // Second table: extended model 2; model 10 is known but not classified.
    FrequencyDecisionRow{2, 5, 2, 5, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 5, 2, 5, kClientCodes, kDeriveOrClear},
    FrequencyDecisionRow{2, 12, 0, 2, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 12, 0, 2, kClientCodes, kDeriveOrClear},
    FrequencyDecisionRow{2, 14, 2, 2, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 14, 2, 2, kServerCodes, kDeriveOrClear},
    FrequencyDecisionRow{2, 14, 5, 6, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 14, 5, 6, kServerCodes, kDeriveOrClear},
    FrequencyDecisionRow{2, 15, 0, 2, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 15, 0, 2, kServerCodes, kDeriveOrClear},
    FrequencyDecisionRow{2, 10, kFirstStepping, kLastStepping, kEveryCode, kUnclassified},
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen8
