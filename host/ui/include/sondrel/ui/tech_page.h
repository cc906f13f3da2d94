// The technologies page: whether the processor supports each of the maker's
// technologies and instruction-set extensions, with a button to the
// technology advisory.
#pragma once

#include "sondrel/ui/result_page.h"
#include "sondrel/ui/static_transparent_bitmap.h"

namespace sondrel::ui {

class CTechPage : public ResultPage {
public:
    explicit CTechPage(PageContext context);

    std::int32_t TemplateId() const override;
    std::int32_t CaptionStringId() const override;
    ResultCode Activate(ControlSurface& surface) override;
    // 1262 opens the technology advisory modally, 1038 the maker's home page.
    void OnClick(ControlSurface& surface, ControlId id) override;

protected:
    // Both throw on failure; Activate turns that into 0x80041F40.
    virtual void FillValues(ControlSurface& surface);
    virtual void FillLabels(ControlSurface& surface);

private:
    void SetUpTooltips(ControlSurface& surface) const;
    void Paint(ControlSurface& surface) const;

    CStaticTransparentBitmap logo_;
};

}  // namespace sondrel::ui
