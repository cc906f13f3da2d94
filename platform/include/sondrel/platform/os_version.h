// The operating system's version, as the report's system line shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sondrel::platform {

struct OsVersion {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;
    // The release text (a service-pack name on some systems); may be empty.
    std::string releaseText;
};

// The version numbers alone; the text stays empty. Empty when the query fails.
std::optional<OsVersion> QueryBasicVersion();

// The version numbers and the release text. Empty when the query fails.
std::optional<OsVersion> QueryExtendedVersion();

}  // namespace sondrel::platform
