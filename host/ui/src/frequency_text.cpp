#include "sondrel/ui/frequency_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "sondrel/ui/string_ids.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::ui {

namespace {

constexpr std::int32_t kPerThousand = 1000;
constexpr std::int32_t kTens = 10;
constexpr std::size_t kNumberLimit = 9;
constexpr char kFallbackSeparator = ',';

std::string Cut(std::string text, std::size_t limit) {
    text.resize(std::min(text.size(), limit));
    return text;
}

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// v / 1000 with one decimal when its whole part is whole thousands, else
// the whole part cut to tens and divided, with two decimals; single precision.
std::string Thousands(std::int32_t whole, float value) {
    if (whole % kPerThousand == 0) {
        return Number("%.1f", value / static_cast<float>(kPerThousand));
    }
    const std::int32_t tens = whole / kTens * kTens;  // cut, not rounded
    const float quotient = static_cast<float>(tens) / static_cast<float>(kPerThousand);
    return Number("%.2f", quotient);
}

std::string WithUnit(const std::string& number, const std::string& unit) {
    return Cut(Cut(number, kNumberLimit) + " " + unit, kFrequencyTextLimit);
}

std::string Megahertz(std::int32_t value, const std::string& unit) {
    return Cut(std::to_string(value) + " " + unit, kFrequencyTextLimit);
}

std::string PlainRate(float value, const std::string& unit) {
    return Cut(Number("%.2f", value) + " " + unit, kFrequencyTextLimit);
}

std::string ThousandsRate(float value, const std::string& unit) {
    return Cut(Thousands(TruncateToInteger(value), value) + " " + unit, kFrequencyTextLimit);
}

}  // namespace

std::int32_t TruncateToInteger(float value) {
    return SaturatingTruncate(value);
}

TextPair FormatFrequencyPair(std::int32_t reported, std::int32_t expected, bool bus,
                             const LanguageText& language) {
    const std::string megahertz = language.StringOrEmpty(string_id::kMegahertz, kFrequencyTextLimit);
    if (bus || (expected > 0 && expected < kPerThousand)) {
        return {Megahertz(reported, megahertz), Megahertz(expected, megahertz)};
    }
    const std::string gigahertz = language.StringOrEmpty(string_id::kGigahertz, kFrequencyTextLimit);
    const auto inGigahertz = [&](std::int32_t value) {
        return WithUnit(Thousands(value, static_cast<float>(value)), gigahertz);
    };
    if (expected >= kPerThousand) {
        return {inGigahertz(reported), inGigahertz(expected)};
    }
    return {reported >= kPerThousand ? inGigahertz(reported) : Megahertz(reported, megahertz),
            Megahertz(expected, megahertz)};
}

TextPair FormatTransferRatePair(float reported, float expected, const LanguageText& language) {
    const std::string unit = language.StringOrEmpty(string_id::kTransferRate, kFrequencyTextLimit);
    if (expected >= kPerThousand) {
        return {ThousandsRate(reported, unit), ThousandsRate(expected, unit)};
    }
    if (expected > 0 && expected < kPerThousand) {
        return {PlainRate(reported, unit), PlainRate(expected, unit)};
    }
    return {reported >= kPerThousand ? ThousandsRate(reported, unit) : PlainRate(reported, unit),
            PlainRate(expected, unit)};
}

void LocalizeDecimalPoint(std::string& first, std::string& second, const LanguageText& language) {
    const auto separator = language.String(string_id::kDecimalSeparator, 1);
    const char replacement = separator && !separator->empty() ? separator->front() : kFallbackSeparator;
    std::replace(first.begin(), first.end(), '.', replacement);
    std::replace(second.begin(), second.end(), '.', replacement);
}

}  // namespace sondrel::ui
