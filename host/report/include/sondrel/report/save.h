// CSave, the report writer: chooses the file (the save dialog, or the
// report path of an unattended run), appends one report to it and reports
// failures through the error box.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/result_codes.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::report {

inline constexpr std::size_t kPathBufferSize = 260;
inline constexpr std::size_t kFilterLimit = 259;
inline constexpr std::size_t kExtensionLimit = 24;

// What the save dialog is shown with; no overwrite prompt, no initial
// folder, no title.
struct SaveDialogRequest {
    std::string filter;            // string 454
    std::string defaultExtension;  // string 455
};

// The save-file dialog, drawn by the user interface.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The chosen path; nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const SaveDialogRequest& request) = 0;
};

// Where a report goes.
struct ReportTarget {
    bool unattended = false;
    std::string reportPath;        // the command line's path, when unattended
    SaveDialog* dialog = nullptr;  // asked when not unattended
};

// What the report is read from.
struct ReportSource {
    const app::SystemRecord& record;
    const app::MainSheetState& sheet;
    const ui::LanguageText& language;
};

// Appends the report to the file, or creates the file. Every line ends with
// carriage return and line feed. An existing file that nobody may write is
// left untouched: 0x80041F41 in an unattended run, 0x80041F40 otherwise.
// Any other failure gives 0x80041F40, with the lines already written kept.
// The failure is shown through `errors` as well.
ResultCode AppendReportToFile(const std::string& path, bool unattended, const ReportSource& source,
                              ui::ErrorReporter& errors);

// Writes the report to an open stream (standard output of a program
// without a window) with line feeds alone, so that it can be piped to the
// system's tools; the file keeps CR LF. 0 or 0x80041F40, shown through
// `errors`.
ResultCode PrintReport(std::FILE* stream, const ReportSource& source, ui::ErrorReporter& errors);

// The JSON document on an open stream, written whole once it is complete:
// a failure leaves nothing on the stream. 0 or 0x80041F40, shown through
// `errors`.
ResultCode PrintJsonReport(std::FILE* stream, const ReportSource& source, ui::ErrorReporter& errors);

// Writes the JSON document to a file, replacing the file whole: the
// document goes to a new file beside it, which then takes its name, so a
// failed run leaves the old file as it was. An existing file that nobody
// may write is left alone with 0x80041F41, as by an unattended run; any
// other failure gives 0x80041F40. Shown through `errors`.
ResultCode WriteJsonReportFile(const std::string& path, const ReportSource& source,
                               ui::ErrorReporter& errors);

class CSave {
public:
    CSave() = default;

    // Writes one report: 0 when it was written or the dialog was cancelled,
    // else the code the error box showed.
    ResultCode WriteReport(const ReportSource& source, const ReportTarget& target, ui::ErrorReporter& errors);

    // The path chosen in the last dialog, empty before one.
    std::string ChosenPath() const;

private:
    std::array<char, kPathBufferSize> path_{};
};

}  // namespace sondrel::report
