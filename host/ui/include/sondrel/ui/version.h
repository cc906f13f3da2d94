// The program's version and build date.
#pragma once

namespace sondrel::ui {

// The same version as the program's version resource, 5.80.0.0.
inline constexpr const char* kVersionText = "5.80";

// The date the host was built, "Mmm dd yyyy" with a space before a
// one-digit day.
extern const char* const kBuildDate;

}  // namespace sondrel::ui
