// Cpumod7's tables: register fields and their dispatch, leaf-2 descriptors,
// the frequency support decision, the front-side-bus speed model, the
// brand-string rules and the package, logo and information tables.
#pragma once

#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen7 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::DispatchRow> DispatchOverrides();
// The "Production" value of a production part on this processor.
std::int32_t ProductionValue(const module::ProcessorSnapshot& snapshot);

std::span<const module::CacheDescriptorRow> CacheDescriptorTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();
const module::FrontSideBusModel& SpeedModel();

const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();
std::span<const module::FeatureRow> FeatureRows();

}  // namespace sondrel::gen7
