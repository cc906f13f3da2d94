// Cpumod12's brand-string rules and name fallback, and its package, logo and
// information-item tables.
#pragma once

#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming_rules.h"

namespace sondrel::gen12 {

const module::NamingRules& NamingRules();
const module::InformationRules& InformationRules();

}  // namespace sondrel::gen12
