#include "sondrel/platform/system_time.h"

#include <ctime>

namespace sondrel::platform {

namespace {
constexpr std::uint32_t kTmYearBase = 1900;
}  // namespace

UtcTime SystemTimeUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (::gmtime_r(&now, &parts) == nullptr) {
        return {};
    }
    UtcTime time;
    time.year = static_cast<std::uint32_t>(parts.tm_year) + kTmYearBase;
    time.month = static_cast<std::uint32_t>(parts.tm_mon) + 1;
    time.day = static_cast<std::uint32_t>(parts.tm_mday);
    time.hour = static_cast<std::uint32_t>(parts.tm_hour);
    time.minute = static_cast<std::uint32_t>(parts.tm_min);
    time.second = static_cast<std::uint32_t>(parts.tm_sec);
    return time;
}

}  // namespace sondrel::platform
