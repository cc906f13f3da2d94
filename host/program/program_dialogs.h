// The auxiliary dialogs as the program opens them, and the pages of the
// sheet.
#pragma once

#include <QWidget>

#include "sondrel/ui/main_sheet.h"

namespace sondrel::program {

class ProgramDialogs : public ui::SheetDialogs {
public:
    ProgramDialogs(const ui::LanguageText& language, QWidget*& owner) : language_(language), owner_(owner) {}
    ResultCode CheckFreshness(bool& stale) override;
    bool RunFreshnessDialog() override;
    bool RunFutureProcessorDialog() override;
    void RunAboutDialog() override;

private:
    const ui::LanguageText& language_;
    QWidget*& owner_;
};

// The agreement; true when it was accepted. Without a display it is
// declined.
bool RunAgreementDialog(const ui::LanguageText& language);

// Runs a dialog's logic on a surface built from its template.
class QtDialogRunner : public ui::DialogRunner {
public:
    explicit QtDialogRunner(const ui::LanguageText& language) : language_(language) {}
    int RunModal(ui::DialogLogic& dialog) override;

private:
    const ui::LanguageText& language_;
};

// The five pages in the sheet's order.
ui::SheetPages MakeSheetPages(ui::PageContext context);

}  // namespace sondrel::program
