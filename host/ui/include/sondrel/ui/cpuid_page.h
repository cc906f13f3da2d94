// The CPUID page: how the processor identifies itself (name, signature,
// caches, packaging, two features and the integrated graphics), rendered
// from the system record.
#pragma once

#include <array>

#include "sondrel/ui/result_page.h"
#include "sondrel/ui/static_transparent_bitmap.h"

namespace sondrel::ui {

namespace cpuid_page {
// The graphics of code 23 on the generations of modules 9 to 11, by
// product code 104 and 105: names the program holds itself.
inline constexpr std::array<const char*, 2> kFixedGraphicsNames{"Quarn(R) Lumen(TM) Graphics 9-500",
                                                                "Quarn(R) Lumen(TM) Graphics 9-600"};
}  // namespace cpuid_page

class CCPUIDPage : public ResultPage {
public:
    explicit CCPUIDPage(PageContext context);

    std::int32_t TemplateId() const override;
    std::int32_t CaptionStringId() const override;
    ResultCode Activate(ControlSurface& surface) override;
    void OnClick(ControlSurface& surface, ControlId id) override;

protected:
    // Both throw on failure; Activate turns that into 0x80041F40.
    // Runs FillLabels, then writes every value.
    virtual void FillValues(ControlSurface& surface);
    // Writes every label and hides the rows that do not apply.
    virtual void FillLabels(ControlSurface& surface);

private:
    void SetUpTooltips(ControlSurface& surface) const;
    void Paint(ControlSurface& surface) const;

    CStaticTransparentBitmap logo_;
};

}  // namespace sondrel::ui
