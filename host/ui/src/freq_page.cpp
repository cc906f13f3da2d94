// The first frequency page: one reported column, and a second one for
// multi-core processors.
#include <array>

#include "freq_page_rules.h"
#include "sondrel/ui/freq_page_ids.h"
#include "sondrel/ui/freq_pages.h"

namespace sondrel::ui {

namespace {

namespace id = freq_control;
namespace text = freq_string;
using freq_rules::IsFamily6Among;

constexpr std::int32_t kTwoCores = 2;

constexpr auto kControls = std::to_array<ControlId>(
    {id::kCollecting,        id::kAdvisoryMark,    id::kAdvisoryText,   id::kAdvisoryLink,
     id::kPageTitle,         id::kMakerLogo,       id::kProcessorName,  id::kProcessorLogo,
     id::kExpectedHeader,    id::kReportedHeader,  id::kProcessorLabel, id::kExpectedProcessor,
     id::kReportedProcessor, id::kBusLabel,        id::kExpectedBus,    id::kReportedBus,
     id::kCacheLabel,        id::kReportedCache,   id::kStatusText,     id::kNote,
     id::kHeader2,           id::kProcessor2,      id::kBus2,           id::kCache2Column,
     id::kFutureMessage,     id::kUnnumberedStatic});

constexpr auto kShown = std::to_array<ControlId>(
    {id::kPageTitle, id::kMakerLogo, id::kProcessorName, id::kProcessorLogo, id::kExpectedHeader,
     id::kReportedHeader, id::kProcessorLabel, id::kExpectedProcessor, id::kReportedProcessor, id::kBusLabel,
     id::kExpectedBus, id::kReportedBus, id::kCacheLabel, id::kReportedCache, id::kStatusText, id::kNote});
constexpr std::array<ControlId, 4> kHidden = {id::kCollecting, id::kAdvisoryMark, id::kAdvisoryText,
                                              id::kAdvisoryLink};
constexpr std::array<ControlId, 4> kSecondColumn = {id::kHeader2, id::kProcessor2, id::kBus2,
                                                    id::kCache2Column};

constexpr std::array<ControlString, 8> kTooltips = {{{id::kExpectedHeader, text::kTipExpected},
                                                     {id::kReportedHeader, text::kTipReported},
                                                     {id::kHeader2, text::kTipReported},
                                                     {id::kProcessorLabel, text::kTipProcessor},
                                                     {id::kBusLabel, text::kTipBus},
                                                     {id::kCacheLabel, text::kTipCache},
                                                     {id::kMakerLogo, text::kTipMakerLogo},
                                                     {id::kAdvisoryText, text::kTipAdvisory}}};

constexpr std::array<ControlId, 2> kProcessorCells = {id::kReportedProcessor, id::kProcessor2};
constexpr std::array<ControlId, 2> kBusCells = {id::kReportedBus, id::kBus2};
constexpr std::array<ControlId, 2> kCacheCells = {id::kReportedCache, id::kCache2Column};
constexpr std::array<ControlId, 2> kExpectedCells = {id::kExpectedProcessor, id::kExpectedBus};

}  // namespace

std::int32_t CFreqPage::TemplateId() const {
    return freq_template::kFreqPage;
}

std::span<const ControlId> CFreqPage::PageControls() const {
    return kControls;
}

std::span<const ControlString> CFreqPage::Tooltips() const {
    return kTooltips;
}

ValueCells CFreqPage::Cells() const {
    return {kProcessorCells, kBusCells, kCacheCells, kExpectedCells};
}

bool CFreqPage::ShowsTurboNote() const {
    return context_.record.moduleNumber == freq_rules::kModule10 &&
           IsFamily6Among(context_.record, freq_rules::kTurboNoteFirstPage);
}

void CFreqPage::FillLabels(ControlSurface& surface) {
    const app::SystemRecord& record = context_.record;
    SetVisible(surface, kHidden, false);
    SetVisible(surface, kShown, true);
    SetVisible(surface, kSecondColumn,
               record.multiCore == 1 && !IsFamily6Among(record, freq_rules::kSecondColumnHidden));
    surface.Hide(id::kFutureMessage);

    if (record.multiCore == 1 && record.coresPerPackage == kTwoCores &&
        !IsFamily6Among(record, freq_rules::kSingleLineHeaders)) {
        surface.SetText(id::kReportedHeader, Header(text::kReported, text::kCore1));
        surface.SetText(id::kHeader2, Header(text::kReported, text::kCore2));
    } else {
        surface.SetText(id::kReportedHeader, Label(text::kReported));
        // Not two-line: the second column, where shown, is headed alike.
        surface.SetText(id::kHeader2, Label(text::kReported));
    }
    surface.SetText(id::kProcessorLabel, Label(text::kProcessorFrequency));
    if (HasExpectedValues()) {
        surface.SetText(id::kExpectedHeader, Label(text::kExpected));
    } else {
        SetVisible(surface, std::array{id::kExpectedHeader, id::kExpectedProcessor, id::kExpectedBus}, false);
    }
    const bool referenceClock = IsFamily6Among(record, freq_rules::kReferenceClockModels) ||
                                (record.productCode == freq_rules::kReferenceClockProduct &&
                                 record.extendedModel >= freq_rules::kReferenceClockFromExtendedModel);
    surface.SetText(id::kBusLabel, Label(referenceClock ? text::kReferenceClock : text::kSystemBus));
    surface.SetText(id::kCacheLabel, Label(freq_rules::HasL3(record) ? text::kL3Cache : text::kL2Cache));
    if (record.item13Flag == 1) {
        surface.SetText(id::kNote, Label(text::kNote));
    }
}

void CFreqPage::WriteValues(ControlSurface& surface) {
    app::SystemRecord& record = context_.record;
    const TextPair processor = ProcessorPair();
    const TextPair bus = BusPair();
    std::string cache;
    if (!freq_rules::HasL3(record) && IsFamily6Among(record, freq_rules::kTwoCoreModels)) {
        record.coresPerPackage = kTwoCores;
        cache = CacheFigure(true);
    } else {
        cache = CacheFigure(false);
    }
    if (TruncateToInteger(record.reportedCpuMHz) <= 0 || TruncateToInteger(record.reportedBusMHz) <= 0) {
        Fail();
    }
    SetValue(surface, id::kReportedProcessor, processor.reported);
    SetValue(surface, id::kReportedBus, bus.reported);
    SetValue(surface, id::kReportedCache, cache);

    if (IsFamily6Among(record, freq_rules::kSecondColumnValuesHidden)) {
        SetVisible(surface, std::array{id::kProcessor2, id::kBus2, id::kCache2Column}, false);
    } else if (record.multiCore == 1) {
        SetValue(surface, id::kProcessor2, processor.reported);
        SetValue(surface, id::kBus2, bus.reported);
        SetValue(surface, id::kCache2Column, cache);
    } else if (record.disabledCores > 0) {
        surface.SetText(id::kProcessor2, Label(text::kDisabled));
        surface.SetEnabled(id::kProcessor2, false);
        SetVisible(surface, std::array{id::kBus2, id::kCache2Column}, false);
    }

    if (HasExpectedValues()) {
        if (TruncateToInteger(record.expectedCpuMHz) <= 0) {
            Fail();
        }
        SetValue(surface, id::kExpectedProcessor, processor.expected);
    } else {
        surface.Hide(id::kExpectedProcessor);
    }
    // The expected bus figure is never shown on this page.
    surface.Hide(id::kExpectedBus);
}

}  // namespace sondrel::ui
