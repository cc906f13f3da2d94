#include "cpuid_cache_rows.h"

#include <cstring>

#include "sondrel/ui/cache_size_text.h"
#include "sondrel/ui/text_format.h"

namespace sondrel::ui::cpuid_page {

namespace {

struct CacheRowTexts {
    CacheRowKind kind;
    std::int32_t label;
    std::int32_t tooltip;
};

constexpr CacheRowTexts kRowTexts[] = {
    {CacheRowKind::kL3, 367, 302},
    {CacheRowKind::kL2, 368, 284},
    {CacheRowKind::kL1Data, 369, 283},
    {CacheRowKind::kL1Instruction, 370, 282},
    {CacheRowKind::kL1Trace, 371, 297},
    {CacheRowKind::kPackaging, 372, 285},
    {CacheRowKind::kCompatibilityGuide, 380, 381},
};

constexpr std::int32_t kGuideProducts[] = {48, 59};
constexpr std::int32_t kGuideFamily = 15;
constexpr std::int32_t kGuideModels[] = {3, 4};
constexpr std::int32_t kTraceCacheProducts[] = {48, 49, 50, 51, 52, 53, 59};
// Sizes that mean the processor has no L3: none, unknown, no cache
// interface, level absent.
constexpr std::int32_t kNoL3Sizes[] = {0, -1, app::kNoCacheInterface, app::kCacheLevelAbsent};
// From this many instances on the text names the count.
constexpr std::int32_t kCountShownFrom = 2;

template <std::size_t N>
bool OneOf(std::int32_t value, const std::int32_t (&values)[N]) {
    for (const std::int32_t candidate : values) {
        if (candidate == value) {
            return true;
        }
    }
    return false;
}

const CacheRowTexts& TextsOf(CacheRowKind kind) {
    for (const CacheRowTexts& row : kRowTexts) {
        if (row.kind == kind) {
            return row;
        }
    }
    return kRowTexts[0];
}

bool HasL3(const app::SystemRecord& r) {
    return !OneOf(r.l3CacheSize, kNoL3Sizes);
}

bool IsCompatibilityGuideCase(const app::SystemRecord& r) {
    return OneOf(r.productCode, kGuideProducts) && r.family == kGuideFamily && OneOf(r.model, kGuideModels);
}

CacheRowKind FirstLevelInstructionKind(const app::SystemRecord& r) {
    return OneOf(r.productCode, kTraceCacheProducts) ? CacheRowKind::kL1Trace : CacheRowKind::kL1Instruction;
}

std::string CacheText(std::int32_t size, std::int32_t unit, std::int32_t count,
                      const LanguageText& language) {
    std::string text = FormatCacheSize(size, unit, language);
    if (count >= kCountShownFrom) {
        text = FormatText("%d x %s", {FormatArgument::Integer(count), FormatArgument::Text(text)},
                          kCacheSizeTextLimit + 16)
                   .value_or(text);
    }
    return text;
}

template <std::size_t N>
std::string StoredText(const char (&text)[N]) {
    return std::string(text, strnlen(text, N));
}

}  // namespace

std::int32_t LabelTextOf(CacheRowKind kind) {
    return TextsOf(kind).label;
}

std::int32_t TooltipTextOf(CacheRowKind kind) {
    return TextsOf(kind).tooltip;
}

CacheLayout CacheLabelLayout(const app::SystemRecord& r) {
    using enum CacheRowKind;
    if (IsCompatibilityGuideCase(r)) {
        return {kL2, kL1Data, kL1Trace, kPackaging, kCompatibilityGuide};
    }
    if (!HasL3(r)) {
        return {kL2, kL1Data, FirstLevelInstructionKind(r), kPackaging, std::nullopt};
    }
    return {kL3, kL2, kL1Data, FirstLevelInstructionKind(r), kPackaging};
}

CacheLayout CacheValueLayout(const app::SystemRecord& r) {
    using enum CacheRowKind;
    // The labels of the compatibility-guide case hold whatever the L3, so
    // its values follow them; otherwise an L3 would be shown as the L2 and
    // every row below it one label off.
    if (IsCompatibilityGuideCase(r)) {
        return {kL2, kL1Data, kL1Instruction, kPackaging, kCompatibilityGuide};
    }
    if (!HasL3(r)) {
        return {kL2, kL1Data, kL1Instruction, kPackaging, std::nullopt};
    }
    return {kL3, kL2, kL1Data, kL1Instruction, kPackaging};
}

std::string CacheRowValue(CacheRowKind kind, const app::SystemRecord& r, const LanguageText& language) {
    switch (kind) {
        case CacheRowKind::kL3:
            return CacheText(r.l3CacheSize, r.l3CacheUnit, r.l3Count, language);
        case CacheRowKind::kL2:
            return CacheText(r.l2CacheSize, r.l2CacheUnit, r.l2Count, language);
        case CacheRowKind::kL1Data:
            return CacheText(r.l1DataCacheSize, r.l1DataCacheUnit, r.l1DataCount, language);
        case CacheRowKind::kL1Instruction:
        case CacheRowKind::kL1Trace:
            return CacheText(r.l1InstructionCacheSize, r.l1InstructionCacheUnit, r.l1InstructionCount,
                             language);
        case CacheRowKind::kPackaging:
            return StoredText(r.packaging);
        case CacheRowKind::kCompatibilityGuide:
            return StoredText(r.compatibilityGuide);
    }
    return {};
}

}  // namespace sondrel::ui::cpuid_page
