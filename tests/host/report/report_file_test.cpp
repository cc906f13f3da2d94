// CSave's file rules: append, create, the unattended read-only check, the
// dialog, failures and the line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "report_support.h"
#include "sondrel/report/save.h"
#include "sondrel/ui/build_stamp.h"

using namespace sondrel;
using namespace sondrel::testing;
namespace fs = std::filesystem;
namespace fake = sondrel::platform::fake;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::stringstream content;
    content << input.rdbuf();
    return content.str();
}

class Dialog : public report::SaveDialog {
public:
    std::optional<std::string> ChooseFile(const report::SaveDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<report::SaveDialogRequest> requests;
};

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::SetSystemTimeUtc(kReportTime);
        fake::SetOsVersions(platform::OsVersion{6, 1, 0, ""},
                            platform::OsVersion{6, 1, 0, "Example Linux 12"});
        directory_ = fs::temp_directory_path() /
                     ("sondrel-report-" +
                      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        language_.Set(454, "Text files (*.txt)|*.txt||");
        language_.Set(455, "txt");
    }
    void TearDown() override {
        fs::remove_all(directory_);
        fake::Reset();
    }

    report::ReportSource Source() const { return {record_, sheet_, language_}; }

    // The report this record gives, with carriage return and line feed.
    std::string ExpectedReport(const std::string& lineEnd = "\r\n") const {
        std::string stamp;
        ui::GetBuildStamp(stamp);
        report::ReportEnvironment environment = TestEnvironment();
        environment.buildStamp = stamp;
        std::string text;
        for (std::string line : report::ReportLines(record_, sheet_, environment, language_)) {
            line.pop_back();
            text += line + lineEnd;
        }
        return text;
    }

    ResultCode Unattended(const fs::path& path) {
        report::CSave save;
        return save.WriteReport(Source(), {true, path.string(), nullptr}, errors_);
    }

    fs::path directory_;
    app::SystemRecord record_ = DesktopRecord();
    app::MainSheetState sheet_ = DesktopSheet();
    TableLanguageText language_ = UnitStrings();
    RecordingErrorReporter errors_;
};

TEST_F(ReportFile, CreatesTheFileWithCarriageReturnsAndAppendsASecondReport) {
    const fs::path path = directory_ / "report.txt";
    ASSERT_EQ(Unattended(path), result::kSuccess);
    const std::string first = ExpectedReport();
    EXPECT_EQ(ReadFile(path), first);
    EXPECT_NE(first.find("Time Stamp: 2019/03/05 07:08:09\r\n"), std::string::npos);

    record_.currentProcessor = 2;
    ASSERT_EQ(Unattended(path), result::kSuccess);
    const std::string content = ReadFile(path);
    EXPECT_EQ(content, first + ExpectedReport());
    EXPECT_EQ(content.substr(first.size() - 63, 63), std::string(61, '*') + "\r\n");
    EXPECT_TRUE(errors_.codes.empty());
}

TEST_F(ReportFile, AppendsToAnExistingFileWithoutTruncating) {
    const fs::path path = directory_ / "collected.txt";
    std::ofstream(path, std::ios::binary) << "earlier notes\r\n";
    ASSERT_EQ(Unattended(path), result::kSuccess);
    EXPECT_EQ(ReadFile(path), "earlier notes\r\n" + ExpectedReport());
}

TEST_F(ReportFile, AReadOnlyFileInAnUnattendedRunIsLeftUntouched) {
    const fs::path path = directory_ / "locked.txt";
    std::ofstream(path, std::ios::binary) << "keep me";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Unattended(path), result::kReportReadOnly);
    EXPECT_EQ(errors_.codes, std::vector<ResultCode>{result::kReportReadOnly});
    EXPECT_EQ(ReadFile(path), "keep me");

    // Chosen in the dialog it is a plain failure, and still not written.
    Dialog dialog;
    dialog.answer = path.string();
    report::CSave save;
    EXPECT_EQ(save.WriteReport(Source(), {false, "", &dialog}, errors_), result::kUnexpectedFailure);
    EXPECT_EQ(errors_.codes.back(), result::kUnexpectedFailure);
    EXPECT_EQ(ReadFile(path), "keep me");
}

TEST_F(ReportFile, AMissingFolderOrAnUnwritableTargetIs40) {
    EXPECT_EQ(Unattended(directory_ / "missing" / "report.txt"), result::kUnexpectedFailure);
    EXPECT_FALSE(fs::exists(directory_ / "missing"));
    EXPECT_EQ(Unattended(directory_), result::kUnexpectedFailure);
    // A device that takes no data: the write fails when the file is closed.
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(Unattended("/dev/full"), result::kUnexpectedFailure);
    }
    EXPECT_EQ(errors_.codes.size(), fs::exists("/dev/full") ? 3u : 2u);
}

TEST_F(ReportFile, TheDialogChoosesTheFileOrCancels) {
    Dialog dialog;
    report::CSave save;
    EXPECT_EQ(save.WriteReport(Source(), {false, "", &dialog}, errors_), result::kSuccess);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].filter, "Text files (*.txt)|*.txt||");
    EXPECT_EQ(dialog.requests[0].defaultExtension, "txt");
    EXPECT_TRUE(fs::is_empty(directory_));
    EXPECT_EQ(save.ChosenPath(), "");

    const fs::path path = directory_ / "chosen.txt";
    dialog.answer = path.string();
    EXPECT_EQ(save.WriteReport(Source(), {false, "", &dialog}, errors_), result::kSuccess);
    EXPECT_EQ(save.ChosenPath(), path.string());
    EXPECT_EQ(ReadFile(path), ExpectedReport());

    // A path longer than the path buffer is refused rather than cut.
    dialog.answer = (directory_ / std::string(report::kPathBufferSize, 'p')).string();
    EXPECT_EQ(save.WriteReport(Source(), {false, "", &dialog}, errors_), result::kUnexpectedFailure);
    EXPECT_TRUE(errors_.codes == std::vector<ResultCode>{result::kUnexpectedFailure});
}

// Standard output gets line feeds alone, so the report can be piped.
TEST_F(ReportFile, TheReportGoesToAStreamWithTheSameLinesEndingInLineFeeds) {
    const fs::path path = directory_ / "stream.txt";
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(report::PrintReport(stream, Source(), errors_), result::kSuccess);
    std::fclose(stream);
    EXPECT_EQ(ReadFile(path), ExpectedReport("\n"));
}

}  // namespace
