#include "sondrel/ui/cpuid_page.h"

#include "cpuid_cache_rows.h"
#include "cpuid_graphics.h"
#include "page_steps.h"
#include "sondrel/ui/cpuid_page_ids.h"
#include "sondrel/ui/text_format.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

using namespace cpuid_page;
using page_steps::TextRow;

namespace {

constexpr std::size_t kValueLimit = 194;

constexpr TextRow kLabels[] = {
    {control::kIdentificationHeading, text::kIdentificationHeading},
    {control::kTypeLabel, text::kTypeLabel},
    {control::kFamilyLabel, text::kFamilyLabel},
    {control::kModelLabel, text::kModelLabel},
    {control::kSteppingLabel, text::kSteppingLabel},
    {control::kRevisionLabel, text::kRevisionLabel},
    {control::kCacheHeading, text::kCacheHeading},
    {control::kEnhancedHaltLabel, text::kEnhancedHaltLabel},
    {control::kExecuteDisableLabel, text::kExecuteDisableLabel},
    {control::kFeaturesHeading, text::kFeaturesHeading},
};

constexpr TextRow kTooltips[] = {
    {control::kMakerLogo, text::kMakerLogoTip},
    {control::kTypeLabel, text::kTypeTip},
    {control::kFamilyLabel, text::kFamilyTip},
    {control::kModelLabel, text::kModelTip},
    {control::kSteppingLabel, text::kSteppingTip},
    {control::kRevisionLabel, text::kRevisionTip},
    {control::kExecuteDisableLabel, text::kExecuteDisableTip},
    {control::kEnhancedHaltLabel, text::kEnhancedHaltTip},
    {control::kDeviceIdLabel, text::kDeviceIdTip},
    {control::kGraphicsNameLabel, text::kGraphicsNameTip},
};

constexpr ControlId kBoldControls[] = {control::kIdentificationHeading, control::kCacheHeading,
                                       control::kFeaturesHeading, control::kProcessorName,
                                       control::kGraphicsHeading};

constexpr std::int32_t kFlagSet = 1;

void SetShown(ControlSurface& surface, std::initializer_list<ControlId> ids, bool shown) {
    for (const ControlId id : ids) {
        surface.SetVisible(id, shown);
    }
}

std::string YesOrNo(std::int32_t flag, const LanguageText& language) {
    return language.StringOrEmpty(flag == kFlagSet ? text::kYes : text::kNo, kValueLimit);
}

std::string RevisionText(const app::SystemRecord& r, const LanguageText& language) {
    switch (r.revisionState) {
        case app::kRevisionNotAvailable:
            return language.StringOrEmpty(text::kNotAvailable, kValueLimit);
        case app::kRevisionValid:
            return page_steps::Hexadecimal(r.revision);
        default:
            return language.StringOrEmpty(text::kUnknown, kValueLimit);
    }
}

}  // namespace

CCPUIDPage::CCPUIDPage(PageContext context)
    : ResultPage(context), logo_(control::kMakerLogo, context.language, context.record) {}

std::int32_t CCPUIDPage::TemplateId() const {
    return kTemplate;
}

std::int32_t CCPUIDPage::CaptionStringId() const {
    return kCaption;
}

ResultCode CCPUIDPage::Activate(ControlSurface& surface) {
    try {
        surface.Invalidate();
        context_.currentPage = kCpuidPage;
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

void CCPUIDPage::OnClick(ControlSurface& /*surface*/, ControlId id) {
    if (id == control::kMakerLogo) {
        OpenWebPage(true, {}, context_.settings, context_.errors);
    }
}

void CCPUIDPage::FillLabels(ControlSurface& surface) {
    const app::SystemRecord& r = context_.record;
    const LanguageText& language = context_.language;
    surface.Hide(control::kUnused);
    page_steps::WriteTexts(surface, language, kLabels);

    // Rows are shown again where they apply: the record may have changed
    // since an activation that hid them.
    const CacheLayout labels = CacheLabelLayout(r);
    for (std::size_t slot = 0; slot < labels.size(); ++slot) {
        const ControlId label = control::kCacheLabels[slot];
        if (labels[slot]) {
            surface.SetText(label,
                            language.StringOrEmpty(LabelTextOf(*labels[slot]), page_steps::kLabelLimit));
        }
        surface.SetVisible(label, labels[slot].has_value());
    }

    const bool graphics = HasGraphicsBlock(r);
    if (graphics) {
        page_steps::WriteTexts(surface, language,
                               std::array{TextRow{control::kGraphicsHeading, text::kGraphicsHeading}});
        if (HasGraphicsNameRow(r)) {
            page_steps::WriteTexts(
                surface, language,
                std::array{TextRow{control::kGraphicsNameLabel, text::kGraphicsNameLabel}});
        }
        if (HasDeviceIdRow(r)) {
            page_steps::WriteTexts(surface, language,
                                   std::array{TextRow{control::kDeviceIdLabel, text::kDeviceIdLabel}});
        }
    }
    surface.SetVisible(control::kGraphicsHeading, graphics);
    SetShown(surface, {control::kGraphicsNameLabel, control::kGraphicsName}, HasGraphicsNameRow(r));
    SetShown(surface, {control::kDeviceIdLabel, control::kDeviceId}, HasDeviceIdRow(r));

    if (r.item13Flag == kFlagSet) {
        page_steps::WriteTexts(surface, language,
                               std::array{TextRow{control::kEngineeringSample, text::kEngineeringSample}});
    }
}

void CCPUIDPage::FillValues(ControlSurface& surface) {
    FillLabels(surface);
    app::SystemRecord& r = context_.record;
    const LanguageText& language = context_.language;

    surface.SetText(control::kType, page_steps::Hexadecimal(r.cpuType));
    surface.SetText(control::kFamily, page_steps::Hexadecimal(r.family));
    surface.SetText(control::kModel, page_steps::Hexadecimal(r.extendedModel * 16 + r.model));
    surface.SetText(control::kStepping, page_steps::Hexadecimal(r.stepping));
    surface.SetText(control::kRevision, RevisionText(r, language));

    const CacheLayout values = CacheValueLayout(r);
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        const ControlId value = control::kCacheValues[slot];
        if (values[slot]) {
            surface.SetText(value, CacheRowValue(*values[slot], r, language));
        }
        surface.SetVisible(value, values[slot].has_value());
    }

    surface.SetText(control::kEnhancedHalt, YesOrNo(r.enhancedHaltState, language));
    surface.SetText(control::kExecuteDisable, YesOrNo(r.executeDisable, language));

    if (HasDeviceIdRow(r)) {
        surface.SetText(
            control::kDeviceId,
            FormatText("%04X", {FormatArgument::Integer(r.chipsetId)}, kValueLimit).value_or(std::string()));
    }
    if (const auto name = ChooseGraphicsName(r, language)) {
        surface.SetText(control::kGraphicsName, name->text);
        r.addInGraphics = name->addIn ? 1 : 0;
    }
    surface.SetVisible(control::kEngineeringSample, r.item13Flag == kFlagSet);
}

void CCPUIDPage::SetUpTooltips(ControlSurface& surface) const {
    const LanguageText& language = context_.language;
    page_steps::BeginTooltips(surface);
    page_steps::AddTooltips(surface, language, kTooltips);
    const CacheLayout labels = CacheLabelLayout(context_.record);
    for (std::size_t slot = 0; slot < labels.size(); ++slot) {
        if (labels[slot]) {
            page_steps::AddTooltip(surface, language, control::kCacheLabels[slot],
                                   TooltipTextOf(*labels[slot]));
        }
    }
}

void CCPUIDPage::Paint(ControlSurface& surface) const {
    page_steps::PaintBackground(surface, context_.language, control::kAll);
    surface.SetFont(control::kTitle, kPageTitleFont);
    for (const ControlId id : kBoldControls) {
        surface.SetFont(id, kBold);
    }
    logo_.Paint(surface);
}

}  // namespace sondrel::ui
