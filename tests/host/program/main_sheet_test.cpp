// The main sheet's start-up sequence, menus and commands over a recorded
// window, on the platform fake.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sheet_fakes.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/platform/fake.h"

using namespace sondrel;
using namespace sondrel::testing;
namespace fake = sondrel::platform::fake;

namespace {

class NoSaveDialog : public report::SaveDialog {
public:
    std::optional<std::string> ChooseFile(const report::SaveDialogRequest& /*request*/) override {
        ++asked;
        return chosen;
    }
    int asked = 0;
    std::optional<std::string> chosen;
};

class NoDialogRunner : public ui::DialogRunner {
public:
    int RunModal(ui::DialogLogic& /*dialog*/) override { return 0; }
};

class MainSheet : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::SetOsVersions(platform::OsVersion{6, 1, 0, {}}, platform::OsVersion{6, 1, 0, "Debian"});
    }
    void TearDown() override { fake::Reset(); }

    ui::CMainSheet& Sheet(app::StartOptions options = {}) {
        sheet_ = std::make_unique<ui::CMainSheet>(
            ui::SheetServices{window, dialogs, runner, errors, saveDialog, language, nullptr, record, state,
                              processors, [this] { return environment; }},
            std::move(options), MakeRecordingPages);
        return *sheet_;
    }

    RecordingSheetWindow window;
    ScriptedDialogs dialogs;
    NoDialogRunner runner;
    RecordingErrorReporter errors;
    NoSaveDialog saveDialog;
    SheetLanguageText language;
    app::SystemRecord record;
    app::MainSheetState state;
    ScriptedProcessors processors{state, record};
    ResultCode environment = result::kSuccess;
    std::unique_ptr<ui::CMainSheet> sheet_;
};

TEST_F(MainSheet, ShortCollectionKeepsTheSplashUpForTheMinimum) {
    ui::CMainSheet& sheet = Sheet();
    ASSERT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(window.waitedMs, 2600u);
    EXPECT_EQ(window.log.at(1), "splash closed at 3000");
    EXPECT_FALSE(sheet.ended());
    EXPECT_TRUE(errors.codes.empty());
    EXPECT_EQ(window.icon, "<svg/>");
    EXPECT_EQ(window.log.back(), "activate 0");
}

TEST_F(MainSheet, SlowCollectionOrWrappedClockWaitsNoLonger) {
    window.workMs = 3500;
    ASSERT_TRUE(Sheet().OnInitDialog());
    EXPECT_EQ(window.waitedMs, 0u);

    RecordingSheetWindow wrapped;
    wrapped.clock = wrapped.startTick = 0xFFFFFF00u;  // the collection takes the clock past zero
    window = wrapped;
    ASSERT_TRUE(Sheet().OnInitDialog());
    EXPECT_EQ(window.waitedMs, 0u);
}

TEST_F(MainSheet, FailedEnvironmentCheckEndsBeforeTheSplash) {
    environment = result::kDiskSpaceLow;
    ui::CMainSheet& sheet = Sheet();
    EXPECT_FALSE(sheet.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kDiskSpaceLow});
    EXPECT_EQ(window.ends, std::vector<int>{ui::kSheetFailedAtStartUp});
    EXPECT_TRUE(window.log.empty());
}

TEST_F(MainSheet, FailedCollectionShowsItsCodeAfterTheSplashAndEnds) {
    processors.sessionResult = result::kCompanionMissing;
    ui::CMainSheet& sheet = Sheet();
    EXPECT_FALSE(sheet.OnInitDialog());
    EXPECT_EQ(window.log.at(1), "splash closed at 3000");
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kCompanionMissing});
    EXPECT_EQ(sheet.result(), ui::kSheetFailedAtStartUp);
    EXPECT_EQ(window.pages[0], nullptr);
}

TEST_F(MainSheet, DialogsOfTheStartUpEndItWhenTheirErrorFlagIsSet) {
    dialogs.stale = true;
    dialogs.freshnessError = true;
    EXPECT_FALSE(Sheet().OnInitDialog());
    EXPECT_EQ(window.ends, std::vector<int>{1});

    window = RecordingSheetWindow{};
    dialogs = ScriptedDialogs{};
    processors.fill = [](std::int32_t, app::SystemRecord& r) { r.productCode = app::kProductNotHandled; };
    dialogs.futureError = true;
    EXPECT_FALSE(Sheet().OnInitDialog());
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"future processor"});
    EXPECT_EQ(window.ends, std::vector<int>{1});
    EXPECT_TRUE(errors.codes.empty());

    window = RecordingSheetWindow{};
    dialogs = ScriptedDialogs{};
    dialogs.freshnessResult = result::kUnexpectedFailure;
    EXPECT_FALSE(Sheet().OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
}

TEST_F(MainSheet, SplashThatDidNotShowEndsTheStartUp) {
    window.splashCanShow = false;
    ui::CMainSheet& sheet = Sheet();
    // Showing failed: one start-up box, the sheet ends, the pages are still chosen.
    EXPECT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_TRUE(sheet.errorShown());
    EXPECT_EQ(window.ends, std::vector<int>{0});
    EXPECT_EQ(PageName(window.pages[0]), "CFreqPage");
}

TEST_F(MainSheet, MissingIconOrMenuIsOneStartUpFailure) {
    language.hasMenu = false;
    ui::CMainSheet& sheet = Sheet();
    EXPECT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_EQ(sheet.result(), 0);

    errors.codes.clear();
    window = RecordingSheetWindow{};
    language.hasMenu = true;
    language.hasIcon = false;
    ui::CMainSheet& noIcon = Sheet();
    EXPECT_TRUE(noIcon.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_TRUE(window.log.empty() || window.log.front() != "splash shown");
}

TEST_F(MainSheet, MenuListsEachProcessorAndGreysTheMenuWithoutChoice) {
    processors.processorsInSystem = 3;
    ASSERT_TRUE(Sheet().OnInitDialog());
    ASSERT_EQ(window.menu.size(), 4u);
    EXPECT_EQ(window.menu[0].text, "&File");
    EXPECT_EQ(window.menu[0].items[0].text, "&Save Report...");
    EXPECT_TRUE(window.menu[0].items[1].separator);
    EXPECT_EQ(window.menu[3].items[1].text, "Quarn on the &Web");
    const auto& entries = window.menu[1].items;
    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_EQ(entries[index].text, "Processor " + std::to_string(index + 1));
        EXPECT_EQ(entries[index].command, 32823 + static_cast<std::int32_t>(index));
    }
    EXPECT_TRUE(window.menu[1].enabled);
    EXPECT_EQ(window.windowMenuAbout, std::vector<std::string>{"About Quarn(R) Sondrel..."});

    window = RecordingSheetWindow{};
    processors.processorsInSystem = 1;
    language.Set(101, "");
    state = app::MainSheetState{};
    ASSERT_TRUE(Sheet().OnInitDialog());
    EXPECT_FALSE(window.menu[1].enabled);
    EXPECT_EQ(window.menu[1].items.size(), 1u);
    EXPECT_TRUE(window.windowMenuAbout.empty());
}

TEST_F(MainSheet, ProcessorSwitchCollectsAndRedrawsTheCurrentPage) {
    processors.processorsInSystem = 3;
    processors.fill = [](std::int32_t processor, app::SystemRecord& r) { r.revision = processor * 10; };
    ui::CMainSheet& sheet = Sheet();
    ASSERT_TRUE(sheet.OnInitDialog());
    sheet.OnCommand(32779);  // the CPUID page
    window.log.clear();

    sheet.OnCommand(32823);  // processor 1 is already selected
    EXPECT_TRUE(processors.switches.empty());
    EXPECT_TRUE(window.log.empty());

    sheet.OnCommand(32825);
    EXPECT_EQ(processors.switches, std::vector<std::int32_t>{3});
    EXPECT_EQ(record.revision, 30);
    const std::vector<std::string> expected{"wait cursor", "activate 2", "focus", "arrow cursor", "redraw"};
    EXPECT_EQ(window.log, expected);
    EXPECT_FALSE(sheet.ended());
}

TEST_F(MainSheet, ProcessorSwitchFailures) {
    processors.processorsInSystem = 2;
    ui::CMainSheet& sheet = Sheet();
    ASSERT_TRUE(sheet.OnInitDialog());
    processors.switchOutcome = {app::SwitchOutcome::Kind::kCollectionFailed, result::kCompanionMissing};
    sheet.OnCommand(32824);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kCompanionMissing});
    EXPECT_EQ(sheet.result(), 1);

    errors.codes.clear();
    ui::CMainSheet& beyond = Sheet();
    ASSERT_TRUE(beyond.OnInitDialog());
    beyond.OnCommand(32826);  // processor 4 of 2
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_EQ(beyond.result(), 0);

    errors.codes.clear();
    processors.switchOutcome = {app::SwitchOutcome::Kind::kCollected, result::kSuccess};
    processors.fill = [](std::int32_t processor, app::SystemRecord& r) {
        r.productCode = processor == 2 ? app::kProductNotHandled : 0;
    };
    dialogs.futureError = true;
    ui::CMainSheet& future = Sheet();
    state.selectedProcessor = 1;
    ASSERT_TRUE(future.OnInitDialog());
    future.OnCommand(32824);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"future processor"});
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_EQ(future.result(), 0);
}

TEST_F(MainSheet, KeepsOneFrequencyPageByTheCoreFigure) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {2, "CFreqPage"}, {4, "CFreqPage2"}, {8, "CFreqPage"}};
    for (const auto& [cores, kept] : cases) {
        SCOPED_TRACE(cores);
        window = RecordingSheetWindow{};
        processors.fill = [cores](std::int32_t, app::SystemRecord& r) { r.coresPerPackage = cores; };
        ASSERT_TRUE(Sheet().OnInitDialog());
        EXPECT_EQ(PageName(window.pages[0]), kept);
        EXPECT_EQ(PageName(window.pages[1]), "CTechPage");
        EXPECT_EQ(PageName(window.pages[2]), "CCPUIDPage");
    }
    window = RecordingSheetWindow{};
    processors.fill = [](std::int32_t, app::SystemRecord& r) { r.moduleNumber = 12; };
    ASSERT_TRUE(Sheet().OnInitDialog());
    EXPECT_EQ(PageName(window.pages[0]), "CFreqPage3");
}

TEST_F(MainSheet, WithoutFrequencyDataTheCpuidPageComesFirst) {
    processors.fill = [](std::int32_t, app::SystemRecord& r) { r.item3Flag = 0; };
    ui::CMainSheet& sheet = Sheet();
    ASSERT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(sheet.currentPage(), ui::kCpuidPage);
    EXPECT_EQ(window.log.back(), "activate 2");
}

TEST_F(MainSheet, CommandsOfTheMenus) {
    ui::CMainSheet& sheet = Sheet();
    ASSERT_TRUE(sheet.OnInitDialog());
    sheet.OnCommand(32778);
    EXPECT_EQ(sheet.currentPage(), ui::kTechnologiesPage);
    sheet.OnCommand(32820);
    sheet.OnCommand(16);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"about", "about"}));
    window.helpOpens = false;
    sheet.OnCommand(32780);
    EXPECT_EQ(window.log.back(), "help not opened");

    fake::SetFileTypeClass(".htm", std::string("htmlfile"));
    fake::SetOpenCommand("htmlfile", std::string("\"/usr/bin/browser\" %1"));
    sheet.OnCommand(32856);
    EXPECT_EQ(
        fake::StartedCommandLines(),
        std::vector<std::string>{"\"/usr/bin/browser\" https://support.quarn.example/sondrel/freshness"});
    fake::FailProcessStart(true);
    sheet.OnCommand(32856);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kDocumentNotOpened});

    saveDialog.chosen = std::nullopt;
    sheet.OnCommand(32821);
    EXPECT_EQ(saveDialog.asked, 1);
    EXPECT_FALSE(sheet.ended());
    sheet.OnCommand(32771);
    EXPECT_EQ(window.ends, std::vector<int>{0});
}

TEST_F(MainSheet, PageThatFailsToFillEndsTheSheet) {
    window.activationResult = result::kUnexpectedFailure;
    ui::CMainSheet& sheet = Sheet();
    EXPECT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_EQ(sheet.result(), 0);
}

class UnattendedSheet : public MainSheet {
protected:
    void SetUp() override {
        MainSheet::SetUp();
        directory = std::filesystem::temp_directory_path() /
                    ("sondrel-sheet-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
    }
    void TearDown() override {
        std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(directory);
        MainSheet::TearDown();
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream input(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path directory;
};

TEST_F(UnattendedSheet, WritesTheReportAndEndsAtOnceOrAfterTheDelay) {
    const auto path = directory / "report.txt";
    ui::CMainSheet& sheet = Sheet({true, path.string(), 0});
    ASSERT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(window.ends, std::vector<int>{0});
    const std::string first = Read(path);
    EXPECT_EQ(first.rfind("Quarn(R) Sondrel\r\n", 0), 0u);
    EXPECT_NE(first.find("Current processor: #1\r\n"), std::string::npos);
    EXPECT_EQ(saveDialog.asked, 0);

    window = RecordingSheetWindow{};
    ui::CMainSheet& delayed = Sheet({true, path.string(), 10000});
    ASSERT_TRUE(delayed.OnInitDialog());
    EXPECT_TRUE(window.ends.empty());
    EXPECT_EQ(window.postedEndAfter, std::vector<std::int32_t>{10000});
    // The second report follows the first.
    EXPECT_EQ(Read(path).rfind(first, 0), 0u);
    EXPECT_GT(Read(path).size(), first.size());
    delayed.OnCommand(0x464);
    EXPECT_EQ(window.ends, std::vector<int>{0});
}

TEST_F(UnattendedSheet, ReadOnlyReportFileIsLeftAloneAndReported) {
    const auto path = directory / "report.txt";
    std::ofstream(path) << "kept\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    ui::CMainSheet& sheet = Sheet({true, path.string(), 0});
    ASSERT_TRUE(sheet.OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kReportReadOnly});
    EXPECT_EQ(Read(path), "kept\n");
    EXPECT_EQ(window.ends, std::vector<int>{0});

    errors.codes.clear();
    window = RecordingSheetWindow{};
    ASSERT_TRUE(Sheet({true, (directory / "missing" / "r.txt").string(), 0}).OnInitDialog());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
}

}  // namespace
