// Small pieces of report lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "sondrel/report/report_lines.h"
#include "sondrel/wrapping_arithmetic.h"

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

// A text field of the record, read no further than its buffer.
template <std::size_t Size>
std::string FieldText(const char (&field)[Size]) {
    return std::string(field, ::strnlen(field, Size));
}

// The model the report shows: the extended model in the high digit.
inline std::int32_t DisplayModel(const app::SystemRecord& record) {
    constexpr std::int32_t kModelsPerExtendedModel = 16;
    return WrappingAdd(WrappingMultiply(record.extendedModel, kModelsPerExtendedModel), record.model);
}

// A rejected count (0) is shown as one processor.
inline std::int32_t ProcessorsInSystem(const app::MainSheetState& sheet) {
    return sheet.processorsInSystem != 0 ? sheet.processorsInSystem : 1;
}

inline std::string YesNoLine(const std::string& label, bool yes) {
    return Line(label, yes ? "Yes" : "No");
}

}  // namespace sondrel::report
