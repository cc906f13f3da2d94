// The system clock in universal time.
#pragma once

#include <cstdint>

namespace sondrel::platform {

struct UtcTime {
    std::uint32_t year = 0;
    std::uint32_t month = 0;  // 1 to 12
    std::uint32_t day = 0;    // 1 to 31
    std::uint32_t hour = 0;
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
};

UtcTime SystemTimeUtc();

}  // namespace sondrel::platform
