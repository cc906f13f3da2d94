// Texts of frequencies and transfer rates, in MHz and GHz or MT/s and GT/s
// by the expected value, as the frequency pages and the report show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

inline constexpr std::size_t kFrequencyTextLimit = 24;

struct TextPair {
    std::string reported;
    std::string expected;

    bool operator==(const TextPair&) const = default;
};

// Truncation toward zero that stays defined outside the 32-bit range (the
// value saturates) and for NaN (0).
std::int32_t TruncateToInteger(float value);

// Reported and expected whole MHz. Bus figures are always in MHz; a
// processor pair is in GHz when the expected value is 1000 or more (and
// the reported one too, when nothing is expected and it is 1000 or more).
// GHz have one decimal for whole GHz and two otherwise, cut to tens of MHz:
// 2059 gives 2.05.
TextPair FormatFrequencyPair(std::int32_t reported, std::int32_t expected, bool bus,
                             const LanguageText& language);

// Reported and expected transfer rates with the unit of string 470: in
// thousands when the expected value is 1000 or more (6400 gives 6.40, 8000
// gives 8.0), with two decimals of the value itself below.
TextPair FormatTransferRatePair(float reported, float expected, const LanguageText& language);

// Replaces every "." in both texts by the first character of string 453
// (a comma when the string is missing or empty).
void LocalizeDecimalPoint(std::string& first, std::string& second, const LanguageText& language);

}  // namespace sondrel::ui
