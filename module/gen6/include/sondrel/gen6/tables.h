// Cpumod6's tables: register fields and their dispatch, the compatibility
// guide, leaf-2 descriptors, the frequency support decision, the
// front-side-bus speed model, the brand classes and their second step, and
// the package, logo and information tables.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen6 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::DispatchRow> DispatchOverrides();

// The platform compatibility guide of a desktop land-grid part, from its
// model and the "PCGuide" field; empty for any other processor.
void SetCompatibilityGuide(module::ProcessorSnapshot& snapshot);

std::span<const module::CacheDescriptorRow> CacheDescriptorTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();
const module::FrontSideBusModel& SpeedModel();

const module::NamingRules& NamingRules();
// The brand step of a CPUID pass: the class of the name, then the class and
// the signature to a product code (4 for a pair the module does not know).
void ClassifyBrand(module::ProcessorSnapshot& snapshot);
// The second step alone; 4 when no row holds.
std::int32_t ProductCodeFor(std::int32_t brandClass, std::int32_t model);

const module::InformationRules& InformationRules();
std::span<const module::FeatureRow> FeatureRows();
// The logo of a product code on a model; nullopt for codes without one.
std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t model);

}  // namespace sondrel::gen6
