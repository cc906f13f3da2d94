// Cpumod10's frequency support decision, by extended model.
#include <array>

#include "sondrel/gen10/tables.h"

namespace sondrel::gen10 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kLastStepping = 15;

constexpr std::array<ProductCodeRange, 0> kEveryCode{};
// 56: a processor named only "Genuine Quarn(R) CPU".
constexpr std::array kGenericProcessor = {ProductCodeRange{56, 56}};
constexpr std::array kExtendedModel2Codes = {ProductCodeRange{78, 78}};
constexpr std::array kExtendedModel3Codes = {ProductCodeRange{78, 78}, ProductCodeRange{102, 103}};
constexpr std::array kExtendedModel4Codes = {ProductCodeRange{78, 78}, ProductCodeRange{102, 106}};

template <std::size_t N>
constexpr std::array<FrequencyDecisionRow, 2> Steppings(std::int32_t extendedModel, std::int32_t model,
                                                        std::int32_t first, std::int32_t last,
                                                        const std::array<ProductCodeRange, N>& codes) {
    return {FrequencyDecisionRow{extendedModel, model, first, last, kGenericProcessor, kClear},
            FrequencyDecisionRow{extendedModel, model, first, last, codes, kDeriveOrClear}};
}

constexpr FrequencyDecisionRow Unclassified(std::int32_t extendedModel, std::int32_t model) {
    return {extendedModel, model, 0, kLastStepping, kEveryCode, kUnclassified};
}

// First matching row decides; the other models of each extended model stay
// unclassified whatever their stepping.
constexpr auto k26 = Steppings(2, 6, 0, 6, kExtendedModel2Codes);
constexpr auto k36 = Steppings(3, 6, 0, 8, kExtendedModel3Codes);
constexpr auto k37 = Steppings(3, 7, 0, 8, kExtendedModel3Codes);
constexpr auto k412 = Steppings(4, 12, 0, 5, kExtendedModel4Codes);
constexpr auto k412Stepping8 = Steppings(4, 12, 8, 8, kExtendedModel4Codes);
constexpr auto k413 = Steppings(4, 13, 0, 5, kExtendedModel4Codes);
constexpr auto k413Stepping8 = Steppings(4, 13, 8, 8, kExtendedModel4Codes);

constexpr std::array kRows = {
    k26[0],
    k26[1],
    Unclassified(2, 7),
    Unclassified(2, 12),
    Unclassified(2, 13),
    k36[0],
    k36[1],
    k37[0],
    k37[1],
    Unclassified(3, 12),
    Unclassified(3, 13),
    k412[0],
    k412[1],
    k412Stepping8[0],
    k412Stepping8[1],
    k413[0],
    k413[1],
    k413Stepping8[0],
    k413Stepping8[1],
    Unclassified(4, 6),
    Unclassified(4, 7),
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen10
