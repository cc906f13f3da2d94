// The JSON report on standard output or in a file of its own.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "report_steps.h"
#include "sondrel/platform/system_time.h"
#include "sondrel/report/report_json.h"
#include "sondrel/report/save.h"

namespace sondrel::report {

namespace {

namespace fs = std::filesystem;

std::string DocumentText(const ReportSource& source) {
    ReportEnvironment environment = PrepareEnvironment();
    environment.time = platform::SystemTimeUtc();
    return ReportJsonText(ReportDocument(source.record, source.sheet, environment));
}

bool WriteAll(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// A JSON file holds one document, so it is written whole under a name of
// its own and then renamed over the target.
void ReplaceFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".partial." + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (file == nullptr) {
        throw ReportFailure{result::kUnexpectedFailure};
    }
    const bool written = WriteAll(file, text);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, path, error);
    }
    if (!written || !closed || error) {
        fs::remove(temporary, error);
        throw ReportFailure{result::kUnexpectedFailure};
    }
}

}  // namespace

ResultCode PrintJsonReport(std::FILE* stream, const ReportSource& source, ui::ErrorReporter& errors) {
    return Reported(errors, [&] {
        const std::string text = DocumentText(source);
        if (!WriteAll(stream, text) || std::fflush(stream) != 0) {
            throw ReportFailure{result::kUnexpectedFailure};
        }
    });
}

ResultCode WriteJsonReportFile(const std::string& path, const ReportSource& source,
                               ui::ErrorReporter& errors) {
    return Reported(errors, [&] {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (fs::exists(status) && IsReadOnly(status)) {
            throw ReportFailure{result::kReportReadOnly};
        }
        if (fs::is_directory(status)) {
            throw ReportFailure{result::kUnexpectedFailure};
        }
        // A link keeps pointing at the report: the file it names is replaced.
        ReplaceFile(fs::exists(status) ? fs::canonical(path).string() : path, DocumentText(source));
    });
}

}  // namespace sondrel::report
