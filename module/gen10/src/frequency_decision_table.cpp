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

constexpr FrequencyDecisionRow Clear(std::int32_t extendedModel, std::int32_t model, std::int32_t first,
                                     std::int32_t last) {
    return {extendedModel, model, first, last, kGenericProcessor, kClear};
}

template <std::size_t N>
constexpr FrequencyDecisionRow DeriveOrClear(std::int32_t extendedModel, std::int32_t model,
                                             std::int32_t first, std::int32_t last,
                                             const std::array<ProductCodeRange, N>& codes) {
    return {extendedModel, model, first, last, codes, kDeriveOrClear};
}

constexpr FrequencyDecisionRow Unclassified(std::int32_t extendedModel, std::int32_t model) {
    return {extendedModel, model, 0, kLastStepping, kEveryCode, kUnclassified};
}

// First matching row decides; the other models of each extended model stay
// unclassified whatever their stepping.
constexpr std::array kRows = {
    // Extended model 2: model 6, stepping 0 to 6.
    Clear(2, 6, 0, 6),
    DeriveOrClear(2, 6, 0, 6, kExtendedModel2Codes),
    Unclassified(2, 7),
    Unclassified(2, 12),
    Unclassified(2, 13),

    // Extended model 3: models 6 and 7, stepping 0 to 8.
    Clear(3, 6, 0, 8),
    DeriveOrClear(3, 6, 0, 8, kExtendedModel3Codes),
    Clear(3, 7, 0, 8),
    DeriveOrClear(3, 7, 0, 8, kExtendedModel3Codes),
    Unclassified(3, 12),
    Unclassified(3, 13),

    // Extended model 4: models 12 and 13, stepping 0 to 5 or 8.
    Clear(4, 12, 0, 5),
    DeriveOrClear(4, 12, 0, 5, kExtendedModel4Codes),
    Clear(4, 12, 8, 8),
    DeriveOrClear(4, 12, 8, 8, kExtendedModel4Codes),
    Clear(4, 13, 0, 5),
    DeriveOrClear(4, 13, 0, 5, kExtendedModel4Codes),
    Clear(4, 13, 8, 8),
    DeriveOrClear(4, 13, 8, 8, kExtendedModel4Codes),
    Unclassified(4, 6),
    Unclassified(4, 7),
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen10
