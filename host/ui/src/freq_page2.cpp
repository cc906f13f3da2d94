// The second frequency page: four reported columns, one per core.
#include <array>

#include "freq_page_rules.h"
#include "sondrel/ui/freq_page_ids.h"
#include "sondrel/ui/freq_pages.h"

namespace sondrel::ui {

namespace {

namespace id = freq_control;
namespace text = freq_string;

constexpr auto kShown = std::to_array<ControlId>({id::kPageTitle,
                                                  id::kMakerLogo,
                                                  id::kProcessorName,
                                                  id::kProcessorLogo,
                                                  id::kExpectedHeader,
                                                  id::kReportedHeader,
                                                  id::kProcessorLabel,
                                                  id::kExpectedProcessor,
                                                  id::kReportedProcessor,
                                                  id::kBusLabel,
                                                  id::kExpectedBus,
                                                  id::kReportedBus,
                                                  id::kCacheLabel,
                                                  id::kCache2,
                                                  id::kStatusText,
                                                  id::kNote,
                                                  id::kHeader2,
                                                  id::kProcessor2,
                                                  id::kBus2,
                                                  id::kHeader3,
                                                  id::kProcessor3,
                                                  id::kBus3,
                                                  id::kHeader4,
                                                  id::kProcessor4,
                                                  id::kBus4});
constexpr std::array<ControlId, 5> kHidden = {id::kCollecting, id::kAdvisoryMark, id::kAdvisoryText,
                                              id::kAdvisoryLink, id::kFutureMessage};

constexpr auto kControls = [] {
    std::array<ControlId, kShown.size() + kHidden.size() + 1> all{};
    std::size_t next = 0;
    for (const ControlId control : kShown) {
        all[next++] = control;
    }
    for (const ControlId control : kHidden) {
        all[next++] = control;
    }
    all[next] = id::kUnnumberedStatic;
    return all;
}();

// Column headers: "Reported" over the core of each column.
constexpr std::array<ControlString, 4> kHeaders = {{{id::kReportedHeader, text::kCore1},
                                                    {id::kHeader2, text::kCore2},
                                                    {id::kHeader3, text::kCore3},
                                                    {id::kHeader4, text::kCore4}}};

// The three further columns.
constexpr std::array<ControlId, 3> kFurtherProcessorCells = {id::kProcessor2, id::kProcessor3,
                                                             id::kProcessor4};
constexpr std::array<ControlId, 3> kFurtherBusCells = {id::kBus2, id::kBus3, id::kBus4};

constexpr std::array<ControlString, 10> kTooltips = {{{id::kExpectedHeader, text::kTipExpected},
                                                      {id::kReportedHeader, text::kTipReported},
                                                      {id::kHeader2, text::kTipReported},
                                                      {id::kHeader4, text::kTipReported},
                                                      {id::kHeader3, text::kTipReported},
                                                      {id::kProcessorLabel, text::kTipProcessor},
                                                      {id::kBusLabel, text::kTipBus},
                                                      {id::kCacheLabel, text::kTipCache},
                                                      {id::kMakerLogo, text::kTipMakerLogo},
                                                      {id::kAdvisoryText, text::kTipAdvisory}}};

constexpr std::array<ControlId, 4> kProcessorCells = {id::kReportedProcessor, id::kProcessor2,
                                                      id::kProcessor3, id::kProcessor4};
constexpr std::array<ControlId, 4> kBusCells = {id::kReportedBus, id::kBus2, id::kBus3, id::kBus4};
constexpr std::array<ControlId, 3> kExpectedCells = {id::kExpectedProcessor, id::kExpectedBus, id::kCache2};

}  // namespace

std::int32_t CFreqPage2::TemplateId() const {
    return freq_template::kFreqPage2;
}

std::span<const ControlId> CFreqPage2::PageControls() const {
    return kControls;
}

std::span<const ControlString> CFreqPage2::Tooltips() const {
    return kTooltips;
}

ValueCells CFreqPage2::Cells() const {
    return {kProcessorCells, kBusCells, {}, kExpectedCells};
}

bool CFreqPage2::ShowsTurboNote() const {
    return false;
}

void CFreqPage2::FillLabels(ControlSurface& surface) {
    const app::SystemRecord& record = context_.record;
    SetVisible(surface, kHidden, false);
    SetVisible(surface, kShown, true);
    for (const ControlString& header : kHeaders) {
        surface.SetText(header.control, Header(text::kReported, header.string));
    }
    surface.SetText(id::kProcessorLabel, Label(text::kProcessorFrequency));
    if (HasExpectedValues()) {
        surface.SetText(id::kExpectedHeader, Label(text::kExpected));
    } else {
        SetVisible(surface,
                   std::array{id::kExpectedHeader, id::kExpectedProcessor, id::kExpectedBus, id::kCache2,
                              id::kCacheLabel},
                   false);
    }
    surface.SetText(id::kBusLabel, Label(text::kSystemBus));
    surface.SetText(id::kCacheLabel, Label(freq_rules::HasL3(record) ? text::kL3Cache : text::kL2Cache));
    if (record.item13Flag == 1) {
        surface.SetText(id::kNote, Label(text::kNote));
    }
}

void CFreqPage2::WriteValues(ControlSurface& surface) {
    const app::SystemRecord& record = context_.record;
    const TextPair processor = ProcessorPair();
    const TextPair bus = BusPair();
    const bool allCoresActive = record.multiCoreEnabled == 1 && record.disabledCores == 0;
    const std::string cache = CacheFigure(allCoresActive);
    if (TruncateToInteger(record.reportedCpuMHz) <= 0 || TruncateToInteger(record.reportedBusMHz) <= 0) {
        Fail();
    }
    SetValue(surface, id::kCache2, cache);
    SetValue(surface, id::kReportedProcessor, processor.reported);
    SetValue(surface, id::kReportedBus, bus.reported);

    if (record.multiCoreEnabled != 0 && record.disabledCores <= 0) {
        for (const ControlId control : kFurtherProcessorCells) {
            SetValue(surface, control, processor.reported);
        }
        for (const ControlId control : kFurtherBusCells) {
            SetValue(surface, control, bus.reported);
        }
    } else {
        for (const ControlId control : kFurtherProcessorCells) {
            surface.SetText(control, Label(text::kDisabled));
            surface.SetEnabled(control, false);
        }
        SetVisible(surface, kFurtherBusCells, false);
    }

    if (HasExpectedValues()) {
        if (TruncateToInteger(record.expectedCpuMHz) <= 0 || TruncateToInteger(record.expectedBusMHz) <= 0) {
            Fail();
        }
        SetValue(surface, id::kExpectedProcessor, processor.expected);
        SetValue(surface, id::kExpectedBus, bus.expected);
    } else {
        SetVisible(surface, std::array{id::kExpectedProcessor, id::kExpectedBus}, false);
    }
}

}  // namespace sondrel::ui
