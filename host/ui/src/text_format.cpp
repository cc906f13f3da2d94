#include "sondrel/ui/text_format.h"

#include <cstdio>

namespace sondrel::ui {

namespace {

constexpr std::string_view kFlags = "-+ #0";

// Flags C defines for each conversion; any other combination is undefined
// behaviour of printf and is refused.
struct ConversionFlags {
    char conversion;
    std::string_view flags;
};
constexpr ConversionFlags kAllowedFlags[] = {
    {'d', "-+ 0"}, {'i', "-+ 0"}, {'u', "-0"}, {'x', "-#0"}, {'X', "-#0"}, {'f', "-+ #0"}, {'s', "-"},
};

bool FlagsAllowed(char conversion, std::string_view flags) {
    for (const ConversionFlags& row : kAllowedFlags) {
        if (row.conversion == conversion) {
            return flags.find_first_not_of(row.flags) == std::string_view::npos;
        }
    }
    return false;
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

// Reads a width or precision of at most kMaxFieldWidth; false when larger.
bool ReadNumber(std::string_view format, std::size_t& position, std::string& directive) {
    int value = 0;
    while (position < format.size() && IsDigit(format[position])) {
        value = value * 10 + (format[position] - '0');
        if (value > kMaxFieldWidth) {
            return false;
        }
        directive += format[position++];
    }
    return true;
}

// One conversion directive that we built and checked ourselves.
template <typename Value>
std::string Convert(const std::string& directive, Value value) {
    const int length = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), directive.c_str(), value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::optional<std::string> ConvertArgument(const std::string& directive, char conversion,
                                           const FormatArgument& argument) {
    using Kind = FormatArgument::Kind;
    switch (conversion) {
        case 'd':
        case 'i':
            if (argument.kind() != Kind::kInteger) {
                return std::nullopt;
            }
            return Convert(directive, static_cast<int>(argument.integer()));
        case 'u':
        case 'x':
        case 'X':
            if (argument.kind() != Kind::kInteger) {
                return std::nullopt;
            }
            return Convert(directive,
                           static_cast<unsigned int>(static_cast<std::uint32_t>(argument.integer())));
        case 'f':
            if (argument.kind() != Kind::kReal) {
                return std::nullopt;
            }
            return Convert(directive, argument.real());
        case 's': {
            if (argument.kind() != Kind::kText) {
                return std::nullopt;
            }
            const std::string text(argument.text());
            return Convert(directive, text.c_str());
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> FormatText(std::string_view format, std::span<const FormatArgument> arguments,
                                      std::size_t limit) {
    std::string output;
    std::size_t next = 0;
    std::size_t position = 0;
    while (position < format.size()) {
        const char character = format[position++];
        if (character != '%') {
            output += character;
            continue;
        }
        if (position < format.size() && format[position] == '%') {
            output += '%';
            ++position;
            continue;
        }
        std::string directive = "%";
        std::string flags;
        while (position < format.size() && kFlags.find(format[position]) != std::string_view::npos) {
            flags += format[position++];
        }
        directive += flags;
        if (!ReadNumber(format, position, directive)) {
            return std::nullopt;
        }
        if (position < format.size() && format[position] == '.') {
            directive += format[position++];
            if (!ReadNumber(format, position, directive)) {
                return std::nullopt;
            }
        }
        if (position >= format.size() || next >= arguments.size()) {
            return std::nullopt;
        }
        const char conversion = format[position++];
        if (!FlagsAllowed(conversion, flags)) {
            return std::nullopt;
        }
        directive += conversion;
        const auto converted = ConvertArgument(directive, conversion, arguments[next++]);
        if (!converted) {
            return std::nullopt;
        }
        output += *converted;
    }
    if (output.size() > limit) {
        output.resize(limit);
    }
    return output;
}

}  // namespace sondrel::ui
