// Cpumod5's tables: register fields and their dispatch, leaf-2 descriptors,
// the frequency support decision, the front-side-bus speed model, the
// brand-string rules and the package, logo and information tables.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/feature_table.h"
#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::gen5 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();
std::span<const module::DispatchRow> DispatchOverrides();

std::span<const module::CacheDescriptorRow> CacheDescriptorTable();
std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();
const module::FrontSideBusModel& SpeedModel();

const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();
std::span<const module::FeatureRow> FeatureRows();

inline constexpr std::int32_t kAnyModel = -1;

// A logo chosen by product code and, for some, by model nibble.
struct SignatureLogoRow {
    std::int32_t productCode;
    std::int32_t model;  // kAnyModel: every one
    std::int32_t bitmapId;
};
std::span<const SignatureLogoRow> LogoTable();
std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t model);

}  // namespace sondrel::gen5
