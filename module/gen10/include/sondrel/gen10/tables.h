// Cpumod10's tables: register fields, leaf-2 descriptors, frequency support
// decision, brand-string rules and name fallback, package and logo tables,
// and the graphics rule.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen10 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::CacheDescriptorRow> CacheDescriptorTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();

// Every product code the brand-class mapping gives.
std::span<const module::ProductCodeRange> MappedProductCodes();
const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();

inline constexpr std::int32_t kAnyExtendedModel = -1;

// A logo chosen by product code and, for some, by extended model.
struct SignatureLogoRow {
    std::int32_t productCode;
    std::int32_t extendedModel;  // kAnyExtendedModel: every one
    std::int32_t bitmapId;
};
std::span<const SignatureLogoRow> LogoTable();
std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t extendedModel);

// The graphics code of a processor, or nullopt when the module writes none.
std::optional<std::int32_t> GraphicsCode(std::int32_t family, std::int32_t extendedModel, std::int32_t model,
                                         std::int32_t graphicsDeviceId);

}  // namespace sondrel::gen10
