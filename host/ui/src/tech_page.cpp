#include "sondrel/ui/tech_page.h"

#include "page_steps.h"
#include "sondrel/ui/tech_advisory_dialog.h"
#include "sondrel/ui/tech_page_ids.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

using namespace tech_page;
using page_steps::TextRow;

namespace {

constexpr std::size_t kAnswerLimit = 5999;
constexpr std::int32_t kFlagSet = 1;

constexpr TextRow kLabels[] = {
    {control::kTechnologiesHeading, text::kTechnologiesHeading},
    {control::kExtensionsHeading, text::kExtensionsHeading},
    {control::kSseLabel, text::kSseLabel},
    {control::kSse2Label, text::kSse2Label},
    {control::kSse3Label, text::kSse3Label},
    {control::kSse4Label, text::kSse4Label},
    {control::kTwinstrandLabel, text::kTwinstrandLabel},
    {control::kArch64Label, text::kArch64Label},
    {control::kHvxLabel, text::kHvxLabel},
    {control::kEqrtLabel, text::kEqrtLabel},
    {control::kAvxLabel, text::kAvxLabel},
    {control::kAesNiLabel, text::kAesNiLabel},
    {control::kEptLabel, text::kEptLabel},
};

constexpr TextRow kTooltips[] = {
    {control::kMakerLogo, text::kMakerLogoTip}, {control::kSseLabel, text::kSseTip},
    {control::kSse2Label, text::kSse2Tip},      {control::kTwinstrandLabel, text::kTwinstrandTip},
    {control::kArch64Label, text::kArch64Tip},  {control::kSse3Label, text::kSse3Tip},
    {control::kEqrtLabel, text::kEqrtTip},      {control::kHvxLabel, text::kHvxTip},
    {control::kSse4Label, text::kSse4Tip},      {control::kAesNiLabel, text::kAesNiTip},
    {control::kAvxLabel, text::kAvxTip},        {control::kEptLabel, text::kEptTip},
};

constexpr ControlId kBoldControls[] = {control::kProcessorName, control::kTechnologiesHeading,
                                       control::kExtensionsHeading};

struct TechnologyRow {
    ControlId value;
    bool (*yes)(const app::SystemRecord&);
};

// In the order they are written. The 64-bit row asks only whether the
// architecture is enabled; the report also wants it supported.
constexpr TechnologyRow kTechnologyRows[] = {
    {control::kTwinstrand,
     [](const app::SystemRecord& r) {
         return r.twinstrandSupport == app::kSupported && r.twinstrandEnabled == kFlagSet;
     }},
    {control::kArch64, [](const app::SystemRecord& r) { return r.arch64Enabled == kFlagSet; }},
    {control::kHvx,
     [](const app::SystemRecord& r) {
         return r.virtualizationSupport == app::kSupported && r.virtualizationEnabled == kFlagSet;
     }},
    {control::kEpt, [](const app::SystemRecord& r) { return r.eptEnabled == kFlagSet; }},
    {control::kAvx, [](const app::SystemRecord& r) { return r.avx == kFlagSet; }},
    {control::kAesNi, [](const app::SystemRecord& r) { return r.aesNi == kFlagSet; }},
    {control::kEqrt, [](const app::SystemRecord& r) { return r.eqrtEnabled == kFlagSet; }},
    {control::kSse, [](const app::SystemRecord& r) { return r.sse != 0; }},
    {control::kSse2, [](const app::SystemRecord& r) { return r.sse2 != 0; }},
    {control::kSse3, [](const app::SystemRecord& r) { return r.sse3 != 0; }},
    {control::kSse4, [](const app::SystemRecord& r) { return r.sse4 != 0; }},
};

}  // namespace

CTechPage::CTechPage(PageContext context)
    : ResultPage(context), logo_(control::kMakerLogo, context.language, context.record) {}

std::int32_t CTechPage::TemplateId() const {
    return kTemplate;
}

std::int32_t CTechPage::CaptionStringId() const {
    return kCaption;
}

ResultCode CTechPage::Activate(ControlSurface& surface) {
    try {
        surface.Invalidate();
        context_.currentPage = kTechnologiesPage;
        surface.SetText(control::kProcessorName, page_steps::ProcessorName(context_.record));
        surface.SetWindowText(kWindowText);
        FillValues(surface);
        SetUpTooltips(surface);
        Paint(surface);
        return result::kSuccess;
    } catch (...) {
        return result::kUnexpectedFailure;
    }
}

void CTechPage::OnClick(ControlSurface& /*surface*/, ControlId id) {
    if (id == control::kAdvisoryButton) {
        CTechAdvisoryDialog advisory(context_.language, context_.errors);
        context_.dialogs.RunModal(advisory);
    } else if (id == control::kMakerLogo) {
        OpenWebPage(true, {}, context_.settings, context_.errors);
    }
}

void CTechPage::FillLabels(ControlSurface& surface) {
    const LanguageText& language = context_.language;
    surface.Hide(control::kUnused);
    page_steps::WriteTexts(surface, language, kLabels);
    if (context_.record.item13Flag == kFlagSet) {
        page_steps::WriteTexts(surface, language,
                               std::array{TextRow{control::kEngineeringSample, text::kEngineeringSample}});
    }
    page_steps::WriteTexts(surface, language,
                           std::array{TextRow{control::kAdvisoryButton, text::kAdvisoryButton}});
}

void CTechPage::FillValues(ControlSurface& surface) {
    FillLabels(surface);
    const app::SystemRecord& r = context_.record;
    const std::string yes = context_.language.StringOrEmpty(text::kYes, kAnswerLimit);
    const std::string no = context_.language.StringOrEmpty(text::kNo, kAnswerLimit);
    for (const TechnologyRow& row : kTechnologyRows) {
        surface.SetText(row.value, row.yes(r) ? yes : no);
        if (row.value == control::kAesNi) {
            // The engineering-sample note sits between AES-NI and EQRT.
            surface.SetVisible(control::kEngineeringSample, r.item13Flag == kFlagSet);
        }
    }
}

void CTechPage::SetUpTooltips(ControlSurface& surface) const {
    page_steps::BeginTooltips(surface);
    page_steps::AddTooltips(surface, context_.language, kTooltips);
}

void CTechPage::Paint(ControlSurface& surface) const {
    page_steps::PaintBackground(surface, context_.language, control::kAll);
    surface.SetFont(control::kTitle, kPageTitleFont);
    for (const ControlId id : kBoldControls) {
        surface.SetFont(id, kBold);
    }
    logo_.Paint(surface);
}

}  // namespace sondrel::ui
