// The auxiliary dialogs as the program opens them, and the pages of the
// sheet.
#pragma once

#include "sondrel/ui/advice_dialogs.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/main_sheet.h"
#include "sondrel/ui/qt/dialog_runner.h"

namespace sondrel::program {

class ProgramDialogs : public ui::SheetDialogs {
public:
    ProgramDialogs(const ui::LanguageText& language, ui::ErrorReporter& errors, ui::DialogRunner& runner,
                   const ui::ProgramSettings* settings)
        : language_(language), errors_(errors), runner_(runner), settings_(settings) {}
    ResultCode CheckFreshness(bool& stale) override;
    bool RunFreshnessDialog() override;
    bool RunFutureProcessorDialog() override;
    void RunAboutDialog() override;

private:
    const ui::LanguageText& language_;
    ui::ErrorReporter& errors_;
    ui::DialogRunner& runner_;
    const ui::ProgramSettings* settings_;
    std::unique_ptr<ui::CFreshnessDialog> freshness_;
};

// The agreement; true when it was accepted.
bool RunAgreementDialog(const ui::LanguageText& language, ui::ErrorReporter& errors);

// A dialog runner that answers for the person only where nobody can see.
void PrepareRunner(ui::qt::QtDialogRunner& runner);

// The five pages in the sheet's order.
ui::SheetPages MakeSheetPages(ui::PageContext context);

}  // namespace sondrel::program
