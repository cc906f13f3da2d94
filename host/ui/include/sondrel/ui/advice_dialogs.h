// The freshness advice (this build is old) and the future-processor notice
// (the processor is newer than this build knows). Both are built from
// template 148; the sheet reads their error flag after they end and closes
// the program when it is set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sondrel/platform/system_time.h"
#include "sondrel/result_codes.h"
#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

// What the two dialogs share: the web-site and close buttons, cancel ending
// with 1, and the error flag.
class AdviceDialog : public DialogLogic {
public:
    // `settings` (may be null) holds the addresses the web-site button may use.
    AdviceDialog(const LanguageText& language, ErrorReporter& errors, const ProgramSettings* settings)
        : language_(language), errors_(errors), settings_(settings) {}

    std::int32_t TemplateId() const override;
    void OnCancel(ControlSurface& surface) override;
    void OnClick(ControlSurface& surface, ControlId id) override;

    bool ErrorFlag() const { return errorFlag_; }
    // Sets the flag; the first time also shows the error box for `code`.
    void ReportFailure(ResultCode code);
    // Sets the flag without a box (the caller reports the failure).
    void MarkFailed() { errorFlag_ = true; }

protected:
    // The captions of the check box and the two buttons.
    void WriteCaptions(ControlSurface& surface) const;
    // Ends the dialog with 0 and reports `code` once.
    void Fail(ControlSurface& surface, ResultCode code);
    virtual void OnCheckBoxClicked(ControlSurface& /*surface*/) {}

    const LanguageText& language_;
    ErrorReporter& errors_;

private:
    const ProgramSettings* settings_;
    bool errorFlag_ = false;
};

class CFreshnessDialog : public AdviceDialog {
public:
    using AdviceDialog::AdviceDialog;
    void OnInitDialog(ControlSurface& surface) override;

protected:
    // Ticked: "BODDlg" gets the build stamp; unticked: it is deleted.
    void OnCheckBoxClicked(ControlSurface& surface) override;
};

class CFutureProcessorDialog : public AdviceDialog {
public:
    using AdviceDialog::AdviceDialog;
    void OnInitDialog(ControlSurface& surface) override;
};

// ((Y - Y0) * 12 + M - M0) * 100 + D - D0 of build stamp YYYYMMDD and
// today; nullopt for a stamp that is not eight digits.
std::optional<int> BuildAge(std::string_view stamp, const platform::UtcTime& today);
// Advice is given from this age on.
inline constexpr int kFreshnessAgeLimit = 600;

// Whether to show the freshness advice for this build today (system clock,
// universal time): when the build is more than six months old and the
// program's settings do not hold this build's stamp in "BODDlg". Without
// the settings key there is no advice. Returns 0, or 0x80041F40 with the
// dialog's error flag set (without a box: the caller shows it).
ResultCode ShouldShowFreshness(CFreshnessDialog& dialog, bool& show);
// The same for a given stamp and day.
ResultCode ShouldShowFreshness(CFreshnessDialog& dialog, std::string_view stamp,
                               const platform::UtcTime& today, bool& show);

}  // namespace sondrel::ui
