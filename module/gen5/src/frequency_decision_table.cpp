#include <array>

#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kExtendedModel = 0;
constexpr std::int32_t kFirstStepping = 0;
constexpr std::int32_t kLastStepping = 15;

// "Genuine Quarn(R) CPU" parts are samples: their name is not a rating.
constexpr std::array kSample = {ProductCodeRange{62, 62}};
// The single-core mobile lines of models 9 and 13 (Corvid M, Mobile Dunlin,
// Dunlin M); the lines of model 14 (Vantor Solo and Duo, Dunlin M of that
// model, Bastra, Corvid Dual-Core, Dunlin).
constexpr std::array kSingleCoreMobileLines = {ProductCodeRange{54, 55}, ProductCodeRange{57, 57}};
constexpr std::array kModel14Lines = {ProductCodeRange{60, 61}, ProductCodeRange{63, 64},
                                      ProductCodeRange{69, 69}, ProductCodeRange{74, 74}};

// Every stepping of the three models: each released one is a production
// design, and a stepping rule would only turn later ones away. A line on a
// model that never carried it is not one the module knows.
constexpr std::array kDecisions = {
    FrequencyDecisionRow{kExtendedModel, 9, kFirstStepping, kLastStepping, kSample, kClear},
    FrequencyDecisionRow{kExtendedModel, 9, kFirstStepping, kLastStepping, kSingleCoreMobileLines,
                         kDeriveOrClear},
    FrequencyDecisionRow{kExtendedModel, 13, kFirstStepping, kLastStepping, kSample, kClear},
    FrequencyDecisionRow{kExtendedModel, 13, kFirstStepping, kLastStepping, kSingleCoreMobileLines,
                         kDeriveOrClear},
    FrequencyDecisionRow{kExtendedModel, 14, kFirstStepping, kLastStepping, kSample, kClear},
    FrequencyDecisionRow{kExtendedModel, 14, kFirstStepping, kLastStepping, kModel14Lines, kDeriveOrClear},
};

}  // namespace

std::span<const FrequencyDecisionRow> FrequencyDecisionTable() {
    return kDecisions;
}

}  // namespace sondrel::gen5
