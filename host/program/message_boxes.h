// Boxes that wait for a person. Without a display (Qt's offscreen
// platform) nobody can answer them: their text goes to standard error and
// they take their default answer.
#pragma once

#include <QWidget>

#include "sondrel/ui/error_box.h"
#include "sondrel/ui/qt/message_box_error_reporter.h"

namespace sondrel::program {

// True when boxes can be shown to a person: a display is there, or a test
// that answers them said so.
bool BoxesCanBeShown();
void AssumePersonPresent(bool present);

void ShowBox(QWidget* owner, const ui::ErrorBoxDescription& box);

// The error report box of the program, remembering that it showed one.
class QtErrorReporter : public ui::ErrorReporter {
public:
    explicit QtErrorReporter(const ui::LanguageText* language) : boxes_(language) {}
    void ShowErrorBox(ResultCode code) override;
    bool shown() const { return shown_; }

private:
    ui::qt::MessageBoxErrorReporter boxes_;
    bool shown_ = false;
};

}  // namespace sondrel::program
