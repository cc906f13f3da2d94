// The Linux layer's browser association, process start, version and clock.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "sondrel/platform/os_version.h"
#include "sondrel/platform/system_time.h"
#include "sondrel/platform/web_browser.h"

namespace fs = std::filesystem;
using namespace sondrel::platform;

namespace {

// Points the freedesktop.org base directories at a scratch tree for the test.
class BrowserAssociation : public ::testing::Test {
protected:
    void SetUp() override {
        // One tree per test: ctest runs the tests of this fixture side by side.
        root_ = fs::temp_directory_path() /
                ("sondrel-browser-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "config");
        fs::create_directories(root_ / "data" / "applications");
        fs::create_directories(root_ / "bin dir");
        for (const auto& [name, value] :
             {std::pair{"XDG_CONFIG_HOME", root_ / "config"}, std::pair{"XDG_CONFIG_DIRS", root_ / "none"},
              std::pair{"XDG_DATA_HOME", root_ / "data"}, std::pair{"XDG_DATA_DIRS", root_ / "none"}}) {
            ::setenv(name, value.c_str(), 1);
        }
    }
    void TearDown() override {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            ::unsetenv(name);
        }
        fs::remove_all(root_);
    }

    void Write(const fs::path& path, const std::string& text) const { std::ofstream(root_ / path) << text; }

    // A browser that writes its arguments into a file beside itself.
    fs::path Browser() const {
        fs::path program = root_ / "bin dir" / "web browser";
        std::ofstream(program) << "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/opened\"\n";
        fs::permissions(program, fs::perms::owner_all);
        return program;
    }

    fs::path root_;
};

TEST_F(BrowserAssociation, TheDefaultHtmlHandlerIsPresentedAsAQuotedOpenCommand) {
    const fs::path browser = Browser();
    Write("config/mimeapps.list",
          "[Added Associations]\ntext/html=other.desktop;\n[Default Applications]\n"
          "text/html=missing.desktop;test-browser.desktop;\n");
    Write("data/applications/test-browser.desktop", "[Desktop Entry]\nName=Test\nExec=\"" + browser.string() +
                                                        "\" --new-window %u\n[Desktop Action x]\nExec=no\n");
    EXPECT_EQ(FileTypeClass(".htm"), "test-browser.desktop");
    EXPECT_EQ(FileTypeClass(".html"), "test-browser.desktop");
    EXPECT_EQ(FileTypeClass(".pdf"), std::nullopt);
    EXPECT_EQ(OpenCommand("test-browser.desktop"), "\"" + browser.string() + "\" --new-window %u");
    EXPECT_EQ(OpenCommand("missing.desktop"), std::nullopt);
    EXPECT_EQ(OpenCommand("../escape.desktop"), std::nullopt);
}

TEST_F(BrowserAssociation, NothingRegisteredGivesNoClass) {
    EXPECT_EQ(FileTypeClass(".htm"), std::nullopt);
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=missing.desktop;\n");
    EXPECT_EQ(FileTypeClass(".htm"), std::nullopt);
}

TEST_F(BrowserAssociation, StartProcessRunsTheQuotedProgramWithItsArguments) {
    const fs::path browser = Browser();
    ASSERT_TRUE(StartProcess("\"" + browser.string() + "\" https://www.quarn.example/"));
    const fs::path opened = root_ / "bin dir" / "opened";
    for (int wait = 0; wait < 100 && (!fs::exists(opened) || fs::file_size(opened) == 0); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream input(opened);
    std::string line;
    std::getline(input, line);
    EXPECT_EQ(line, "https://www.quarn.example/");

    EXPECT_FALSE(StartProcess("\"" + (root_ / "no such program").string() + "\" x"));
    EXPECT_FALSE(StartProcess("   "));
}

TEST(SystemServices, VersionAndClock) {
    const auto basic = QueryBasicVersion();
    const auto extended = QueryExtendedVersion();
    ASSERT_TRUE(basic.has_value());
    ASSERT_TRUE(extended.has_value());
    EXPECT_GT(basic->major, 0);
    EXPECT_EQ(basic->releaseText, "");
    EXPECT_EQ(extended->major, basic->major);
    EXPECT_EQ(extended->minor, basic->minor);

    const UtcTime time = SystemTimeUtc();
    EXPECT_GE(time.year, 2024u);
    EXPECT_GE(time.month, 1u);
    EXPECT_LE(time.month, 12u);
    EXPECT_GE(time.day, 1u);
    EXPECT_LE(time.hour, 23u);
}

}  // namespace
