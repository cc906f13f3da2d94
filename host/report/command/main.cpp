// sondrel-report: the text report of one processor without any window, for
// scripts and machines without a display, or the same report as JSON. It
// runs the same broker session and collection as the program and writes
// the report the way an unattended run does; every failure is shown as the
// error box's text on standard error.
#include <cstdio>
#include <filesystem>
#include <span>

#include "options.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/app/system_record.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/profile/profile.h"
#include "sondrel/report/save.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace {

using namespace sondrel;

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr const char* kLanguageModuleName = "Glossa.so";

void PrintBox(const ui::ErrorBoxDescription& box) {
    std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
}

// The error box of a program without a window: its caption and text.
class StandardErrorReporter : public ui::ErrorReporter {
public:
    explicit StandardErrorReporter(const ui::LanguageText* language) : language_(language) {}
    void ShowErrorBox(ResultCode code) override {
        PrintBox(ui::DescribeErrorBox(code, language_));
        shown_ = true;
    }
    bool shown() const { return shown_; }

private:
    const ui::LanguageText* language_;
    bool shown_ = false;
};

// The text report is appended to a file, as an unattended run does; a
// JSON file holds one document and is replaced whole.
ResultCode Write(const report::CommandOptions& options, const report::ReportSource& source,
                 ui::ErrorReporter& errors) {
    const bool json = options.format == report::ReportFormat::kJson;
    if (options.output) {
        return json ? report::WriteJsonReportFile(*options.output, source, errors)
                    : report::AppendReportToFile(*options.output, true, source, errors);
    }
    return json ? report::PrintJsonReport(stdout, source, errors)
                : report::PrintReport(stdout, source, errors);
}

// Collects the chosen processor and writes its report.
int Report(const report::CommandOptions& options, const ui::LanguageText& language) {
    StandardErrorReporter errors(&language);
    app::MainSheetState sheet;
    app::SystemRecord record;
    int status = kExitFailure;
    {
        app::BrokerConnection connection(sheet, record);
        const ResultCode started = connection.RunBrokerSession();
        if (started != result::kSuccess) {
            errors.ShowErrorBox(started);
            if (const std::string path = profile::ChooseProfilePath(); !std::filesystem::exists(path)) {
                std::fputs(report::MissingProfileHint(path).c_str(), stderr);
            }
        } else if (options.processor != sheet.selectedProcessor &&
                   options.processor > sheet.processorsInSystem) {
            // A rejected count (0) is one processor, as the report says.
            std::fprintf(stderr, "%s: processor %d is not offered: the system counts %d processor(s)\n",
                         report::kCommandName, options.processor,
                         sheet.processorsInSystem != 0 ? sheet.processorsInSystem : 1);
            status = kExitUsage;
        } else {
            // The start-up session has already collected the selected
            // processor; switching to it would only be refused when the
            // system's count was rejected.
            using Kind = app::SwitchOutcome::Kind;
            const app::SwitchOutcome outcome = options.processor == sheet.selectedProcessor
                                                   ? app::SwitchOutcome{Kind::kUnchanged, result::kSuccess}
                                                   : connection.SwitchProcessor(options.processor);
            if (outcome.kind == Kind::kCollectionFailed) {
                errors.ShowErrorBox(outcome.code);
            } else if (outcome.kind == Kind::kFailed) {
                errors.ShowErrorBox(result::kUnexpectedFailure);
            } else {
                const report::ReportSource source{record, sheet, language};
                status = Write(options, source, errors) == result::kSuccess ? kExitSuccess : kExitFailure;
            }
        }
        // The logo bitmap and every module object go before the broker does.
        app::ResetSystemRecord(record);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<const char* const> arguments(argv + 1, argc > 0 ? static_cast<std::size_t>(argc - 1) : 0);
    const report::ParsedOptions parsed = report::ParseCommandLine(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", report::kCommandName,
                     parsed.error.c_str(), report::kCommandName);
        return kExitUsage;
    }
    if (parsed.options->help) {
        std::fputs(report::UsageText().c_str(), stdout);
        return kExitSuccess;
    }

    const language::OpenedLanguageModule glossa = language::OpenLanguageModule(kLanguageModuleName);
    if (glossa.status != result::kSuccess) {
        PrintBox(
            {glossa.status == result::kFileNotFound ? ui::kResourcesNotFound : ui::kLanguageFileNotLoaded,
             ui::kErrorTitle, ui::ErrorBoxIcon::kError});
        return kExitFailure;
    }
    int status = kExitFailure;
    {
        const ui::ModuleLanguageText language(glossa.library);
        status = Report(*parsed.options, language);
    }
    platform::UnloadLibrary(glossa.library);
    return status;
}
