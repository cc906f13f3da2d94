#include "program_dialogs.h"

#include "message_boxes.h"
#include "sondrel/ui/about_dialog.h"
#include "sondrel/ui/cpuid_page.h"
#include "sondrel/ui/freq_pages.h"
#include "sondrel/ui/license_dialog.h"
#include "sondrel/ui/tech_page.h"

namespace sondrel::program {

ui::SheetPages MakeSheetPages(ui::PageContext context) {
    return {std::make_unique<ui::CFreqPage3>(context), std::make_unique<ui::CFreqPage2>(context),
            std::make_unique<ui::CFreqPage>(context), std::make_unique<ui::CTechPage>(context),
            std::make_unique<ui::CCPUIDPage>(context)};
}

void PrepareRunner(ui::qt::QtDialogRunner& runner) {
    runner.SetAnswersWithoutDisplay(!BoxesCanBeShown());
}

ResultCode ProgramDialogs::CheckFreshness(bool& stale) {
    freshness_ = std::make_unique<ui::CFreshnessDialog>(language_, errors_, settings_);
    return ui::ShouldShowFreshness(*freshness_, stale);
}

bool ProgramDialogs::RunFreshnessDialog() {
    if (freshness_ == nullptr) {
        freshness_ = std::make_unique<ui::CFreshnessDialog>(language_, errors_, settings_);
    }
    runner_.RunModal(*freshness_);
    return freshness_->ErrorFlag();
}

bool ProgramDialogs::RunFutureProcessorDialog() {
    ui::CFutureProcessorDialog dialog(language_, errors_, settings_);
    runner_.RunModal(dialog);
    return dialog.ErrorFlag();
}

void ProgramDialogs::RunAboutDialog() {
    ui::CAboutDlg dialog(language_, errors_);
    runner_.RunModal(dialog);
}

bool RunAgreementDialog(const ui::LanguageText& language, ui::ErrorReporter& errors) {
    ui::qt::QtDialogRunner runner(language, &errors);
    PrepareRunner(runner);
    ui::CLicenseDialog dialog(language, errors);
    return runner.RunModal(dialog) == ui::kAccepted;
}

}  // namespace sondrel::program
