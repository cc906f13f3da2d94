// The build stamp YYYYMMDD made from the build date, as the report's version
// line, the about box and the freshness advice use it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sondrel/result_codes.h"

namespace sondrel::ui {

// The stamp of a build date "Mmm dd yyyy" (or "Mmm  d yyyy"); nullopt when
// the date is not of that form.
std::optional<std::string> BuildStampFromDate(std::string_view buildDate);

// The stamp of this build. Returns 0, or 0x80041F40 when the build date
// cannot be read, leaving `stamp` empty.
ResultCode GetBuildStamp(std::string& stamp);

}  // namespace sondrel::ui
