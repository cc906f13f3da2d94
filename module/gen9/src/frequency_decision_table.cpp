// Cpumod9's frequency support decision table. Codes 17 and 93 of the
// second table are rows no brand class of this module produces; they stay
// as written.
#include <array>

#include "sondrel/gen9/tables.h"

namespace sondrel::gen9 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kFirstStepping = 0;
constexpr std::int32_t kLastStepping = 15;

constexpr std::array<ProductCodeRange, 0> kEveryCode{};
// 56: a processor named only "Genuine Quarn(R) CPU" or "Quarn(R) Vantor(TM) CPU".
constexpr std::array kGenericProcessor = {ProductCodeRange{56, 56}};
constexpr std::array kCodes2And10 = {ProductCodeRange{80, 81}, ProductCodeRange{85, 86},
                                     ProductCodeRange{94, 94}, ProductCodeRange{96, 97}};
constexpr std::array kCodes2And13 = {ProductCodeRange{80, 81}, ProductCodeRange{95, 95}};
constexpr std::array kCodesSecondTable = {ProductCodeRange{17, 17}, ProductCodeRange{80, 81},
                                          ProductCodeRange{85, 86}, ProductCodeRange{93, 94},
                                          ProductCodeRange{96, 97}};

// First matching row decides: (extended model, model, steppings, product codes) → outcome.
constexpr std::array kRows = {
    // First table: extended model 2.
    FrequencyDecisionRow{2, 10, 1, 7, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 10, 1, 7, kCodes2And10, kDeriveOrClear},
    FrequencyDecisionRow{2, 13, 0, 7, kGenericProcessor, kClear},
    FrequencyDecisionRow{2, 13, 0, 7, kCodes2And13, kDeriveOrClear},

    // Second table: extended model 3; model 13 is known but not classified.
    FrequencyDecisionRow{3, 10, 0, 9, kGenericProcessor, kClear},
    FrequencyDecisionRow{3, 10, 0, 9, kCodesSecondTable, kDeriveOrClear},
    FrequencyDecisionRow{3, 14, 0, 9, kGenericProcessor, kClear},
    FrequencyDecisionRow{3, 14, 0, 9, kCodesSecondTable, kDeriveOrClear},
    FrequencyDecisionRow{3, 13, kFirstStepping, kLastStepping, kEveryCode, kUnclassified},
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen9
