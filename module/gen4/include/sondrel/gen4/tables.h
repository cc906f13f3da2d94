// Cpumod4's tables: register fields and their dispatch, the product-code
// table, leaf-2 descriptors, the frequency support decision, the
// front-side-bus speed model and the package, logo, name and information
// tables.
#pragma once

#include <optional>
#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen4 {

// The signature the module serves: family 15, model 2, extended family and model 0.
inline constexpr std::int32_t kFamily = 15;
inline constexpr std::int32_t kModel = 2;

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::DispatchRow> DispatchOverrides();

// The ratio a value of the 4-bit coded "Limit" field stands for: codes 0
// to 7 are the ratios 16 to 23, codes 8 to 15 the ratios 8 to 15.
std::int32_t DecodeRatio(std::int32_t code);
// Stores the decoded "Limit" as the maximum ratio (the first-ratio pair).
void DecodeMaxRatio(module::ProcessorSnapshot& snapshot);

// The product code from the signature alone (before any register field
// is read) and from signature and register fields; 4 when no row holds.
std::int32_t ProductCodeBySignature(const module::ProcessorSnapshot& snapshot);
std::int32_t ProductCode(const module::ProcessorSnapshot& snapshot);

std::span<const module::CacheDescriptorRow> CacheDescriptorTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();
const module::FrontSideBusModel& SpeedModel();

const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();
std::span<const module::FeatureRow> FeatureRows();
// The information-item word of a classified processor.
std::int32_t InfoItemWord(const module::ProcessorSnapshot& snapshot);
// The logo by product code and stepping; nullopt: no logo.
std::optional<std::int32_t> LogoBitmap(std::int32_t productCode, std::int32_t stepping);

}  // namespace sondrel::gen4
