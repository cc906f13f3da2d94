// The result pages of the main sheet (frequency, technologies, CPUID):
// logic over the surface built from the page's template, rendering only
// from the system record.
#pragma once

#include <cstdint>

#include "sondrel/app/system_record.h"
#include "sondrel/result_codes.h"
#include "sondrel/ui/control_surface.h"
#include "sondrel/ui/dialog.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

// Values of the sheet's current-page indicator.
enum CurrentPage : std::int32_t { kFrequencyPage = 0, kTechnologiesPage = 1, kCpuidPage = 2 };

// What a page works with; everything outlives the page.
struct PageContext {
    app::SystemRecord& record;
    const LanguageText& language;
    std::int32_t& currentPage;        // the sheet's current-page indicator
    ErrorReporter& errors;            // the error report box
    DialogRunner& dialogs;            // the advisory dialogs a page opens
    const ProgramSettings* settings;  // the addresses OpenWebPage reads; may be null
};

class ResultPage : public ControlEvents {
public:
    explicit ResultPage(PageContext context) : context_(context) {}

    virtual std::int32_t TemplateId() const = 0;
    virtual std::int32_t CaptionStringId() const = 0;

    // The page became the active page: redraw, indicator, texts, tooltips,
    // painting. Returns 0, or 0x80041F40 when filling the page failed (the
    // sheet then ends and reports it).
    virtual ResultCode Activate(ControlSurface& surface) = 0;
    // Runs after the activation has finished and the window has processed
    // its pending events (the frequency pages move the focus here).
    virtual void AfterActivation(ControlSurface& /*surface*/) {}

protected:
    PageContext context_;
};

}  // namespace sondrel::ui
