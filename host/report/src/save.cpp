#include "sondrel/report/save.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "report_steps.h"
#include "sondrel/platform/system_time.h"
#include "sondrel/report/report_lines.h"
#include "sondrel/ui/string_ids.h"

namespace sondrel::report {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFileLineEnd = "\r\n";
// A stream (standard output) gets the line end of the system it runs on.
constexpr const char* kStreamLineEnd = "\n";

// Writes every line with `lineEnd`; false at the first line that could not
// be written.
bool WriteLines(std::FILE* stream, const std::vector<std::string>& lines, const char* lineEnd) {
    for (const std::string& line : lines) {
        std::string text = line;
        if (!text.empty() && text.back() == '\n') {
            text.pop_back();
            text += lineEnd;
        }
        if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Lines(const ReportSource& source, ReportEnvironment& environment) {
    environment.time = platform::SystemTimeUtc();
    return ReportLines(source.record, source.sheet, environment, source.language);
}

void AppendToFile(const std::string& path, bool unattended, const ReportSource& source,
                  ReportEnvironment& environment) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && IsReadOnly(status)) {
        throw ReportFailure{unattended ? result::kReportReadOnly : result::kUnexpectedFailure};
    }
    // Appends to an existing file and creates a missing one; never truncates.
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        throw ReportFailure{result::kUnexpectedFailure};
    }
    const bool written = WriteLines(file, Lines(source, environment), kFileLineEnd);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        throw ReportFailure{result::kUnexpectedFailure};
    }
}

}  // namespace

ResultCode AppendReportToFile(const std::string& path, bool unattended, const ReportSource& source,
                              ui::ErrorReporter& errors) {
    return Reported(errors, [&] {
        ReportEnvironment environment = PrepareEnvironment();
        AppendToFile(path, unattended, source, environment);
    });
}

ResultCode PrintReport(std::FILE* stream, const ReportSource& source, ui::ErrorReporter& errors) {
    return Reported(errors, [&] {
        ReportEnvironment environment = PrepareEnvironment();
        if (!WriteLines(stream, Lines(source, environment), kStreamLineEnd) || std::fflush(stream) != 0) {
            throw ReportFailure{result::kUnexpectedFailure};
        }
    });
}

ResultCode CSave::WriteReport(const ReportSource& source, const ReportTarget& target,
                              ui::ErrorReporter& errors) {
    return Reported(errors, [&] {
        ReportEnvironment environment = PrepareEnvironment();
        const SaveDialogRequest request{
            source.language.StringOrEmpty(ui::string_id::kReportFileFilter, kFilterLimit),
            source.language.StringOrEmpty(ui::string_id::kReportFileExtension, kExtensionLimit)};
        if (target.unattended) {
            AppendToFile(target.reportPath, true, source, environment);
            return;
        }
        if (target.dialog == nullptr) {
            throw ReportFailure{result::kUnexpectedFailure};
        }
        const auto chosen = target.dialog->ChooseFile(request);
        if (!chosen) {
            return;
        }
        // A path that does not fit the buffer is refused rather than cut,
        // which would write some other file.
        if (chosen->empty() || chosen->size() >= path_.size()) {
            throw ReportFailure{result::kUnexpectedFailure};
        }
        path_.fill('\0');
        std::copy(chosen->begin(), chosen->end(), path_.begin());
        AppendToFile(ChosenPath(), false, source, environment);
    });
}

std::string CSave::ChosenPath() const {
    return std::string(path_.data(), ::strnlen(path_.data(), path_.size()));
}

}  // namespace sondrel::report
