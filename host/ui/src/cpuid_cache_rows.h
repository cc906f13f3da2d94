// The cache block of the CPUID page: which kind of row each of its five
// slots shows, and the row's text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "sondrel/app/system_record.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui::cpuid_page {

enum class CacheRowKind { kL3, kL2, kL1Data, kL1Instruction, kL1Trace, kPackaging, kCompatibilityGuide };

// One layout of the five slots; nullopt leaves a slot hidden.
using CacheLayout = std::array<std::optional<CacheRowKind>, 5>;

std::int32_t LabelTextOf(CacheRowKind kind);
std::int32_t TooltipTextOf(CacheRowKind kind);

CacheLayout CacheLabelLayout(const app::SystemRecord& record);
CacheLayout CacheValueLayout(const app::SystemRecord& record);

std::string CacheRowValue(CacheRowKind kind, const app::SystemRecord& record, const LanguageText& language);

}  // namespace sondrel::ui::cpuid_page
