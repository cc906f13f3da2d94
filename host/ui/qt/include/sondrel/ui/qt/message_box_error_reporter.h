// The error report box as a message box owned by the active window. Without
// a display its caption and text go to standard error instead, and the box
// counts as answered with its only button.
#pragma once

#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui::qt {

class MessageBoxErrorReporter : public ErrorReporter {
public:
    // `language` is null while no language module is loaded.
    explicit MessageBoxErrorReporter(const LanguageText* language) : language_(language) {}
    void SetLanguage(const LanguageText* language) { language_ = language; }

    void ShowErrorBox(ResultCode code) override;

private:
    const LanguageText* language_;
};

// How the box reads on standard error: "<caption>: <text>" and a line feed.
std::string ErrorBoxLine(const ErrorBoxDescription& box);

}  // namespace sondrel::ui::qt
