// Linux: the machine name of uname tells a 64-bit system, statvfs the space
// left to unprivileged users, and root stands for the rights to administer
// services.
#include "sondrel/platform/host_environment.h"

#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <string_view>

namespace sondrel::platform {

bool Is64BitSystem() {
    utsname names{};
    if (::uname(&names) != 0) {
        return sizeof(void*) == 8;
    }
    return std::string_view(names.machine).find("64") != std::string_view::npos || sizeof(void*) == 8;
}

std::optional<std::uint64_t> AvailableDiskBytes(const std::string& path) {
    struct statvfs volume {};
    if (::statvfs(path.c_str(), &volume) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(volume.f_bavail) * static_cast<std::uint64_t>(volume.f_frsize);
}

bool HasAdministratorRights() {
    return ::geteuid() == 0;
}

}  // namespace sondrel::platform
