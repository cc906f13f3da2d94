// The command line, the environment check, the single instance and the
// values the program records, on the platform fake.
#include <gtest/gtest.h>

#include <limits>

#include "sondrel/app/command_line.h"
#include "sondrel/app/environment_check.h"
#include "sondrel/app/single_instance.h"
#include "sondrel/platform/fake.h"
#include "sondrel/ui/program_settings_values.h"
#include "support/table_language_text.h"

using namespace sondrel;
namespace fake = sondrel::platform::fake;

namespace {

struct ArgumentCase {
    std::vector<const char*> arguments;
    bool unattended;
    const char* path;
    std::int32_t delayMs;
};

TEST(CommandLine, ArgumentCountDecidesTheMode) {
    const ArgumentCase cases[] = {
        {{"Sondrel", "report.txt", "10"}, true, "report.txt", 10000},
        {{"Sondrel", "report.txt"}, true, "report.txt", 0},
        {{"Sondrel", "a", "b", "c"}, false, "", 0},
        {{"Sondrel", "report.txt", "ten"}, true, "report.txt", 0},
        {{"Sondrel"}, false, "", 0},
        {{"Sondrel", "r.txt", "  -2s"}, true, "r.txt", -2000},
        // A delay too long for 32 bits is held at the longest, never wrapped.
        {{"Sondrel", "r.txt", "99999999999"}, true, "r.txt", std::numeric_limits<std::int32_t>::max()},
        {{"Sondrel", "r.txt", "3000000"}, true, "r.txt", std::numeric_limits<std::int32_t>::max()},
    };
    for (const ArgumentCase& c : cases) {
        SCOPED_TRACE(c.arguments.size() > 1 ? c.arguments.back() : "none");
        const app::StartOptions options = app::ParseCommandLine(c.arguments);
        EXPECT_EQ(options.unattended, c.unattended);
        EXPECT_EQ(options.reportPath, c.path);
        EXPECT_EQ(options.closingDelayMs, c.delayMs);
    }
}

TEST(CommandLine, TextToIntegerTakesBlanksSignAndDigits) {
    EXPECT_EQ(app::TextToInteger(" \t+42abc"), 42);
    EXPECT_EQ(app::TextToInteger("-7"), -7);
    EXPECT_EQ(app::TextToInteger("x1"), 0);
    EXPECT_EQ(app::TextToInteger(""), 0);
    EXPECT_EQ(app::TextToInteger("- 1"), 0);
    EXPECT_EQ(app::TextToInteger("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

class EnvironmentCheck : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::SetOsVersions(platform::OsVersion{6, 1, 0, {}}, platform::OsVersion{6, 1, 0, "Debian"});
    }
    void TearDown() override { fake::Reset(); }
};

TEST_F(EnvironmentCheck, LinuxKernelsMapOntoSystemClasses) {
    struct Case {
        platform::OsVersion kernel;
        bool is64;
        app::OsClass expected;
    };
    const Case cases[] = {
        {{6, 1, 0, {}}, true, 11}, {{6, 1, 0, {}}, false, 10}, {{3, 2, 0, {}}, true, 11},
        {{3, 1, 9, {}}, true, 8},  {{2, 6, 32, {}}, false, 6}, {{2, 4, 0, {}}, false, 5},
        {{2, 4, 0, {}}, true, 8},  {{-1, 0, 0, {}}, false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kernel.major) + "." + std::to_string(c.kernel.minor));
        EXPECT_EQ(app::ClassifyLinux(c.kernel, c.is64), c.expected);
    }
}

TEST_F(EnvironmentCheck, NormalUserOnA64BitSystemStartsAndTheProgramVolumeIsAsked) {
    EXPECT_EQ(app::CheckEnvironment("/opt/sondrel/bin"), result::kSuccess);
    EXPECT_EQ(fake::DiskQueryLog(), std::vector<std::string>{"/opt/sondrel/bin"});
}

TEST_F(EnvironmentCheck, TooLittleSpaceRefusesEverySupportedClass) {
    for (app::OsClass osClass = 6; osClass <= 11; ++osClass) {
        SCOPED_TRACE(osClass);
        fake::SetAdministratorRights(true);
        fake::SetAvailableDiskBytes(99999);
        EXPECT_EQ(app::CheckEnvironmentOfClass(osClass, "/p"), result::kDiskSpaceLow);
        fake::SetAvailableDiskBytes(std::nullopt);
        EXPECT_EQ(app::CheckEnvironmentOfClass(osClass, "/p"), result::kDiskSpaceLow);
        fake::SetAvailableDiskBytes(100000);
        EXPECT_EQ(app::CheckEnvironmentOfClass(osClass, "/p"), result::kSuccess);
    }
}

TEST_F(EnvironmentCheck, AdministratorRightsOnlyWhereTheClassAsks) {
    fake::SetAdministratorRights(false);
    for (app::OsClass osClass = 0; osClass <= 12; ++osClass) {
        SCOPED_TRACE(osClass);
        ResultCode expected = result::kSuccess;
        if (osClass <= 5) {
            expected = result::kSystemTooOld;
        } else if (osClass == 6 || osClass == 8) {
            expected = result::kServiceManagerDenied;
        } else if (osClass > 11) {
            expected = result::kUnexpectedFailure;
        }
        EXPECT_EQ(app::CheckEnvironmentOfClass(osClass, "/p"), expected);
    }
    fake::SetOsVersions(std::nullopt, std::nullopt);
    EXPECT_EQ(app::CheckEnvironment("/p"), result::kUnexpectedFailure);
}

class ProgramValues : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::SetProgramSettings(std::map<std::string, std::string>{});
        language.Set(102, "Quarn(R) Sondrel %s");
        language.Set(448, "https://support.quarn.example/x");
        language.Set(378, "https://www.quarn.example/");
    }
    void TearDown() override { fake::Reset(); }
    sondrel::testing::TableLanguageText language;
};

TEST_F(ProgramValues, NameWithVersionAndBothAddresses) {
    ui::WriteProgramSettingsValues(&language);
    const std::map<std::string, std::string> expected{{"Name", "Quarn(R) Sondrel 5.80"},
                                                      {"Website", "https://support.quarn.example/x"},
                                                      {"QuarnWebsite", "https://www.quarn.example/"}};
    EXPECT_EQ(fake::ProgramSettings(), expected);
    // Each value through its own opening of the key.
    const auto log = fake::SettingsLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "open"), 3);
}

TEST_F(ProgramValues, MissingStringEndsTheWritingWithEarlierValuesKept) {
    language.Remove(448);
    ui::WriteProgramSettingsValues(&language);
    const std::map<std::string, std::string> onlyName{{"Name", "Quarn(R) Sondrel 5.80"}};
    EXPECT_EQ(fake::ProgramSettings(), onlyName);

    fake::SetProgramSettings(std::map<std::string, std::string>{});
    language.Set(102, "Quarn(R) Sondrel %s %s");  // asks for more than the version
    ui::WriteProgramSettingsValues(&language);
    EXPECT_EQ(fake::ProgramSettings(), (std::map<std::string, std::string>{}));
}

TEST_F(ProgramValues, KeyThatCannotBeOpenedSkipsQuietly) {
    fake::SetProgramSettings(std::nullopt);
    ui::WriteProgramSettingsValues(&language);
    ui::WriteProgramSettingsValues(nullptr);
    EXPECT_EQ(fake::ProgramSettings(), std::nullopt);
}

class SecondStart : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::Reset(); }
};

TEST_F(SecondStart, AsksForTheWindowTitledByName) {
    fake::SetProgramSettings(std::map<std::string, std::string>{{"Name", "Quarn(R) Sondrel 5.80"}});
    EXPECT_EQ(app::BringRunningInstanceToFront(), result::kSuccess);
    EXPECT_EQ(fake::RaiseRequests(), std::vector<std::string>{"Quarn(R) Sondrel 5.80"});
}

TEST_F(SecondStart, MissingNameOrKeyAsksNothing) {
    fake::SetProgramSettings(std::map<std::string, std::string>{});
    EXPECT_EQ(app::BringRunningInstanceToFront(), result::kSuccess);
    fake::SetProgramSettings(std::nullopt);
    EXPECT_EQ(app::BringRunningInstanceToFront(), result::kUnexpectedFailure);
    EXPECT_TRUE(fake::RaiseRequests().empty());
}

}  // namespace
