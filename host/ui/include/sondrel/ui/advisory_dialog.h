// The frequency advisory: what a figure above the rating means, opened from
// the link of the frequency pages (template 138).
#pragma once

#include <cstdint>

#include "sondrel/app/system_record.h"
#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

class CAdvisoryDialog : public DialogLogic {
public:
    CAdvisoryDialog(const app::SystemRecord& record, const LanguageText& language, ErrorReporter& errors)
        : record_(record), language_(language), errors_(errors) {}

    std::int32_t TemplateId() const override;
    // The advice for the record's frequencyExcess (1 to 3) and the support
    // advice; any other excess or a missing string ends the dialog with 0
    // and shows the error box, once for this dialog.
    void OnInitDialog(ControlSurface& surface) override;
    // The OK button ends the dialog with 1.
    void OnClick(ControlSurface& surface, ControlId id) override;

private:
    const app::SystemRecord& record_;
    const LanguageText& language_;
    ErrorReporter& errors_;
    bool errorShown_ = false;
};

}  // namespace sondrel::ui
