#include "sondrel/app/command_line.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace sondrel::app {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::size_t kArgumentsWithDelay = 3;
constexpr std::size_t kArgumentsWithPath = 2;

std::int32_t Clamped(std::int64_t value) {
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLowest ? kLowest : (value > kHighest ? kHighest : value));
}

}  // namespace

std::int32_t TextToInteger(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position])) != 0) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    // Held just beyond the 32-bit range, so that long digit runs cannot overflow.
    constexpr std::int64_t kCeiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])) != 0;
         ++position) {
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > kCeiling) {
            magnitude = kCeiling;
        }
    }
    return Clamped(negative ? -magnitude : magnitude);
}

StartOptions ParseCommandLine(std::span<const char* const> arguments) {
    StartOptions options;
    if (arguments.size() == kArgumentsWithDelay) {
        options.unattended = true;
        options.reportPath = arguments[1];
        // A delay too long for 32 bits waits as long as 32 bits allow,
        // instead of wrapping round to a negative delay that would end at once.
        options.closingDelayMs = Clamped(std::int64_t{TextToInteger(arguments[2])} * kMillisecondsPerSecond);
    } else if (arguments.size() == kArgumentsWithPath) {
        options.unattended = true;
        options.reportPath = arguments[1];
    }
    return options;
}

}  // namespace sondrel::app
