// The Linux settings key: a file in the user's configuration directory
// that the installation creates and the program only changes.
#include "sondrel/platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sondrel::platform {
namespace {

namespace fs = std::filesystem;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("sondrel-settings-" + std::to_string(getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "config");
        const char* home = std::getenv("HOME");
        savedHome_ = home != nullptr ? std::optional<std::string>(home) : std::nullopt;
        const char* config = std::getenv("XDG_CONFIG_HOME");
        savedConfig_ = config != nullptr ? std::optional<std::string>(config) : std::nullopt;
        setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        setenv("HOME", (root_ / "home").c_str(), 1);
    }
    void TearDown() override {
        Restore("HOME", savedHome_);
        Restore("XDG_CONFIG_HOME", savedConfig_);
        fs::remove_all(root_);
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    fs::path KeyPath() const { return root_ / "config" / "sondrel" / "settings"; }
    void Install(const std::string& content,
                 fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write) {
        fs::create_directories(KeyPath().parent_path());
        std::ofstream(KeyPath()) << content;
        fs::permissions(KeyPath(), permissions);
    }
    std::string Content() const {
        std::ifstream file(KeyPath());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path root_;
    std::optional<std::string> savedHome_;
    std::optional<std::string> savedConfig_;
};

TEST_F(SettingsStoreTest, WithoutTheInstalledKeyNothingOpensAndNothingIsCreated) {
    EXPECT_EQ(OpenProgramSettings(), nullptr);
    EXPECT_FALSE(fs::exists(KeyPath().parent_path()));
    fs::create_directories(KeyPath().parent_path());
    EXPECT_EQ(OpenProgramSettings(), nullptr);
    EXPECT_FALSE(fs::exists(KeyPath()));

    // Something else in its place is not the key either.
    fs::create_directory(KeyPath());
    EXPECT_EQ(OpenProgramSettings(), nullptr);
    fs::remove(KeyPath());
    std::ofstream(root_ / "elsewhere") << "Website=https://elsewhere.example/\n";
    fs::create_symlink(root_ / "elsewhere", KeyPath());
    EXPECT_EQ(OpenProgramSettings(), nullptr);
}

TEST_F(SettingsStoreTest, ReadsWritesAndDeletesValuesAndStoresThemOnClose) {
    Install("# installed\nName=Sondrel\nWebsite=https://support.example/a=b\r\nbroken line\n");
    auto key = OpenProgramSettings();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadText("Name", 99), "Sondrel");
    EXPECT_EQ(key->ReadText("Website", 99), "https://support.example/a=b");
    EXPECT_EQ(key->ReadText("Website", 5), "https");
    EXPECT_EQ(key->ReadText("BODDlg", 50), std::nullopt);
    EXPECT_TRUE(key->WriteText("BODDlg", "20171018"));
    EXPECT_TRUE(key->DeleteValue("Name"));
    EXPECT_TRUE(key->DeleteValue("NotThere"));
    // Nothing that would break the file's lines is written.
    EXPECT_FALSE(key->WriteText("Bad=Name", "x"));
    EXPECT_FALSE(key->WriteText("Value", "two\nlines"));
    EXPECT_FALSE(key->WriteText("", "x"));
    EXPECT_EQ(Content().substr(0, 11), "# installed");  // nothing stored before the close
    EXPECT_TRUE(key->Close());
    EXPECT_EQ(Content(), "BODDlg=20171018\nWebsite=https://support.example/a=b\n");
    EXPECT_EQ(fs::status(KeyPath()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    auto again = OpenProgramSettings();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ReadText("BODDlg", 50), "20171018");
    EXPECT_EQ(again->ReadText("Name", 50), std::nullopt);
    EXPECT_TRUE(again->Close());
}

TEST_F(SettingsStoreTest, AKeyClosedUnchangedIsNotRewritten) {
    Install("Name=Sondrel\n");
    const auto before = fs::last_write_time(KeyPath());
    struct stat status {};
    ASSERT_EQ(stat(KeyPath().c_str(), &status), 0);
    auto key = OpenProgramSettings();
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->Close());
    struct stat after {};
    ASSERT_EQ(stat(KeyPath().c_str(), &after), 0);
    EXPECT_EQ(status.st_ino, after.st_ino);
    EXPECT_EQ(fs::last_write_time(KeyPath()), before);
}

TEST_F(SettingsStoreTest, WithoutTheRightToChangeTheKeyItDoesNotOpen) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may change any file";
    }
    Install("Name=Sondrel\n", fs::perms::owner_read);
    EXPECT_EQ(OpenProgramSettings(), nullptr);
}

TEST_F(SettingsStoreTest, ARelativeConfigurationDirectoryFallsBackToTheHomeDirectory) {
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    fs::create_directories(root_ / "home" / ".config" / "sondrel");
    std::ofstream(root_ / "home" / ".config" / "sondrel" / "settings") << "Name=Home\n";
    auto key = OpenProgramSettings();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadText("Name", 99), "Home");
}

TEST_F(SettingsStoreTest, AFailedWriteLeavesTheOldValuesWhole) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write into any directory";
    }
    Install("Name=Sondrel\n");
    auto key = OpenProgramSettings();
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->WriteText("BODDlg", "20171018"));
    fs::permissions(KeyPath().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(key->Close());
    fs::permissions(KeyPath().parent_path(), fs::perms::owner_all);
    EXPECT_EQ(Content(), "Name=Sondrel\n");
}

}  // namespace
}  // namespace sondrel::platform
