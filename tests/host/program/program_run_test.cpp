// The built program run unattended, as a script would run it: under a real
// X server (xvfb-run) and on Qt's offscreen platform, its report compared
// with sondrel-report's; and a read-only report file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kBin = SONDREL_OUTPUT_DIR;
const std::string kLeakSuppressions = SONDREL_SOURCE_DIR "/tests/host/program/lsan.supp";
const fs::path kProfiles = fs::path(SONDREL_SOURCE_DIR) / "profiles";

std::string Read(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

// The report's lines without the time stamp.
std::vector<std::string> LinesWithoutTime(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream input(text);
    std::string line;
    while (std::getline(input, line)) {
        if (line.rfind("Time Stamp: ", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        scratch =
            fs::temp_directory_path() / ("sondrel-program-run-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(scratch / "runtime");
        fs::permissions(scratch / "runtime", fs::perms::owner_all);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(scratch, fs::perms::owner_all, ignored);
        fs::remove_all(scratch, ignored);
    }

    // Runs a command line with the profile and a private runtime folder;
    // its exit status, its error output in `errors`.
    int Run(const std::string& profile, const std::string& command, const std::string& environment = "") {
        const fs::path errorFile = scratch / "stderr.txt";
        const std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SONDREL_PROFILE='" +
                                 (kProfiles / profile).string() + "' XDG_RUNTIME_DIR='" +
                                 (scratch / "runtime").string() + "' XDG_CONFIG_HOME='" +
                                 (scratch / "config").string() +
                                 "' LSAN_OPTIONS='suppressions=" + kLeakSuppressions + "' " + environment +
                                 " " + command + " 2>'" + errorFile.string() + "'";
        const int status = std::system(line.c_str());
        errors = Read(errorFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Sondrel(const fs::path& report) const {
        return "'" + (kBin / "Sondrel").string() + "' '" + report.string() + "'";
    }

    fs::path scratch;
    std::string errors;
};

TEST_F(ProgramRun, ReportEqualsTheWindowlessReportUnderXAndOffscreen) {
    for (const std::string profile : {"default.json", "mobile_vantor_m7_4e.json"}) {
        SCOPED_TRACE(profile);
        const fs::path expected = scratch / ("expected-" + profile);
        ASSERT_EQ(
            Run(profile, "'" + (kBin / "sondrel-report").string() + "' --output '" + expected.string() + "'"),
            0)
            << errors;

        const fs::path offscreen = scratch / ("offscreen-" + profile);
        ASSERT_EQ(Run(profile, Sondrel(offscreen)), 0) << errors;
        EXPECT_EQ(LinesWithoutTime(Read(offscreen)), LinesWithoutTime(Read(expected)));

        const fs::path x11 = scratch / ("x11-" + profile);
        ASSERT_EQ(Run(profile, "xvfb-run -a " + Sondrel(x11)), 0) << errors;
        EXPECT_EQ(LinesWithoutTime(Read(x11)), LinesWithoutTime(Read(expected)));
        EXPECT_GT(LinesWithoutTime(Read(x11)).size(), 30u);
    }
}

TEST_F(ProgramRun, ReadOnlyReportFileIsUntouchedAndFailsTheRun) {
    const fs::path report = scratch / "report.txt";
    std::ofstream(report) << "an earlier report\n";
    fs::permissions(report, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_NE(Run("default.json", Sondrel(report)), 0);
    EXPECT_EQ(Read(report), "an earlier report\n");
    // The box of 0x80041F41 (Glossa's string 374), printed for want of a display.
    EXPECT_NE(errors.find("The report file is read-only."), std::string::npos) << errors;
}

TEST_F(ProgramRun, MissingFolderFailsTheRunWithTheGeneralBox) {
    const fs::path report = scratch / "missing" / "report.txt";
    EXPECT_NE(Run("default.json", Sondrel(report)), 0);
    EXPECT_FALSE(fs::exists(report));
    EXPECT_EQ(errors.find("read-only"), std::string::npos) << errors;
    EXPECT_FALSE(errors.empty());
}

}  // namespace
