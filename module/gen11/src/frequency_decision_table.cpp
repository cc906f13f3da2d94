// Cpumod11's frequency support decision: three tables by extended model.
#include <array>

#include "sondrel/gen11/tables.h"

namespace sondrel::gen11 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kLastStepping = 15;

// An empty list stands for every code.
constexpr std::array<ProductCodeRange, 0> kEveryCode{};
// 56: a processor named only "Genuine Quarn(R) CPU".
constexpr std::array kGenericProcessor = {ProductCodeRange{56, 56}};
// 17 and 93 are kept as listed although no brand class maps to them.
constexpr std::array kFirstTableCodes = {ProductCodeRange{17, 17}, ProductCodeRange{80, 81},
                                         ProductCodeRange{85, 86}, ProductCodeRange{93, 93},
                                         ProductCodeRange{98, 101}};
constexpr std::array kSecondTableCodes = {ProductCodeRange{129, 129}};
constexpr std::array kThirdTableCodes = {ProductCodeRange{17, 17},  ProductCodeRange{80, 81},
                                         ProductCodeRange{85, 86},  ProductCodeRange{93, 93},
                                         ProductCodeRange{98, 101}, ProductCodeRange{107, 111}};

constexpr FrequencyDecisionRow Clear(std::int32_t extendedModel, std::int32_t model,
                                     std::int32_t lastStepping) {
    return {extendedModel, model, 0, lastStepping, kGenericProcessor, kClear};
}

template <std::size_t N>
constexpr FrequencyDecisionRow DeriveOrClear(std::int32_t extendedModel, std::int32_t model,
                                             std::int32_t lastStepping,
                                             const std::array<ProductCodeRange, N>& codes) {
    return {extendedModel, model, 0, lastStepping, codes, kDeriveOrClear};
}

// First matching row decides: (extended model, model, steppings, product codes) → outcome.
constexpr std::array kRows = {
    // First table: extended model 4, models 5, 6, 7 and 15, stepping 0 to 3.
    Clear(4, 5, 3),
    DeriveOrClear(4, 5, 3, kFirstTableCodes),
    Clear(4, 6, 3),
    DeriveOrClear(4, 6, 3, kFirstTableCodes),
    Clear(4, 7, 3),
    DeriveOrClear(4, 7, 3, kFirstTableCodes),
    Clear(4, 15, 3),
    DeriveOrClear(4, 15, 3, kFirstTableCodes),

    // Second table: extended model 5, model 6, stepping 0 to 3; models 5 and
    // 7 stay unclassified whatever their stepping.
    Clear(5, 6, 3),
    DeriveOrClear(5, 6, 3, kSecondTableCodes),
    FrequencyDecisionRow{5, 5, 0, kLastStepping, kEveryCode, kUnclassified},
    FrequencyDecisionRow{5, 7, 0, kLastStepping, kEveryCode, kUnclassified},

    // Third table: extended model 3, models 12, 13 and 15, stepping 0 to 6.
    Clear(3, 12, 6),
    DeriveOrClear(3, 12, 6, kThirdTableCodes),
    Clear(3, 13, 6),
    DeriveOrClear(3, 13, 6, kThirdTableCodes),
    Clear(3, 15, 6),
    DeriveOrClear(3, 15, 6, kThirdTableCodes),
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen11
