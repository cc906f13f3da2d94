// Linux: the kernel release from uname ("6.1.0-18-amd64" gives 6, 1 and 0)
// and the distribution's name from os-release as the release text.
#include "sondrel/platform/os_version.h"

#include <sys/utsname.h>

#include <array>
#include <charconv>
#include <fstream>
#include <string_view>

namespace sondrel::platform {

namespace {

constexpr std::array<const char*, 2> kOsReleaseFiles = {"/etc/os-release", "/usr/lib/os-release"};
constexpr std::string_view kPrettyNameKey = "PRETTY_NAME=";

// The leading numbers of a release text separated by dots; missing ones are 0.
std::optional<OsVersion> KernelVersion() {
    utsname names{};
    if (::uname(&names) != 0) {
        return std::nullopt;
    }
    std::string_view release(names.release);
    std::array<std::int32_t, 3> numbers = {0, 0, 0};
    const char* position = release.data();
    const char* end = release.data() + release.size();
    for (std::int32_t& number : numbers) {
        const auto [next, error] = std::from_chars(position, end, number);
        if (error != std::errc{}) {
            break;
        }
        position = next;
        if (position == end || *position != '.') {
            break;
        }
        ++position;
    }
    OsVersion version;
    version.major = numbers[0];
    version.minor = numbers[1];
    version.build = numbers[2];
    return version;
}

std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string DistributionName() {
    for (const char* file : kOsReleaseFiles) {
        std::ifstream input(file);
        std::string line;
        while (std::getline(input, line)) {
            if (std::string_view(line).substr(0, kPrettyNameKey.size()) == kPrettyNameKey) {
                return Unquoted(std::string_view(line).substr(kPrettyNameKey.size()));
            }
        }
    }
    return {};
}

}  // namespace

std::optional<OsVersion> QueryBasicVersion() {
    return KernelVersion();
}

std::optional<OsVersion> QueryExtendedVersion() {
    auto version = KernelVersion();
    if (version) {
        version->releaseText = DistributionName();
    }
    return version;
}

}  // namespace sondrel::platform
