#include "sondrel/ui/main_sheet.h"

#include "sondrel/app/command_ids.h"
#include "sondrel/app/processor_menu.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/ui/sheet_ids.h"
#include "sondrel/ui/string_ids.h"

namespace sondrel::ui {

namespace {

namespace command = app::command_id;

constexpr std::size_t kWindowMenuTextLimit = 255;
constexpr std::int32_t kFutureProcessorCode = app::kProductNotHandled;

// The index among the five pages of each kept frequency page.
std::size_t PageIndex(app::FrequencyPage page) {
    switch (page) {
        case app::FrequencyPage::kFreqPage3:
            return 0;
        case app::FrequencyPage::kFreqPage2:
            return 1;
        case app::FrequencyPage::kFreqPage:
            return 2;
    }
    return 2;
}

// The View command that shows the page the indicator names.
std::int32_t ViewCommandFor(std::int32_t currentPage) {
    if (currentPage == kFrequencyPage) {
        return command::kViewFrequencyPage;
    }
    if (currentPage == kTechnologiesPage) {
        return command::kViewTechnologiesPage;
    }
    return command::kViewCpuidPage;
}

}  // namespace

CMainSheet::CMainSheet(SheetServices services, app::StartOptions options, const PageFactory& makePages)
    : services_(std::move(services)), options_(std::move(options)) {
    pages_ = makePages(PageContext{services_.record, services_.language, currentPage_, services_.errors,
                                   services_.dialogRunner, services_.settings});
}

void CMainSheet::Report(ResultCode code) {
    services_.errors.ShowErrorBox(code);
}

void CMainSheet::End(int result) {
    if (!result_) {
        result_ = result;
        services_.window.EndSheet(result);
    }
}

bool CMainSheet::EndedEarly(ResultCode shown, int result) {
    if (shown != result::kSuccess) {
        Report(shown);
    }
    End(result);
    return false;
}

bool CMainSheet::OnInitDialog() {
    const ResultCode environment = services_.checkEnvironment();
    if (environment != result::kSuccess) {
        return EndedEarly(environment, kSheetFailedAtStartUp);
    }
    SheetWindow& window = services_.window;
    try {
        // 1. The clock, and the program icon.
        const std::uint32_t start = window.TickCount();
        icon_ = services_.language.Picture(sheet_id::kProgramIcon);
        if (!icon_) {
            throw StartUpFailure{result::kLanguageUnavailable};
        }
        // 2. The splash; the collection runs on a worker while it is drawn.
        splashOpen_ = window.ShowSplash();
        if (!splashOpen_) {
            throw StartUpFailure{result::kUnexpectedFailure};
        }
        // 3. The broker session collects processor 1.
        const ResultCode collected =
            window.RunWhileDrawing([this] { return services_.processors.RunBrokerSession(); });
        // 4. The splash stays up for its minimum, unless the clock wrapped.
        const std::uint32_t now = window.TickCount();
        if (now >= start && now - start < kSplashMinimumMs) {
            window.Wait(kSplashMinimumMs - (now - start));
        }
        // 5. Closing the splash.
        splashOpen_ = false;
        if (!window.CloseSplash()) {
            return EndedEarly(result::kUnexpectedFailure, kSheetFailedAtStartUp);
        }
        // 6. Freshness advice.
        bool stale = false;
        const ResultCode freshness = services_.dialogs.CheckFreshness(stale);
        if (freshness != result::kSuccess) {
            return EndedEarly(freshness, kSheetFailedAtStartUp);
        }
        if (stale && services_.dialogs.RunFreshnessDialog()) {
            return EndedEarly(result::kSuccess, kSheetFailedAtStartUp);
        }
        // 7. The collection's result.
        if (collected != result::kSuccess) {
            return EndedEarly(collected, kSheetFailedAtStartUp);
        }
        // 8. Without frequency data the CPUID page comes first.
        currentPage_ = services_.record.item3Flag == 1 ? kFrequencyPage : kCpuidPage;
        // 9. A processor newer than the program knows.
        if (services_.record.productCode == kFutureProcessorCode &&
            services_.dialogs.RunFutureProcessorDialog()) {
            return EndedEarly(result::kSuccess, kSheetFailedAtStartUp);
        }
        // 10. The window has no OK, Cancel, Help or Apply buttons to hide.
        StartUpSteps();
    } catch (const StartUpFailure&) {
        // 15. One box for the whole start-up.
        End(kSheetEndedNormally);
        if (!errorShown_) {
            Report(result::kUnexpectedFailure);
            errorShown_ = true;
        }
        if (splashOpen_) {
            window.CloseSplash();
            splashOpen_ = false;
        }
    }
    // 16. The kept frequency page, and the page the indicator names.
    ChooseAndActivatePage();
    return true;
}

void CMainSheet::StartUpSteps() {
    SheetWindow& window = services_.window;
    // 11. The menu bar.
    const auto menu = BuildSheetMenu(services_.language, services_.state);
    if (!menu) {
        throw StartUpFailure{result::kUnexpectedFailure};
    }
    window.SetMenu(*menu);
    // 12. About in the window menu, when the language module names it.
    const std::string about =
        services_.language.StringOrEmpty(sheet_id::kWindowMenuAbout, kWindowMenuTextLimit);
    if (!about.empty()) {
        window.AddWindowMenuAbout(about);
    }
    // 13. The window's icons.
    const std::string& icon = *icon_;
    window.SetIcon(PictureBytes(reinterpret_cast<const std::uint8_t*>(icon.data()), icon.size()));
    // 14. An unattended run writes its report and ends, now or after the delay.
    if (options_.unattended) {
        UnattendedReport();
    }
}

void CMainSheet::UnattendedReport() {
    report::CSave save;
    const report::ReportTarget target{true, options_.reportPath, nullptr};
    save.WriteReport({services_.record, services_.state, services_.language}, target, services_.errors);
    if (options_.closingDelayMs <= 0) {
        End(kSheetEndedNormally);
    } else {
        services_.window.PostEndMessageAfter(options_.closingDelayMs);
    }
}

void CMainSheet::ChooseAndActivatePage() {
    keptFrequencyPage_ = app::ChooseFrequencyPage(services_.record);
    visible_ = {pages_[PageIndex(keptFrequencyPage_)].get(), pages_[3].get(), pages_[4].get()};
    services_.window.SetPages(visible_);
    if (!ended()) {
        View(ViewCommandFor(currentPage_));
    }
}

void CMainSheet::View(std::int32_t command) {
    std::int32_t page = kCpuidPage;
    if (command == command::kViewFrequencyPage) {
        page = kFrequencyPage;
    } else if (command == command::kViewTechnologiesPage) {
        page = kTechnologiesPage;
    }
    currentPage_ = page;
    const ResultCode activated = services_.window.ActivatePage(static_cast<std::size_t>(page));
    if (activated != result::kSuccess) {
        End(kSheetEndedNormally);
        Report(activated);
    }
}

void CMainSheet::SelectProcessor(std::int32_t processor) {
    using Kind = app::SwitchOutcome::Kind;
    if (processor > services_.state.processorsInSystem || processor < 1) {
        End(kSheetEndedNormally);
        Report(result::kUnexpectedFailure);
        return;
    }
    if (processor == services_.state.selectedProcessor) {
        return;
    }
    SheetWindow& window = services_.window;
    window.SetWaitCursor(true);
    const app::SwitchOutcome outcome = services_.processors.SwitchProcessor(processor);
    if (outcome.kind != Kind::kCollected) {
        window.SetWaitCursor(false);
        if (outcome.kind == Kind::kCollectionFailed) {
            Report(outcome.code);
            End(kSheetFailedAtStartUp);
        } else if (outcome.kind == Kind::kFailed) {
            End(kSheetEndedNormally);
            Report(result::kUnexpectedFailure);
        }
        return;
    }
    View(ViewCommandFor(currentPage_));
    window.Focus();
    window.SetWaitCursor(false);
    if (services_.record.productCode == kFutureProcessorCode &&
        services_.dialogs.RunFutureProcessorDialog()) {
        End(kSheetEndedNormally);
        Report(result::kUnexpectedFailure);
        return;
    }
    window.Redraw();
}

void CMainSheet::SaveReport() {
    report::CSave save;
    const report::ReportTarget target{false, {}, &services_.saveDialog};
    save.WriteReport({services_.record, services_.state, services_.language}, target, services_.errors);
}

void CMainSheet::OnCommand(std::int32_t command) {
    if (const auto processor = app::ProcessorForCommand(command)) {
        SelectProcessor(*processor);
        return;
    }
    switch (command) {
        case command::kExit:
        case command::kEndSheetMessage:
            End(kSheetEndedNormally);
            break;
        case command::kSaveReport:
            SaveReport();
            break;
        case command::kViewFrequencyPage:
        case command::kViewTechnologiesPage:
        case command::kViewCpuidPage:
            View(command);
            break;
        case command::kHelpContents:
            if (!services_.window.OpenHelpContents()) {
                services_.window.ShowHelpNotOpened();
            }
            break;
        case command::kOpenWebPage:
            OpenWebPage(
                false, services_.language.StringOrEmpty(string_id::kSupportArticleAddress, kCommandLineLimit),
                services_.settings, services_.errors);
            break;
        case command::kAbout:
        case command::kSystemAbout:
            services_.dialogs.RunAboutDialog();
            break;
        default:
            break;
    }
}

}  // namespace sondrel::ui
