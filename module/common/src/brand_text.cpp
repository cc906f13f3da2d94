#include "sondrel/module/brand_text.h"

#include <string>

namespace sondrel::module {

namespace {

constexpr std::string_view kCpu = "CPU";
constexpr std::string_view kAt = "@";
constexpr std::string_view kDash = "-";
constexpr std::string_view kMv5Form = "M v5";
constexpr std::string_view kCorvid = "Corvid";
constexpr std::string_view kDunlin = "Dunlin";
constexpr std::string_view kProcessor = "Processor";
constexpr std::string_view kQuarnProcessor = "Quarn(R) Processor";
constexpr std::string_view kExtreme = "Extreme";
constexpr char kX = 'X';
constexpr int kMaxDigits = 5;
constexpr int kWindowLength = 5;
// Characters between "CPU" and the "@" of the form '… CPU @ …'.
constexpr std::ptrdiff_t kAfterCpu = 4;
// Where the suffix letter sits before "CPU": '…i7-6789K CPU' and, with the
// words " Extreme Edition " between, '…i7-5432X Extreme Edition CPU'.
constexpr std::ptrdiff_t kSuffixBeforeCpu = 3;
constexpr std::ptrdiff_t kSuffixBeforeExtremeCpu = 19;
// Positions 19 to 23 follow "Quarn(R) Processor ".
constexpr std::ptrdiff_t kQuarnProcessorDigits = 19;
// The "@" windows: digits of '…G1234 @' and the model of '…1555M v5 @'.
constexpr std::ptrdiff_t kValueLineBeforeAt = 6;
constexpr std::ptrdiff_t kMv5BeforeAt = 9;
constexpr std::ptrdiff_t kBeforeX = 4;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::ptrdiff_t Position(std::string_view text, std::string_view pattern) {
    const auto found = Find(text, pattern);
    return found ? static_cast<std::ptrdiff_t>(*found) : -1;
}

char At(std::string_view text, std::ptrdiff_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < text.size() ? text[static_cast<std::size_t>(index)]
                                                                       : '\0';
}

// Collects the digits of positions start … start + length − 1 into `digits`,
// skipping other characters, until it holds kMaxDigits. A window that starts
// before the name contributes nothing.
void CollectDigits(std::string_view name, std::ptrdiff_t start, int length, std::string& digits) {
    if (start < 0) {
        return;
    }
    for (std::ptrdiff_t i = start; i < start + length; ++i) {
        const char c = At(name, i);
        if (IsDigit(c) && digits.size() < static_cast<std::size_t>(kMaxDigits)) {
            digits.push_back(c);
        }
    }
}

std::int32_t Value(const std::string& digits) {
    std::int32_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::int32_t WindowDigits(std::string_view name, std::ptrdiff_t start) {
    std::string digits;
    CollectDigits(name, start, kWindowLength, digits);
    return Value(digits);
}

// The leading digits of the five characters from `start`, taken as they are.
std::int32_t LeadingDigits(std::string_view name, std::ptrdiff_t start) {
    if (start < 0) {
        return 0;
    }
    std::string digits;
    for (std::ptrdiff_t i = start; i < start + kWindowLength && IsDigit(At(name, i)); ++i) {
        digits.push_back(At(name, i));
    }
    return Value(digits);
}

// Where the letter before an "@" that follows a digit run sits: '…1234U @'
// gives the position of U.
std::optional<std::ptrdiff_t> LetterBeforeAt(std::string_view name, std::ptrdiff_t posAt) {
    if (posAt < 0) {
        return std::nullopt;
    }
    const char c = At(name, posAt - 2);
    if (IsDigit(c)) {
        return posAt - 1;
    }
    return IsLetter(c) ? std::optional(posAt - 2) : std::nullopt;
}

}  // namespace

std::optional<std::size_t> Find(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) {
        return std::nullopt;
    }
    const std::size_t position = text.find(pattern);
    return position == std::string_view::npos ? std::nullopt : std::optional(position);
}

bool Contains(std::string_view text, std::string_view pattern) {
    return Find(text, pattern).has_value();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return Find(text, prefix) == std::optional<std::size_t>(0);
}

std::int32_t ProcessorNumber(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    const std::ptrdiff_t posCpu = Position(name, kCpu);
    const std::ptrdiff_t posAt = Position(name, kAt);
    const bool mv5Form = Contains(name, kMv5Form);
    if (posCpu >= 0 && !mv5Form) {
        const std::ptrdiff_t i = posCpu + kAfterCpu;
        if (posAt > i) {
            return WindowDigits(name, i);
        }
        if (posAt != i) {
            return 0;
        }
        const std::ptrdiff_t posDash = Position(name, kDash);
        if (posDash >= 0) {
            return WindowDigits(name, posDash + 1);
        }
        std::string digits;
        if (Contains(name, kQuarnProcessor)) {
            CollectDigits(name, kQuarnProcessorDigits, kWindowLength, digits);
        }
        CollectDigits(name, posCpu - kWindowLength, kWindowLength, digits);
        return Value(digits);
    }
    if ((Contains(name, kCorvid) || Contains(name, kDunlin)) && posCpu < 0) {
        return posAt < 0 ? 0 : WindowDigits(name, posAt - kValueLineBeforeAt);
    }
    if (mv5Form) {
        return posAt < 0 ? 0 : LeadingDigits(name, posAt - kMv5BeforeAt);
    }
    const std::ptrdiff_t posX = Position(name, std::string_view(&kX, 1));
    if (Contains(name, kProcessor) && posX >= 0) {
        return LeadingDigits(name, posX - kBeforeX);
    }
    return 0;
}

std::optional<std::ptrdiff_t> SuffixLetterPosition(std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const std::ptrdiff_t posCpu = Position(name, kCpu);
    const std::ptrdiff_t posAt = Position(name, kAt);
    if (posCpu < 0) {
        if (!Contains(name, kCorvid) && !Contains(name, kDunlin)) {
            return std::nullopt;
        }
        return LetterBeforeAt(name, posAt);
    }
    const char afterCpu = At(name, posCpu + kAfterCpu);
    if (afterCpu == '@') {
        const std::ptrdiff_t k =
            posCpu - (Contains(name, kExtreme) ? kSuffixBeforeExtremeCpu : kSuffixBeforeCpu);
        if (k < 0) {
            return std::nullopt;
        }
        return IsDigit(At(name, k)) ? k + 1 : k;
    }
    if (IsDigit(afterCpu)) {
        return LetterBeforeAt(name, posAt);
    }
    return posCpu + kAfterCpu;
}

char SuffixLetter(std::string_view name) {
    const auto position = SuffixLetterPosition(name);
    return position ? At(name, *position) : '\0';
}

char LetterAfterSuffix(std::string_view name) {
    const auto position = SuffixLetterPosition(name);
    return position ? At(name, *position + 1) : '\0';
}

bool HasMobileSuffix(std::string_view name, std::string_view mobileLetters) {
    const char letter = SuffixLetter(name);
    return letter != '\0' && mobileLetters.find(letter) != std::string_view::npos;
}

bool ContainsAny(std::string_view name, std::span<const std::string_view> marks) {
    for (const std::string_view mark : marks) {
        if (Contains(name, mark)) {
            return true;
        }
    }
    return false;
}

}  // namespace sondrel::module
