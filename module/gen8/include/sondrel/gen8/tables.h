// Cpumod8's tables: register fields, frequency support decision, PCI
// details, brand-string rules, mobile rule, and the package, logo and
// information-item tables.
#pragma once

#include <span>

#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_field_table.h"
#include "sondrel/module/suffix_mobile_rule.h"

namespace sondrel::gen8 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();

// Product codes whose disabled cores are counted against the PCI-derived active cores.
std::span<const module::ProductCodeRange> PciActiveCoreProductCodes();
// Integrated-graphics device identifiers and their graphics codes.
std::span<const module::GraphicsCodeRow> GraphicsCodeTable();

const module::NamingRules& NamingRules();
const module::SuffixMobileRule& MobileRule();
const module::InformationRules& InformationRules();

}  // namespace sondrel::gen8
