// Cpumod12's frequency support decision table.
#pragma once

#include <span>

#include "sondrel/module/generation.h"

namespace sondrel::gen12 {

std::span<const module::FrequencyDecisionRow> FrequencyDecisionTable();

}  // namespace sondrel::gen12
