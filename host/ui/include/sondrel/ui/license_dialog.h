// The agreement that must be accepted before anything else: strings 304
// onwards, ended early by a part of three characters or fewer.
#pragma once

#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

// Results: the program goes on only with kAccepted.
inline constexpr int kDeclined = 0;
inline constexpr int kAccepted = 1;

// The agreement text: string 304, then 305, 306 ... up to 333, ending
// before the first part of three characters or fewer (characters, not
// bytes, of UTF-8 text). A missing string throws DialogFailure.
std::string AgreementText(const LanguageText& language);

class CLicenseDialog : public DialogLogic {
public:
    CLicenseDialog(const LanguageText& language, ErrorReporter& errors)
        : language_(language), errors_(errors) {}

    std::int32_t TemplateId() const override;
    void OnInitDialog(ControlSurface& surface) override;
    void OnClick(ControlSurface& surface, ControlId id) override;

private:
    const LanguageText& language_;
    ErrorReporter& errors_;
};

}  // namespace sondrel::ui
