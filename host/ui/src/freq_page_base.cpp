#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>

#include "freq_page_rules.h"
#include "sondrel/ui/advisory_dialog.h"
#include "sondrel/ui/cache_size_text.h"
#include "sondrel/ui/freq_page_ids.h"
#include "sondrel/ui/freq_pages.h"
#include "sondrel/ui/picture_ids.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

namespace {

namespace id = freq_control;
namespace text = freq_string;

// Thrown inside the filling steps; the activation turns it into 0x80041F40.
struct FillFailure {};

constexpr const char* kWindowText = "Freq";
constexpr std::int32_t kProductFutureProcessor = app::kProductNotHandled;
constexpr std::int32_t kProductUnidentified = 0;

constexpr std::size_t kLabelLimit = 1900;
constexpr std::size_t kCombinedLimit = 6000;
constexpr int kTooltipWidth = 300;
constexpr const char* kParagraphEnd = "\r\n\r\n";

// What the future-processor layout keeps of a page.
constexpr std::array<ControlId, 5> kFutureLayoutControls = {
    id::kPageTitle, id::kMakerLogo, id::kProcessorName, id::kUnnumberedStatic, id::kFutureMessage};

// The status text's sentence on the measurement, by frequencyExcess.
constexpr std::array<std::int32_t, 4> kExcessSentences = {text::kRated, text::kProcessorAbove,
                                                          text::kBusAbove, text::kBothAbove};

PictureBytes AsBytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace

FrequencyPageBase::FrequencyPageBase(PageContext context)
    : ResultPage(context),
      makerLogo_(control_id::kMakerLogo, context.language, context.record),
      processorLogo_(control_id::kProcessorLogo, context.language, context.record),
      advisoryMark_(control_id::kAdvisoryMark, context.language, context.record) {}

std::int32_t FrequencyPageBase::CaptionStringId() const {
    return text::kCaption;
}

bool FrequencyPageBase::HasExpectedValues() const {
    const app::SystemRecord& record = context_.record;
    return record.productCode != kProductFutureProcessor && record.productCode != kProductUnidentified &&
           record.item9Flag == 1 && record.item10Flag == 1;
}

ResultCode FrequencyPageBase::Activate(ControlSurface& surface) {
    try {
        surface.Invalidate();
        context_.currentPage = kFrequencyPage;
        surface.SetText(id::kProcessorName, context_.record.processorName);
        surface.SetWindowText(kWindowText);
        FillValues(surface);
        SetUpTooltips(surface);
        Paint(surface);
    } catch (const FillFailure&) {
        return result::kUnexpectedFailure;
    } catch (const std::exception&) {
        return result::kUnexpectedFailure;
    }
    return result::kSuccess;
}

void FrequencyPageBase::AfterActivation(ControlSurface& surface) {
    surface.SetFocus(id::kPageTitle);
}

void FrequencyPageBase::OnClick(ControlSurface& /*surface*/, ControlId clicked) {
    if (clicked == id::kAdvisoryLink) {
        CAdvisoryDialog advisory(context_.record, context_.language, context_.errors);
        context_.dialogs.RunModal(advisory);
    } else if (clicked == id::kMakerLogo) {
        OpenWebPage(true, {}, context_.settings, context_.errors);
    }
}

void FrequencyPageBase::Fail() {
    throw FillFailure{};
}

std::string FrequencyPageBase::Label(std::int32_t stringId) const {
    return context_.language.StringOrEmpty(stringId, kLabelLimit);
}

std::string FrequencyPageBase::Header(std::int32_t first, std::int32_t second) const {
    return (Label(first) + "\r" + Label(second)).substr(0, kCombinedLimit);
}

TextPair FrequencyPageBase::ProcessorPair() const {
    TextPair pair =
        FormatFrequencyPair(TruncateToInteger(context_.record.reportedCpuMHz),
                            TruncateToInteger(context_.record.expectedCpuMHz), false, context_.language);
    LocalizeDecimalPoint(pair.reported, pair.expected, context_.language);
    return pair;
}

TextPair FrequencyPageBase::BusPair() const {
    return FormatFrequencyPair(TruncateToInteger(context_.record.reportedBusMHz),
                               TruncateToInteger(context_.record.expectedBusMHz), true, context_.language);
}

std::string FrequencyPageBase::CacheFigure(bool doubleL2) const {
    const app::SystemRecord& record = context_.record;
    if (freq_rules::HasL3(record)) {
        return FormatCacheSize(record.l3CacheSize, record.l3CacheUnit, context_.language);
    }
    std::int32_t size = record.l2CacheSize;
    // Only a real size doubles: -1 (unknown) and 0 (none) keep their texts.
    if (doubleL2 && size > 0) {
        size = size > std::numeric_limits<std::int32_t>::max() / 2 ? std::numeric_limits<std::int32_t>::max()
                                                                   : size * 2;
    }
    return FormatCacheSize(size, record.l2CacheUnit, context_.language);
}

void FrequencyPageBase::SetValue(ControlSurface& surface, ControlId control, const std::string& value) {
    surface.SetText(control, value);
    surface.SetEnabled(control, true);
}

void FrequencyPageBase::SetVisible(ControlSurface& surface, std::span<const ControlId> ids, bool visible) {
    for (const ControlId control : ids) {
        surface.SetVisible(control, visible);
    }
}

void FrequencyPageBase::FillValues(ControlSurface& surface) {
    if (context_.record.productCode == kProductFutureProcessor) {
        ShowFutureProcessorLayout(surface);
        return;
    }
    FillLabels(surface);
    WriteValues(surface);
    ShowAdvisory(surface);
    surface.SetText(id::kStatusText, StatusText());
    surface.SetVisible(id::kNote, context_.record.item13Flag == 1);
}

void FrequencyPageBase::ShowFutureProcessorLayout(ControlSurface& surface) {
    surface.SetText(id::kFutureMessage, Label(text::kFutureProcessor));
    for (const ControlId control : PageControls()) {
        const bool kept = std::find(kFutureLayoutControls.begin(), kFutureLayoutControls.end(), control) !=
                          kFutureLayoutControls.end();
        surface.SetVisible(control, kept);
    }
    SetVisible(surface, kFutureLayoutControls, true);
}

void FrequencyPageBase::ShowAdvisory(ControlSurface& surface) {
    const bool shown = context_.record.frequencyExcess != 0 && HasExpectedValues();
    if (shown) {
        surface.SetText(id::kAdvisoryText, Label(text::kAdvisoryText));
        surface.SetText(id::kAdvisoryLink, Label(text::kAdvisoryLink));
    }
    SetVisible(surface, std::array{id::kAdvisoryMark, id::kAdvisoryText, id::kAdvisoryLink}, shown);
}

std::string FrequencyPageBase::StatusText() const {
    const app::SystemRecord& record = context_.record;
    const LanguageText& language = context_.language;
    std::string status;
    const auto append = [&status, &language](std::int32_t stringId) {
        status += language.StringOrEmpty(stringId, kCombinedLimit);
    };
    if (record.twinstrandSupport == app::kSupported && record.twinstrandEnabled == 1) {
        append(text::kTwinstrandActive);
    }
    if (ShowsTurboNote()) {
        append(text::kTurboNote);
    }
    if (record.item9Flag != 0) {
        if (record.frequencyExcess >= 0 &&
            record.frequencyExcess < static_cast<std::int32_t>(kExcessSentences.size())) {
            append(kExcessSentences[static_cast<std::size_t>(record.frequencyExcess)]);
        }
        if (record.item4Flag == 1) {
            append(text::kFrequencyMayVary);
        }
        append(text::kMeasuredUnderLoad);
        status += kParagraphEnd;
    } else {
        append(text::kNotConfirmed);
        append(text::kSupportAdvice);
    }
    return status.substr(0, kCombinedLimit);
}

void FrequencyPageBase::SetUpTooltips(ControlSurface& surface) {
    surface.ClearTooltips();
    surface.SetTooltipMaxWidth(kTooltipWidth);
    for (const ControlString& tip : Tooltips()) {
        if (const auto tipText = context_.language.String(tip.string, kCombinedLimit)) {
            surface.SetTooltip(tip.control, *tipText);
        }
    }
}

void FrequencyPageBase::Paint(ControlSurface& surface) {
    surface.SetBackgroundPicture(
        AsBytes(context_.language.Picture(picture_id::kPageBackground).value_or(std::string())));
    makerLogo_.Paint(surface);
    processorLogo_.Paint(surface);
    advisoryMark_.Paint(surface);
    surface.SetFont(id::kPageTitle, kPageTitleFont);
    surface.SetFont(id::kProcessorName, kBold);
    surface.SetBackdrop(id::kStatusText, Backdrop::kOpaqueWhite);

    const ValueCells cells = Cells();
    const std::int32_t excess = context_.record.frequencyExcess;
    const auto paintReported = [&surface](std::span<const ControlId> ids, bool red) {
        for (const ControlId control : ids) {
            surface.SetFont(control, kBold);
            surface.SetTextColor(control, red ? kExcessColor : kReportedValueColor);
        }
    };
    paintReported(cells.processor, (excess & app::kProcessorExcess) != 0);
    paintReported(cells.bus, (excess & app::kBusOrLinkExcess) != 0);
    paintReported(cells.blue, false);
    for (const ControlId control : cells.expected) {
        surface.SetFont(control, kBold);
    }
}

}  // namespace sondrel::ui
