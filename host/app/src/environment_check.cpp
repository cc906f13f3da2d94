#include "sondrel/app/environment_check.h"

#include <array>

#include "sondrel/platform/host_environment.h"

namespace sondrel::app {

namespace {

struct KernelClassRow {
    std::int32_t major;
    std::int32_t minor;
    OsClass class32;
    OsClass class64;
};

// Newest first; the first row the kernel reaches applies.
constexpr std::array<KernelClassRow, 3> kKernelClasses{{
    {3, 2, 10, 11},
    {2, 6, 6, 8},
    {0, 0, 5, 8},
}};

enum class Checks { kUnsupported, kDiskAndAdministrator, kDiskOnly };

struct ClassChecksRow {
    OsClass first;
    OsClass last;
    Checks checks;
};

constexpr std::array<ClassChecksRow, 5> kClassChecks{{
    {0, 5, Checks::kUnsupported},
    {6, 6, Checks::kDiskAndAdministrator},
    {7, 7, Checks::kDiskOnly},
    {8, 8, Checks::kDiskAndAdministrator},
    {9, 11, Checks::kDiskOnly},
}};

bool Reaches(const platform::OsVersion& kernel, const KernelClassRow& row) {
    return kernel.major > row.major || (kernel.major == row.major && kernel.minor >= row.minor);
}

bool EnoughDiskSpace(const std::string& programDirectory) {
    // A failed query counts as not enough.
    const auto available = platform::AvailableDiskBytes(programDirectory);
    return available.has_value() && *available >= kMinimumFreeDiskBytes;
}

}  // namespace

OsClass ClassifyLinux(const platform::OsVersion& kernel, bool is64BitSystem) {
    for (const KernelClassRow& row : kKernelClasses) {
        if (Reaches(kernel, row)) {
            return is64BitSystem ? row.class64 : row.class32;
        }
    }
    // Negative version numbers reach no row.
    return is64BitSystem ? kKernelClasses.back().class64 : kKernelClasses.back().class32;
}

ResultCode CheckEnvironmentOfClass(OsClass osClass, const std::string& programDirectory) {
    for (const ClassChecksRow& row : kClassChecks) {
        if (osClass < row.first || osClass > row.last) {
            continue;
        }
        if (row.checks == Checks::kUnsupported) {
            return result::kSystemTooOld;
        }
        if (!EnoughDiskSpace(programDirectory)) {
            return result::kDiskSpaceLow;
        }
        if (row.checks == Checks::kDiskAndAdministrator && !platform::HasAdministratorRights()) {
            return result::kServiceManagerDenied;
        }
        return result::kSuccess;
    }
    return result::kUnexpectedFailure;
}

ResultCode CheckEnvironment(const std::string& programDirectory) {
    const auto kernel = platform::QueryBasicVersion();
    if (!kernel) {
        return result::kUnexpectedFailure;
    }
    return CheckEnvironmentOfClass(ClassifyLinux(*kernel, platform::Is64BitSystem()), programDirectory);
}

}  // namespace sondrel::app
