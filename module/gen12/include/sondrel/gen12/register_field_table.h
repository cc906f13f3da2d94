// Cpumod12's register-field table, in list order.
#pragma once

#include <span>

#include "sondrel/module/register_field_table.h"

namespace sondrel::gen12 {

std::span<const module::RegisterFieldRow> RegisterFieldTable();

}  // namespace sondrel::gen12
