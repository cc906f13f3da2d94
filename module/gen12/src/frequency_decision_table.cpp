#include "sondrel/gen12/frequency_decision_table.h"

#include <array>

namespace sondrel::gen12 {

namespace {

using module::FrequencyDecisionRow;
using module::ProductCodeRange;
using enum module::FrequencyOutcome;

constexpr std::int32_t kModelFourteen = 14;
constexpr std::int32_t kModelFive = 5;

// Product codes of the rows; an empty list stands for every code.
constexpr std::array<ProductCodeRange, 0> kEveryCode{};
// 56: a processor named only "Genuine Quarn(R) CPU".
constexpr std::array kGenericProcessor = {ProductCodeRange{56, 56}};
constexpr std::array kCodes4And14 = {ProductCodeRange{112, 125}, ProductCodeRange{127, 127},
                                     ProductCodeRange{138, 139}};
constexpr std::array kCodes5And5 = {ProductCodeRange{112, 125}, ProductCodeRange{127, 127},
                                    ProductCodeRange{138, 139}, ProductCodeRange{142, 145}};
constexpr std::array kCodes5And14 = {ProductCodeRange{112, 125}, ProductCodeRange{127, 127},
                                     ProductCodeRange{159, 161}};
constexpr std::array kCodes8And14 = {ProductCodeRange{122, 125}, ProductCodeRange{127, 127},
                                     ProductCodeRange{131, 137}, ProductCodeRange{159, 161}};
constexpr std::array kCodesLateSteppings = {ProductCodeRange{146, 156}};
constexpr std::array kCodes9And14 = {ProductCodeRange{131, 133}, ProductCodeRange{140, 141},
                                     ProductCodeRange{146, 156}, ProductCodeRange{159, 161}};

// First matching row decides: (extended model, model, steppings, product codes) → outcome.
constexpr std::array kRows = {
    FrequencyDecisionRow{4, kModelFourteen, 0, 2, kEveryCode, kDerive},
    FrequencyDecisionRow{4, kModelFourteen, 3, 3, kGenericProcessor, kClear},
    FrequencyDecisionRow{4, kModelFourteen, 3, 3, kCodes4And14, kDeriveOrClear},

    FrequencyDecisionRow{5, kModelFive, 0, 4, kGenericProcessor, kClear},
    FrequencyDecisionRow{5, kModelFive, 0, 4, kCodes5And5, kDeriveOrClear},

    FrequencyDecisionRow{5, kModelFourteen, 0, 2, kEveryCode, kDerive},
    FrequencyDecisionRow{5, kModelFourteen, 3, 3, kGenericProcessor, kClear},
    FrequencyDecisionRow{5, kModelFourteen, 3, 3, kCodes5And14, kDeriveOrClear},
    FrequencyDecisionRow{5, kModelFourteen, 8, 9, kGenericProcessor, kClear},
    FrequencyDecisionRow{5, kModelFourteen, 8, 9, kEveryCode, kDerive},

    FrequencyDecisionRow{8, kModelFourteen, 3, 3, kGenericProcessor, kClear},
    FrequencyDecisionRow{8, kModelFourteen, 3, 3, kCodes8And14, kDeriveOrClear},
    FrequencyDecisionRow{8, kModelFourteen, 9, 9, kEveryCode, kDerive},
    FrequencyDecisionRow{8, kModelFourteen, 10, 12, kGenericProcessor, kClear},
    FrequencyDecisionRow{8, kModelFourteen, 10, 12, kCodesLateSteppings, kDeriveOrClear},

    FrequencyDecisionRow{9, kModelFourteen, 9, 9, kGenericProcessor, kClear},
    FrequencyDecisionRow{9, kModelFourteen, 9, 9, kCodes9And14, kDeriveOrClear},
    FrequencyDecisionRow{9, kModelFourteen, 10, 12, kGenericProcessor, kClear},
    FrequencyDecisionRow{9, kModelFourteen, 10, 12, kCodesLateSteppings, kDeriveOrClear},
};

}  // namespace

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable() {
    return kRows;
}

}  // namespace sondrel::gen12
