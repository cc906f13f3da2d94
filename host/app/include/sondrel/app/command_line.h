// The program's command line: none (interactive), a report path
// (unattended, ends once the report is written), or a report path and a
// closing delay in seconds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sondrel::app {

struct StartOptions {
    bool unattended = false;
    std::string reportPath;
    std::int32_t closingDelayMs = 0;
};

// The usual text-to-integer conversion: leading blanks, an optional sign,
// then decimal digits up to the first other character; no digits give 0.
// A value beyond the 32-bit range is held at the nearest end of it.
std::int32_t TextToInteger(std::string_view text);

// `arguments` includes the program's name, as the C run-time counts them.
// With three the second is the path and the third the delay in seconds;
// with two the second is the path; any other count is interactive. The
// path is not looked at here.
StartOptions ParseCommandLine(std::span<const char* const> arguments);

}  // namespace sondrel::app
