// CMainSheet: the program's main window as logic. It checks the system,
// runs the start-up collection behind the splash, keeps one of the three
// frequency pages, builds the menus and answers their commands. What it
// draws goes through SheetWindow (the Qt window, or a recording in tests).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "sondrel/app/broker_session.h"
#include "sondrel/app/command_line.h"
#include "sondrel/app/frequency_page.h"
#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/report/save.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"
#include "sondrel/ui/result_page.h"
#include "sondrel/ui/sheet_menu.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

// Results the sheet ends with.
inline constexpr int kSheetEndedNormally = 0;
inline constexpr int kSheetFailedAtStartUp = 1;

// The splash stays up at least this long.
inline constexpr std::uint32_t kSplashMinimumMs = 3000;

// The visible pages, in tab order.
inline constexpr std::size_t kVisiblePageCount = 3;

class SheetWindow {
public:
    virtual ~SheetWindow() = default;

    // Shows the splash without waiting for it; false when it could not be shown.
    virtual bool ShowSplash() = 0;
    // Runs `work` on a worker thread; the window keeps drawing (the splash)
    // until it returns. The result is `work`'s.
    virtual ResultCode RunWhileDrawing(const std::function<ResultCode()>& work) = 0;
    // Waits, still drawing.
    virtual void Wait(std::uint32_t milliseconds) = 0;
    // Closes the splash; false when it was not showing.
    virtual bool CloseSplash() = 0;
    // Milliseconds of a monotonic clock that may wrap round.
    virtual std::uint32_t TickCount() = 0;

    // The pages the sheet shows, as tabs in this order.
    virtual void SetPages(const std::array<ResultPage*, kVisiblePageCount>& pages) = 0;
    // Makes tab `index` current and has its page activate on its surface;
    // the page's result.
    virtual ResultCode ActivatePage(std::size_t index) = 0;
    virtual void SetMenu(const SheetMenu& menu) = 0;
    // The About item of the window's own menu (the desktop's nearest thing
    // to a system menu).
    virtual void AddWindowMenuAbout(const std::string& text) = 0;
    virtual void SetIcon(PictureBytes icon) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    virtual void Focus() = 0;
    virtual void Redraw() = 0;
    // Ends the sheet with this result once control returns to the window.
    virtual void EndSheet(int result) = 0;
    // Sends the end message (0x464) to the sheet after this delay.
    virtual void PostEndMessageAfter(std::int32_t milliseconds) = 0;

    // The program's help at its table of contents; false when it could not
    // be opened, after which the window says so in its standard message.
    virtual bool OpenHelpContents() = 0;
    virtual void ShowHelpNotOpened() = 0;
};

// The auxiliary dialogs the sheet opens.
class SheetDialogs {
public:
    virtual ~SheetDialogs() = default;
    // Whether the build is old enough for the freshness advice; 0 or a code.
    virtual ResultCode CheckFreshness(bool& stale) = 0;
    // Each returns the dialog's error flag after it ended.
    virtual bool RunFreshnessDialog() = 0;
    virtual bool RunFutureProcessorDialog() = 0;
    virtual void RunAboutDialog() = 0;
};

// Where the processor data comes from: the broker.
class ProcessorSource {
public:
    virtual ~ProcessorSource() = default;
    virtual ResultCode RunBrokerSession() = 0;
    virtual app::SwitchOutcome SwitchProcessor(std::int32_t processor) = 0;
};

// The broker's connection as a processor source.
class BrokerProcessorSource : public ProcessorSource {
public:
    BrokerProcessorSource(app::MainSheetState& sheet, app::SystemRecord& record)
        : connection_(sheet, record) {}
    ResultCode RunBrokerSession() override { return connection_.RunBrokerSession(); }
    app::SwitchOutcome SwitchProcessor(std::int32_t processor) override {
        return connection_.SwitchProcessor(processor);
    }

private:
    app::BrokerConnection connection_;
};

// The five pages in the order the sheet adds them: CFreqPage3, CFreqPage2,
// CFreqPage, CTechPage, CCPUIDPage.
inline constexpr std::size_t kPageCount = 5;
using SheetPages = std::array<std::unique_ptr<ResultPage>, kPageCount>;
using PageFactory = std::function<SheetPages(PageContext context)>;

// Whatever the sheet works with; everything outlives the sheet.
struct SheetServices {
    SheetWindow& window;
    SheetDialogs& dialogs;
    DialogRunner& dialogRunner;  // for the pages' own dialogs
    ErrorReporter& errors;
    report::SaveDialog& saveDialog;
    const LanguageText& language;
    const ProgramSettings* settings;
    app::SystemRecord& record;
    app::MainSheetState& state;
    ProcessorSource& processors;
    // Checks the system; 0 or the code to show. The program's check looks at
    // the volume of its own directory.
    std::function<ResultCode()> checkEnvironment;
};

class CMainSheet {
public:
    CMainSheet(SheetServices services, app::StartOptions options, const PageFactory& makePages);

    // The start-up sequence. False when the sheet ended before its pages
    // were set up (a failed check, or a failure between closing the splash
    // and the future-processor dialog).
    bool OnInitDialog();
    // Menu commands, the window-menu About (16) and the end message (0x464).
    void OnCommand(std::int32_t command);

    bool ended() const { return result_.has_value(); }
    int result() const { return result_.value_or(kSheetEndedNormally); }
    bool errorShown() const { return errorShown_; }
    std::int32_t currentPage() const { return currentPage_; }
    // The kept frequency page (valid after OnInitDialog returned true).
    app::FrequencyPage keptFrequencyPage() const { return keptFrequencyPage_; }
    const std::array<ResultPage*, kVisiblePageCount>& visiblePages() const { return visible_; }

private:
    struct StartUpFailure {
        ResultCode code;
    };

    bool EndedEarly(ResultCode shown, int result);
    void StartUpSteps();
    void UnattendedReport();
    void ChooseAndActivatePage();
    void View(std::int32_t command);
    void SelectProcessor(std::int32_t processor);
    void SaveReport();
    void End(int result);
    void Report(ResultCode code);

    SheetServices services_;
    app::StartOptions options_;
    std::int32_t currentPage_ = kFrequencyPage;
    SheetPages pages_;
    std::array<ResultPage*, kVisiblePageCount> visible_{};
    app::FrequencyPage keptFrequencyPage_ = app::FrequencyPage::kFreqPage;
    std::optional<std::string> icon_;
    bool errorShown_ = false;
    bool splashOpen_ = false;
    std::optional<int> result_;
};

}  // namespace sondrel::ui
