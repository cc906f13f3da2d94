// Modal dialogs in Qt: a QDialog around the surface built from the dialog's
// template. The dialog logic fills the surface before it is shown and ends
// it through the surface.
#pragma once

#include <QWidget>
#include <functional>

#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui::qt {

class TemplateSurface;

class QtDialogRunner : public DialogRunner {
public:
    // `errors` (may be null) hears of a dialog whose template is missing.
    QtDialogRunner(const LanguageText& language, ErrorReporter* errors);

    // The owner of the dialogs; by default the active window.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Called with each dialog's surface once the logic has filled it and
    // before it waits for a person (tests and screenshots look at it here).
    void SetShownHook(std::function<void(TemplateSurface&)> hook) { shownHook_ = std::move(hook); }
    // Whether a dialog is answered for the person where nobody can see it
    // (the default); tests of the window's own keys turn it off.
    void SetAnswersWithoutDisplay(bool answers) { answersWithoutDisplay_ = answers; }

    // The result the dialog ended with. A missing template reports
    // 0x80041F40 and gives 0. Without a display, a dialog that a person may
    // end prints its texts to standard error and is answered as Escape
    // would answer it; one that a person may not end (the splash) runs
    // until the program ends it.
    int RunModal(DialogLogic& dialog) override;

private:
    const LanguageText& language_;
    ErrorReporter* errors_;
    QWidget* owner_ = nullptr;
    std::function<void(TemplateSurface&)> shownHook_;
    bool answersWithoutDisplay_ = true;
};

// The texts a dialog shows, as they go to standard error without a display:
// the title, then each visible text of the controls on a line of its own.
std::string DescribeDialog(const TemplateSurface& surface, const QWidget& window);

}  // namespace sondrel::ui::qt
