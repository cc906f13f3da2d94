// Text from outside the program (profile keys and values, file names,
// command-line arguments) shown in a one-line message: control bytes and
// bytes that are not valid UTF-8 are written as \xHH, so such text can
// neither drive the terminal nor break the line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sondrel {

namespace detail {

// Length of the valid UTF-8 sequence that starts at `at`, 0 when none does.
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    std::uint32_t code = lead & (0xFFu >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    // C1 controls (U+0080 to U+009F) drive terminals as ESC does.
    const bool control = code <= 0x9F;
    if (code < lowest || code > 0x10FFFF || surrogate || control) {
        return 0;
    }
    return length;
}

inline void AppendEscapedByte(std::string& out, std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
}

}  // namespace detail

inline std::string EscapeForMessage(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto value = static_cast<std::uint8_t>(text[at]);
        if (value >= 0x20 && value < 0x7F) {
            out += text[at];
            ++at;
        } else if (const std::size_t length = value >= 0x80 ? detail::Utf8SequenceLength(text, at) : 0;
                   length > 0) {
            out.append(text, at, length);
            at += length;
        } else {
            detail::AppendEscapedByte(out, value);
            ++at;
        }
    }
    return out;
}

}  // namespace sondrel
