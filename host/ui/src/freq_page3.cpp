// The third frequency page: a table of five rows in one of two layouts.
#include <array>
#include <string>

#include "freq_page_rules.h"
#include "sondrel/ui/freq_page_ids.h"
#include "sondrel/ui/freq_pages.h"

namespace sondrel::ui {

namespace {

namespace id = freq_control;
namespace text = freq_string;

constexpr std::size_t kRows = 5;

// What a cell of the table shows.
enum class Figure {
    kProcessor,
    kBus,
    kInterconnect,
    kMemoryController,
    kCache,
    kThreadsPerPackage,
    kCoresPerPackage,
    kPackageThreadCount2,
    kMaxCoreCount2,
    kNothing,  // the cell is hidden
};

// The row label 0 stands for the cache label, L2 or L3 by the record.
constexpr std::int32_t kCacheRowLabel = 0;

struct Row {
    std::int32_t label;
    std::int32_t tooltip;
    Figure reported;
    Figure expected;
};

using Layout = std::array<Row, kRows>;

// Layout A: processor, bus, cache, threads, cores.
constexpr Layout kLayoutA = {{
    {text::kRowProcessor, text::kTipRowProcessor, Figure::kProcessor, Figure::kProcessor},
    {text::kSystemBus, text::kTipBus, Figure::kBus, Figure::kBus},
    {kCacheRowLabel, text::kTipCache, Figure::kCache, Figure::kNothing},
    {text::kRowThreads, text::kRowThreads, Figure::kThreadsPerPackage, Figure::kPackageThreadCount2},
    {text::kRowCores, text::kTipCores, Figure::kCoresPerPackage, Figure::kMaxCoreCount2},
}};

// Layout B: processor, interconnect, memory controller, cache, cores.
constexpr Layout kLayoutB = {{
    {text::kRowProcessor, text::kTipRowProcessor, Figure::kProcessor, Figure::kProcessor},
    {text::kRowInterconnect, text::kTipInterconnect, Figure::kInterconnect, Figure::kInterconnect},
    {text::kRowMemoryController, text::kTipMemoryController, Figure::kMemoryController,
     Figure::kMemoryController},
    {kCacheRowLabel, text::kTipCache, Figure::kCache, Figure::kNothing},
    {text::kRowCores, text::kTipCores, Figure::kCoresPerPackage, Figure::kCoresPerPackage},
}};

// Tooltips besides the rows'.
constexpr std::array<ControlString, 4> kFixedTooltips = {{{id::kExpectedHeader, text::kTipExpectedTable},
                                                          {id::kReportedHeader, text::kTipReportedTable},
                                                          {id::kMakerLogo, text::kTipMakerLogo},
                                                          {id::kAdvisoryText, text::kTipAdvisory}}};

constexpr std::array<ControlString, kFixedTooltips.size() + kRows> TooltipsOf(const Layout& layout) {
    std::array<ControlString, kFixedTooltips.size() + kRows> tips{};
    std::size_t next = 0;
    for (const ControlString& tip : kFixedTooltips) {
        tips[next++] = tip;
    }
    for (std::size_t row = 0; row < kRows; ++row) {
        tips[next++] = {id::kRowLabels[row], layout[row].tooltip};
    }
    return tips;
}

constexpr auto kTooltipsA = TooltipsOf(kLayoutA);
constexpr auto kTooltipsB = TooltipsOf(kLayoutB);

// The column headers and the status text are shown with the table: a page
// that showed the future-processor layout before gets them back. The
// processor label (1016) gets its text but keeps the template's
// visibility, since the first row already names the figure.
constexpr auto kShown =
    std::to_array<ControlId>({id::kPageTitle, id::kMakerLogo, id::kProcessorName, id::kProcessorLogo,
                              id::kReportedHeader, id::kExpectedHeader, id::kStatusText});
constexpr std::array<ControlId, 5> kHidden = {id::kCollecting, id::kAdvisoryMark, id::kAdvisoryText,
                                              id::kAdvisoryLink, id::kFutureMessage};

constexpr auto kControls = [] {
    std::array<ControlId, kShown.size() + kHidden.size() + 3 * kRows + 3> all{};
    std::size_t next = 0;
    for (const ControlId control : kShown) {
        all[next++] = control;
    }
    for (const ControlId control : kHidden) {
        all[next++] = control;
    }
    for (std::size_t row = 0; row < kRows; ++row) {
        all[next++] = id::kRowLabels[row];
        all[next++] = id::kRowReported[row];
        all[next++] = id::kRowExpected[row];
    }
    all[next++] = id::kNote;
    all[next++] = id::kProcessorLabel;
    all[next] = id::kUnnumberedStatic;
    return all;
}();

constexpr std::array<ControlId, kRows> kReportedCells = {
    id::kRowReported[0], id::kRowReported[1], id::kRowReported[2], id::kRowReported[3], id::kRowReported[4]};
constexpr std::array<ControlId, kRows> kExpectedCells = {
    id::kRowExpected[0], id::kRowExpected[1], id::kRowExpected[2], id::kRowExpected[3], id::kRowExpected[4]};

bool UsesLayoutA(const app::SystemRecord& record) {
    return app::IsOneOf(freq_rules::kLayoutAModules, record.moduleNumber);
}

const Layout& LayoutOf(const app::SystemRecord& record) {
    return UsesLayoutA(record) ? kLayoutA : kLayoutB;
}

}  // namespace

std::int32_t CFreqPage3::TemplateId() const {
    return freq_template::kFreqPage3;
}

std::span<const ControlId> CFreqPage3::PageControls() const {
    return kControls;
}

std::span<const ControlString> CFreqPage3::Tooltips() const {
    if (UsesLayoutA(context_.record)) {
        return kTooltipsA;
    }
    return kTooltipsB;
}

ValueCells CFreqPage3::Cells() const {
    // Never red: the table has no excess colouring.
    return {{}, {}, kReportedCells, kExpectedCells};
}

bool CFreqPage3::ShowsTurboNote() const {
    const app::SystemRecord& record = context_.record;
    if (app::IsOneOf(freq_rules::kTurboNoteModules, record.moduleNumber) &&
        app::IsOneOf(freq_rules::kTurboNoteProducts, record.productCode)) {
        return true;
    }
    return app::IsOneOf(freq_rules::kTurboNoteProductsAnyModule, record.productCode);
}

void CFreqPage3::FillLabels(ControlSurface& surface) {
    const app::SystemRecord& record = context_.record;
    SetVisible(surface, kHidden, false);
    SetVisible(surface, kShown, true);
    SetVisible(surface, kReportedCells, true);
    SetVisible(surface, kExpectedCells, true);
    const Layout& layout = LayoutOf(record);
    const std::int32_t cacheLabel = freq_rules::HasL3(record) ? text::kRowL3Cache : text::kRowL2Cache;
    for (std::size_t row = 0; row < kRows; ++row) {
        const std::int32_t label = layout[row].label == kCacheRowLabel ? cacheLabel : layout[row].label;
        surface.SetText(id::kRowLabels[row], Label(label));
        surface.Show(id::kRowLabels[row]);
    }
    surface.SetText(id::kProcessorLabel, Label(text::kProcessorFrequency));
    surface.SetText(id::kReportedHeader, Label(text::kReported));
    if (HasExpectedValues()) {
        surface.SetText(id::kExpectedHeader, Label(text::kExpected));
    } else {
        surface.Hide(id::kExpectedHeader);
        SetVisible(surface, kExpectedCells, false);
    }
    if (record.item13Flag == 1) {
        surface.SetText(id::kNote, Label(text::kNote));
    }
}

void CFreqPage3::WriteValues(ControlSurface& surface) {
    const app::SystemRecord& record = context_.record;
    const TextPair processor = ProcessorPair();
    const TextPair bus = BusPair();
    TextPair memoryController =
        FormatFrequencyPair(TruncateToInteger(record.reportedMemoryController),
                            TruncateToInteger(record.expectedMemoryController), true, context_.language);
    LocalizeDecimalPoint(memoryController.reported, memoryController.expected, context_.language);
    TextPair interconnect =
        FormatTransferRatePair(record.reportedInterconnect, record.expectedInterconnect, context_.language);
    LocalizeDecimalPoint(interconnect.reported, interconnect.expected, context_.language);
    const std::string cache = CacheFigure(record.multiCoreEnabled == 1 && record.disabledCores == 0);
    if (TruncateToInteger(record.reportedCpuMHz) <= 0) {
        Fail();
    }
    const bool expectedShown = HasExpectedValues();
    if (expectedShown && TruncateToInteger(record.expectedCpuMHz) <= 0) {
        Fail();
    }

    // The text of a figure in the reported or the expected column.
    const auto textOf = [&](Figure figure, bool reported) -> std::string {
        switch (figure) {
            case Figure::kProcessor:
                return reported ? processor.reported : processor.expected;
            case Figure::kBus:
                return reported ? bus.reported : bus.expected;
            case Figure::kInterconnect:
                return reported ? interconnect.reported : interconnect.expected;
            case Figure::kMemoryController:
                return reported ? memoryController.reported : memoryController.expected;
            case Figure::kCache:
                return cache;
            case Figure::kThreadsPerPackage:
                return std::to_string(record.threadsPerPackage);
            case Figure::kCoresPerPackage:
                return std::to_string(record.coresPerPackage);
            case Figure::kPackageThreadCount2:
                return std::to_string(record.packageThreadCount2);
            case Figure::kMaxCoreCount2:
                return std::to_string(record.maxCoreCount2);
            case Figure::kNothing:
                break;
        }
        return {};
    };

    const Layout& layout = LayoutOf(record);
    for (std::size_t row = 0; row < kRows; ++row) {
        SetValue(surface, id::kRowReported[row], textOf(layout[row].reported, true));
        if (!expectedShown || layout[row].expected == Figure::kNothing) {
            surface.Hide(id::kRowExpected[row]);
        } else {
            SetValue(surface, id::kRowExpected[row], textOf(layout[row].expected, false));
        }
    }
}

}  // namespace sondrel::ui
