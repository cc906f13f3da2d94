// Facts the main sheet's start-up check reads about the system it runs on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sondrel::platform {

// True when the system runs 64-bit programs natively.
bool Is64BitSystem();

// Bytes the calling user may still write on the volume that holds `path`;
// empty when the query fails.
std::optional<std::uint64_t> AvailableDiskBytes(const std::string& path);

// True when the process has the rights to administer the machine's
// services (on Linux: it runs as root).
bool HasAdministratorRights();

}  // namespace sondrel::platform
