// The frequency test result: three pages that show the processor and bus
// (or interconnect) figures the processor reported beside the ones it is
// rated for. The sheet keeps one of them (app::ChooseFrequencyPage).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "sondrel/ui/control_surface.h"
#include "sondrel/ui/frequency_text.h"
#include "sondrel/ui/result_page.h"
#include "sondrel/ui/static_transparent_bitmap.h"

namespace sondrel::ui {

// A control and the string it gets (a label or a tooltip).
struct ControlString {
    ControlId control;
    std::int32_t string;
};

// The cells a page paints: reported values are bold and blue, and on the
// first two pages turn red by the bits of frequencyExcess; expected values
// are bold.
struct ValueCells {
    std::span<const ControlId> processor;  // red with bit 0
    std::span<const ControlId> bus;        // red with bit 1
    std::span<const ControlId> blue;       // never red
    std::span<const ControlId> expected;
};

// What the three pages share: activation, the future-processor layout,
// the advisory, the status text, painting, tooltips and clicks.
class FrequencyPageBase : public ResultPage {
public:
    explicit FrequencyPageBase(PageContext context);

    std::int32_t CaptionStringId() const override;
    ResultCode Activate(ControlSurface& surface) final;
    // Gives the keyboard focus to the page title.
    void AfterActivation(ControlSurface& surface) override;
    // 1063 opens the frequency advisory, 1038 the maker's home page.
    void OnClick(ControlSurface& surface, ControlId id) override;

    // Whether the record holds figures the processor is rated for.
    bool HasExpectedValues() const;

protected:
    // Labels, headers and which rows and columns show; then the values.
    virtual void FillLabels(ControlSurface& surface) = 0;
    virtual void WriteValues(ControlSurface& surface) = 0;
    // Every control of the page's template that the page drives.
    virtual std::span<const ControlId> PageControls() const = 0;
    virtual std::span<const ControlString> Tooltips() const = 0;
    virtual ValueCells Cells() const = 0;
    // Whether the status text carries the note on frequencies above the
    // rated one (string 133).
    virtual bool ShowsTurboNote() const = 0;

    // Failures of FillLabels and WriteValues: the activation returns
    // 0x80041F40.
    [[noreturn]] static void Fail();

    // A label or header text; a missing string gives the empty text.
    std::string Label(std::int32_t id) const;
    // Two-line column header "%s\r%s".
    std::string Header(std::int32_t first, std::int32_t second) const;
    // The processor pair with the localized decimal point, and the bus
    // pair, of whole MHz.
    TextPair ProcessorPair() const;
    TextPair BusPair() const;
    // The cache figure: the L3 when there is one, else the L2, doubled
    // with `doubleL2`.
    std::string CacheFigure(bool doubleL2) const;
    // A value cell gets its text and is enabled (it may have been greyed
    // at an earlier activation).
    static void SetValue(ControlSurface& surface, ControlId id, const std::string& text);
    static void SetVisible(ControlSurface& surface, std::span<const ControlId> ids, bool visible);

private:
    void FillValues(ControlSurface& surface);
    void ShowFutureProcessorLayout(ControlSurface& surface);
    void ShowAdvisory(ControlSurface& surface);
    std::string StatusText() const;
    void SetUpTooltips(ControlSurface& surface);
    void Paint(ControlSurface& surface);

    CStaticTransparentBitmap makerLogo_;
    CStaticTransparentBitmap processorLogo_;
    CStaticTransparentBitmap advisoryMark_;
};

// One reported column, a second one for multi-core processors (template 113).
class CFreqPage : public FrequencyPageBase {
public:
    using FrequencyPageBase::FrequencyPageBase;
    std::int32_t TemplateId() const override;

protected:
    void FillLabels(ControlSurface& surface) override;
    void WriteValues(ControlSurface& surface) override;
    std::span<const ControlId> PageControls() const override;
    std::span<const ControlString> Tooltips() const override;
    ValueCells Cells() const override;
    bool ShowsTurboNote() const override;
};

// Four reported columns, one per core (template 444).
class CFreqPage2 : public FrequencyPageBase {
public:
    using FrequencyPageBase::FrequencyPageBase;
    std::int32_t TemplateId() const override;

protected:
    void FillLabels(ControlSurface& surface) override;
    void WriteValues(ControlSurface& surface) override;
    std::span<const ControlId> PageControls() const override;
    std::span<const ControlString> Tooltips() const override;
    ValueCells Cells() const override;
    bool ShowsTurboNote() const override;
};

// A table of five rows with the memory controller, the cache and the core
// and thread counts (template 467).
class CFreqPage3 : public FrequencyPageBase {
public:
    using FrequencyPageBase::FrequencyPageBase;
    std::int32_t TemplateId() const override;

protected:
    void FillLabels(ControlSurface& surface) override;
    void WriteValues(ControlSurface& surface) override;
    std::span<const ControlId> PageControls() const override;
    std::span<const ControlString> Tooltips() const override;
    ValueCells Cells() const override;
    bool ShowsTurboNote() const override;
};

}  // namespace sondrel::ui
