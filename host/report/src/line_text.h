// Small pieces of report lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "sondrel/report/report_lines.h"

namespace sondrel::report {

// Upper-case hexadecimal without leading zeros, as "%X" writes it.
inline std::string Hex(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned int>(static_cast<std::uint32_t>(value)));
    return text;
}

// A value never breaks its report line: control characters (a brand string
// may hold CR LF, a profile any byte) become spaces.
inline std::string ReportValue(std::string value) {
    for (char& c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    return value;
}

// "label: value\n", the value cut so that the line fits its buffer.
inline std::string Line(const std::string& label, const std::string& value) {
    std::string line = label + ": " + ReportValue(value);
    if (line.size() > kLineBufferSize - 2) {
        line.resize(kLineBufferSize - 2);
    }
    return line + "\n";
}

inline std::string YesNoLine(const std::string& label, bool yes) {
    return Line(label, yes ? "Yes" : "No");
}

}  // namespace sondrel::report
