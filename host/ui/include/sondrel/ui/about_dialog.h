// The about box: version with build stamp, description, OK.
#pragma once

#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

class CAboutDlg : public DialogLogic {
public:
    CAboutDlg(const LanguageText& language, ErrorReporter& errors) : language_(language), errors_(errors) {}

    std::int32_t TemplateId() const override;
    void OnInitDialog(ControlSurface& surface) override;
    void OnClick(ControlSurface& surface, ControlId id) override;

private:
    const LanguageText& language_;
    ErrorReporter& errors_;
};

// "<string 437> 5.80.<build stamp>", cut to 259 characters.
std::string AboutVersionText(const LanguageText& language, const std::string& stamp);

}  // namespace sondrel::ui
