// Formatting with printf conventions where the format is data, such as a
// language string: only conversions that match the arguments actually
// passed are carried out, so a format can never read an argument that is
// not there or write through one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sondrel::ui {

class FormatArgument {
public:
    enum class Kind { kInteger, kReal, kText };

    static FormatArgument Integer(std::int32_t value) {
        return FormatArgument(Kind::kInteger, value, 0.0, {});
    }
    static FormatArgument Real(double value) { return FormatArgument(Kind::kReal, 0, value, {}); }
    static FormatArgument Text(std::string_view value) { return FormatArgument(Kind::kText, 0, 0.0, value); }

    Kind kind() const { return kind_; }
    std::int32_t integer() const { return integer_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }

private:
    FormatArgument(Kind kind, std::int32_t integer, double real, std::string_view text)
        : kind_(kind), integer_(integer), real_(real), text_(text) {}

    Kind kind_;
    std::int32_t integer_;
    double real_;
    std::string_view text_;
};

// Widths and precisions above this are refused, so that a format cannot
// ask for an unbounded amount of output.
inline constexpr int kMaxFieldWidth = 99;

// Formats `format` with its conversions taken in order from `arguments`:
// d, i, u, x and X take an integer (d and i signed, the others as unsigned
// 32-bit), f a real, s a text; %% is a percent sign. The flags C defines
// for the conversion (- + space # 0), a width and a precision are allowed;
// '*', length modifiers, %n and every other conversion are not. Nullopt when the format asks for anything else,
// for an argument of another kind, or for more arguments than were passed;
// arguments the format does not use are ignored, as printf does. The
// result is cut to `limit` characters.
std::optional<std::string> FormatText(std::string_view format, std::span<const FormatArgument> arguments,
                                      std::size_t limit);

inline std::optional<std::string> FormatText(std::string_view format,
                                             std::initializer_list<FormatArgument> arguments,
                                             std::size_t limit) {
    return FormatText(format, std::span<const FormatArgument>(arguments.begin(), arguments.size()), limit);
}

}  // namespace sondrel::ui
