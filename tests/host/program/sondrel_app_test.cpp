// The application object from the command line to the sheet, with a shell
// that records what it was asked to show, on the platform fake.
#include <gtest/gtest.h>

#include "sondrel/platform/fake.h"
#include "sondrel/ui/sondrel_app.h"

using namespace sondrel;
namespace fake = sondrel::platform::fake;

namespace {

class RecordingShell : public ui::ApplicationShell {
public:
    void ShowStartupMessage(const ui::ErrorBoxDescription& box) override { messages.push_back(box.text); }
    void ListenForRaiseRequests(platform::InstanceLock& lock) override {
        lock.ListenForRaiseRequests([this](std::string title) { raised.push_back(std::move(title)); });
    }
    bool RunAgreement(const ui::LanguageText& /*language*/) override {
        ++agreements;
        return accept;
    }
    ui::SheetRun RunMainSheet(const app::StartOptions& options, const ui::LanguageText* language) override {
        sheetOptions = options;
        sheetHadLanguage = language != nullptr;
        ++sheets;
        // A second start while the sheet runs brings this one forward.
        secondStartStatus = ui::CSondrelApp(other).InitInstance(std::vector<const char*>{"Sondrel"});
        return run;
    }

    class Silent : public ui::ApplicationShell {
        void ShowStartupMessage(const ui::ErrorBoxDescription&) override {
            ADD_FAILURE() << "second start showed";
        }
        void ListenForRaiseRequests(platform::InstanceLock&) override {}
        bool RunAgreement(const ui::LanguageText&) override { return false; }
        ui::SheetRun RunMainSheet(const app::StartOptions&, const ui::LanguageText*) override {
            ADD_FAILURE() << "second start ran a sheet";
            return {};
        }
    } other;

    std::vector<std::string> messages;
    std::vector<std::string> raised;
    int agreements = 0;
    bool accept = true;
    int sheets = 0;
    bool sheetHadLanguage = false;
    app::StartOptions sheetOptions;
    ui::SheetRun run;
    int secondStartStatus = -1;
};

class Application : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddLibrary("Glossa.so", {});
        fake::SetProgramSettings(std::map<std::string, std::string>{{"Name", "Quarn(R) Sondrel 5.80"}});
    }
    void TearDown() override { fake::Reset(); }

    int Run(std::vector<const char*> arguments) { return ui::CSondrelApp(shell).InitInstance(arguments); }

    RecordingShell shell;
};

TEST_F(Application, InteractiveStartAsksForTheAgreementThenRunsTheSheet) {
    EXPECT_EQ(Run({"Sondrel", "a", "b", "c"}), ui::kExitSuccess);
    EXPECT_EQ(shell.agreements, 1);
    EXPECT_EQ(shell.sheets, 1);
    EXPECT_TRUE(shell.sheetHadLanguage);
    EXPECT_FALSE(shell.sheetOptions.unattended);
    EXPECT_TRUE(fake::LoadedLibraries().empty());  // the language module is let go at the end

    shell.accept = false;
    EXPECT_EQ(Run({"Sondrel"}), ui::kExitSuccess);
    EXPECT_EQ(shell.sheets, 1);  // no sheet without the agreement
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Application, UnattendedRunSkipsTheAgreementAndReportsFailures) {
    EXPECT_EQ(Run({"Sondrel", "report.txt", "10"}), ui::kExitSuccess);
    EXPECT_EQ(shell.agreements, 0);
    EXPECT_EQ(shell.sheetOptions.closingDelayMs, 10000);
    shell.run.failureReported = true;
    EXPECT_EQ(Run({"Sondrel", "report.txt"}), ui::kExitFailure);
    shell.run = {1, false};  // the sheet failed at start-up
    EXPECT_EQ(Run({"Sondrel", "report.txt"}), ui::kExitFailure);
}

TEST_F(Application, SecondStartBringsTheFirstForwardWithoutAWindow) {
    Run({"Sondrel"});
    EXPECT_EQ(shell.secondStartStatus, ui::kExitAnotherInstance);
    EXPECT_EQ(fake::RaiseRequests(), std::vector<std::string>{"Quarn(R) Sondrel 5.80"});
    fake::DeliverRaiseRequest("Quarn(R) Sondrel 5.80");
    EXPECT_TRUE(shell.raised.empty());  // the lock went with the first instance

    fake::SetInstanceLockHeldByAnother(true);
    fake::SetProgramSettings(std::map<std::string, std::string>{});
    EXPECT_EQ(Run({"Sondrel"}), ui::kExitAnotherInstance);
    EXPECT_EQ(fake::RaiseRequests().size(), 1u);  // "Name" missing: nothing asked
    EXPECT_EQ(shell.sheets, 1);

    fake::SetInstanceLockHeldByAnother(false);
    fake::FailInstanceLock(true);
    EXPECT_EQ(Run({"Sondrel"}), ui::kExitFailure);
    EXPECT_EQ(shell.sheets, 1);
}

TEST_F(Application, LanguageModuleMissingOrRefused) {
    fake::Reset();
    EXPECT_EQ(Run({"Sondrel", "report.txt"}), ui::kExitFailure);
    EXPECT_EQ(shell.messages, std::vector<std::string>{ui::kResourcesNotFound});
    EXPECT_EQ(shell.sheets, 0);

    // A file that fails verification is one that cannot be loaded: the
    // second message, and an unattended run goes on without the module.
    shell.messages.clear();
    fake::AddLibrary("Glossa.so", {.verified = false, .loadable = true, .entryPoints = {}});
    EXPECT_EQ(Run({"Sondrel", "report.txt"}), ui::kExitFailure);
    EXPECT_EQ(shell.messages, std::vector<std::string>{ui::kLanguageFileNotLoaded});
    EXPECT_EQ(shell.sheets, 1);
    EXPECT_FALSE(shell.sheetHadLanguage);

    shell.messages.clear();
    fake::AddLibrary("Glossa.so", {.verified = true, .loadable = false, .entryPoints = {}});
    EXPECT_EQ(Run({"Sondrel"}), ui::kExitFailure);
    EXPECT_EQ(shell.messages, std::vector<std::string>{ui::kLanguageFileNotLoaded});
    EXPECT_EQ(shell.agreements, 0);
}

}  // namespace
