// The splash shown while the start-up collection runs. No key ends it; the
// program closes it when the collection is done.
#pragma once

#include "sondrel/ui/dialog.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

class CSplashDialog : public DialogLogic {
public:
    explicit CSplashDialog(const LanguageText& language) : language_(language) {}

    std::int32_t TemplateId() const override;
    void OnInitDialog(ControlSurface& surface) override;
    void OnClick(ControlSurface& /*surface*/, ControlId /*id*/) override {}
    // Escape and the window's close button do nothing.
    void OnCancel(ControlSurface& /*surface*/) override {}
    bool AllowsKeyboardEnd() const override { return false; }

    // The program's close: ends the splash with 1. Does nothing when the
    // splash is not shown (any more).
    void Close();

private:
    const LanguageText& language_;
    ControlSurface* shown_ = nullptr;
};

}  // namespace sondrel::ui
