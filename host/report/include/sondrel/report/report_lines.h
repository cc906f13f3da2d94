// The lines of the text report, read from the system record and the main
// sheet. Each line ends with a line feed; the file gets carriage return and
// line feed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/platform/os_version.h"
#include "sondrel/platform/system_time.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::report {

// The report's first line, without its line feed.
inline constexpr const char* kReportTitle = "Quarn(R) Sondrel";

// A report line is built in a buffer of this many bytes: longer values are
// cut so that the line and its line feed fit.
inline constexpr std::size_t kLineBufferSize = 500;

// The release text shown when the extended version query fails.
inline constexpr const char* kVersionQueryFailed = "Error getting the Operating System info";

// What a report needs besides the record and the sheet.
struct ReportEnvironment {
    std::string buildStamp;  // YYYYMMDD
    platform::UtcTime time;
    // Results of the basic and the extended version query.
    std::optional<platform::OsVersion> basicVersion;
    std::optional<platform::OsVersion> extendedVersion;
};

// "Operating System: major.minor-build-text": the extended query's numbers,
// or the basic query's when those are all 0; the text always from the
// extended query.
std::string OperatingSystemLine(const std::optional<platform::OsVersion>& basic,
                                const std::optional<platform::OsVersion>& extended);

// Every line of one report, in order, ending with the line of asterisks.
std::vector<std::string> ReportLines(const app::SystemRecord& record, const app::MainSheetState& sheet,
                                     const ReportEnvironment& environment, const ui::LanguageText& language);

}  // namespace sondrel::report
