// Cpumod11's tables: register fields, frequency support decision, PCI
// details, brand-string rules and name fallback, and the package, logo and
// information-item tables.
#pragma once

#include <span>

#include "sondrel/module/field_ids.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen11 {

// "BaseTDP" is numbered 57 in this generation, the id of "cTDPSupportedLevels".
inline constexpr std::int32_t kBaseTdpFieldId = module::field_id::kCTDPSupportedLevels;

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();

// Product codes whose disabled cores are counted against the PCI-derived active cores.
std::span<const module::ProductCodeRange> PciActiveCoreProductCodes();
const module::ActiveCoreReads& ActiveCoreReads();
// Integrated-graphics device identifiers and their graphics codes.
std::span<const module::GraphicsCodeRow> GraphicsCodeTable();

// Product codes the brand-class mapping gives, which the mobile rule judges.
std::span<const module::ProductCodeRange> MappedProductCodes();
const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();

}  // namespace sondrel::gen11
