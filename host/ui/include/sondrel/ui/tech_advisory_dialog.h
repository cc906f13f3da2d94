// The technology advisory: what the answers of the technologies page mean.
#pragma once

#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

class CTechAdvisoryDialog : public DialogLogic {
public:
    CTechAdvisoryDialog(const LanguageText& language, ErrorReporter& errors)
        : language_(language), errors_(errors) {}

    std::int32_t TemplateId() const override;
    // The advisory's paragraphs into the text control. A missing paragraph
    // ends the dialog with 0 and shows the error box, once per dialog.
    void OnInitDialog(ControlSurface& surface) override;
    // OK ends the dialog with 1.
    void OnClick(ControlSurface& surface, ControlId id) override;

private:
    const LanguageText& language_;
    ErrorReporter& errors_;
    bool errorShown_ = false;
};

}  // namespace sondrel::ui
