#include "sondrel/module/frequency.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>

#include "sondrel/module/text.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {

namespace {

constexpr double kSnapTolerance = 0.01;
constexpr std::int32_t kMHzPerGHz = 1000;
constexpr std::int32_t kDecimalBase = 10;
// A fraction of one digit counts in hundreds, of two digits in tens with
// its last digit repeated, of three or more as written.
constexpr std::int32_t kOneDigitFractionScale = 100;
constexpr std::size_t kOneDigitFraction = 1;
constexpr std::size_t kTwoDigitFraction = 2;
// A last digit r adds r/10 + r/100 + r/1000.
constexpr std::array kRepeatedDigitScales = {10.0, 100.0, 1000.0};
constexpr float kHalf = 0.5f;
constexpr double kHundredths = 100.0;
constexpr double kLowerHalfFrom = 25.0;
constexpr double kUpperHalfFrom = 75.0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The copy the units are searched in: only G, H, M and Z are lowered.
void LowerUnitLetters(char* text) {
    for (; *text != '\0'; ++text) {
        switch (*text) {
            case 'G':
            case 'H':
            case 'M':
            case 'Z':
                *text = static_cast<char>(*text - 'A' + 'a');
                break;
            default:
                break;
        }
    }
}

struct DigitRun {
    std::size_t begin;  // first digit
    std::size_t end;    // one past the last digit
};

// The run of digits that ends nearest before `position`; none when no digit
// precedes it.
std::optional<DigitRun> DigitRunBefore(const char* text, std::size_t position) {
    std::size_t end = position;
    while (end > 0 && !IsDigit(text[end - 1])) {
        --end;
    }
    if (end == 0) {
        return std::nullopt;
    }
    std::size_t begin = end;
    while (begin > 0 && IsDigit(text[begin - 1])) {
        --begin;
    }
    return DigitRun{begin, end};
}

std::int32_t DigitValue(const char* text, DigitRun run) {
    std::int32_t value = 0;
    for (std::size_t i = run.begin; i < run.end; ++i) {
        value = WrappingAdd(WrappingMultiply(value, kDecimalBase), text[i] - '0');
    }
    return value;
}

std::int32_t GigahertzValue(const char* text, std::size_t unitPosition) {
    const auto run = DigitRunBefore(text, unitPosition);
    if (!run) {
        return 0;
    }
    if (run->begin == 0 || text[run->begin - 1] != '.') {
        return WrappingMultiply(DigitValue(text, *run), kMHzPerGHz);
    }
    const std::int32_t fraction = DigitValue(text, *run);
    const std::size_t digits = run->end - run->begin;
    std::int32_t contribution = fraction;
    if (digits == kOneDigitFraction) {
        contribution = WrappingMultiply(fraction, kOneDigitFractionScale);
    } else if (digits == kTwoDigitFraction) {
        contribution = WrappingAdd(WrappingMultiply(fraction, kDecimalBase), fraction % kDecimalBase);
    }
    // The integer part is the run in front of the '.', possibly empty.
    const std::size_t point = run->begin - 1;
    std::size_t begin = point;
    while (begin > 0 && IsDigit(text[begin - 1])) {
        --begin;
    }
    const std::int32_t whole = DigitValue(text, DigitRun{begin, point});
    return WrappingAdd(WrappingMultiply(whole, kMHzPerGHz), contribution);
}

std::int32_t MegahertzValue(const char* text, std::size_t unitPosition) {
    const auto run = DigitRunBefore(text, unitPosition);
    return run ? DigitValue(text, *run) : 0;
}

std::optional<std::size_t> Find(const char* text, const char* pattern) {
    const char* found = std::strstr(text, pattern);
    return found == nullptr ? std::nullopt
                            : std::optional<std::size_t>(static_cast<std::size_t>(found - text));
}

bool ProductCodeMatches(std::span<const ProductCodeRange> codes, std::int32_t productCode) {
    return codes.empty() || InRanges(codes, productCode);
}

}  // namespace

float Snap(float value, float reference) {
    const double ref = reference;
    const double measured = value;
    if (ref > 0.0 && ref - kSnapTolerance * ref <= measured && measured <= ref + kSnapTolerance * ref) {
        return reference;
    }
    return value;
}

float BrandStringFrequency(const char* brand) {
    if (brand == nullptr || brand[0] == '\0') {
        return 0.0f;
    }
    char copy[kNameBufferSize] = {};
    CopyBounded(copy, sizeof copy, brand);
    LowerUnitLetters(copy);
    std::int32_t value = 0;
    if (const auto ghz = Find(copy, "ghz")) {
        value = GigahertzValue(copy, *ghz);
    } else if (const auto mhz = Find(copy, "mhz")) {
        value = MegahertzValue(copy, *mhz);
    }
    const std::int32_t lastDigit = value % kDecimalBase;
    float result = static_cast<float>(value);
    if (lastDigit != 0) {
        // Each term is rounded to single precision, the sum formed in double.
        double sum = value;
        for (const double scale : kRepeatedDigitScales) {
            sum += static_cast<double>(static_cast<float>(lastDigit / scale));
        }
        result = static_cast<float>(sum);
    }
    return result > 0.0f ? result : 0.0f;
}

float RatioFrequency(const RegisterFieldSlots& fields, float measuredBusMHz) {
    const bool ratioInControl = fields.Value(field_id::kEQRTEnabled) != 0 &&
                                fields.Value(field_id::kTurboDisable) != 1 &&
                                fields.Value(field_id::kTurboDisabled) != 1 &&
                                static_cast<double>(fields.Value(field_id::kActualPState)) >
                                    std::trunc(static_cast<double>(fields.Ratio(field_id::kMinRatio)));
    if (!ratioInControl) {
        return static_cast<float>(static_cast<std::uint32_t>(fields.Value(field_id::kActualPState)));
    }
    const float ratio = fields.Value(field_id::kCoreCount) == 1 ? fields.Ratio(field_id::kFlexRatio)
                                                                : fields.Ratio(field_id::kMaxFSBRatio);
    if (measuredBusMHz == 0.0f) {
        return ratio;
    }
    // Truncations in floating point, so that no value is out of range.
    const float frequency = ratio * measuredBusMHz;
    const float whole = std::trunc(frequency);
    const double hundredths = std::trunc((static_cast<double>(frequency) - whole) * kHundredths);
    if (hundredths < kLowerHalfFrom) {
        return whole;
    }
    return hundredths < kUpperHalfFrom ? whole + kHalf : whole + 1.0f;
}

FrequencyOutcome DecideFrequencyOutcome(std::span<const FrequencyDecisionRow> table,
                                        std::int32_t extendedModel, std::int32_t model, std::int32_t stepping,
                                        std::int32_t productCode, std::int32_t preproductionFlag) {
    const auto row = std::find_if(table.begin(), table.end(), [&](const FrequencyDecisionRow& candidate) {
        return (candidate.extendedModel == kAnyExtendedModel || candidate.extendedModel == extendedModel) &&
               candidate.model == model && stepping >= candidate.lowestStepping &&
               stepping <= candidate.highestStepping &&
               ProductCodeMatches(candidate.productCodes, productCode);
    });
    if (row == table.end()) {
        return FrequencyOutcome::kUnsupported;
    }
    if (row->outcome == FrequencyOutcome::kDeriveOrClear) {
        return preproductionFlag == 1 ? FrequencyOutcome::kDerive : FrequencyOutcome::kClear;
    }
    return row->outcome;
}

}  // namespace sondrel::module
