// Steps shared by the text and the JSON report writers.
#pragma once

#include <filesystem>

#include "sondrel/platform/os_version.h"
#include "sondrel/report/report_lines.h"
#include "sondrel/result_codes.h"
#include "sondrel/ui/build_stamp.h"
#include "sondrel/ui/error_box.h"

namespace sondrel::report {

struct ReportFailure {
    ResultCode code;
};

// Steps before the file is chosen: the build stamp and the version queries.
inline ReportEnvironment PrepareEnvironment() {
    ReportEnvironment environment;
    if (ui::GetBuildStamp(environment.buildStamp) != result::kSuccess) {
        throw ReportFailure{result::kUnexpectedFailure};
    }
    environment.basicVersion = platform::QueryBasicVersion();
    environment.extendedVersion = platform::QueryExtendedVersion();
    return environment;
}

// The read-only attribute of a file: nobody may write it. The permission
// bits are asked rather than the process's own access, so that a run with
// every right still leaves such a file alone.
inline bool IsReadOnly(const std::filesystem::file_status& status) {
    namespace fs = std::filesystem;
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & kAnyWrite) == fs::perms::none;
}

// Runs `step` and shows the failure it ends with, if any.
template <typename Step>
ResultCode Reported(ui::ErrorReporter& errors, Step step) {
    ResultCode code = result::kSuccess;
    try {
        step();
    } catch (const ReportFailure& failure) {
        code = failure.code;
    } catch (...) {
        code = result::kUnexpectedFailure;
    }
    if (code != result::kSuccess) {
        errors.ShowErrorBox(code);
    }
    return code;
}

}  // namespace sondrel::report
