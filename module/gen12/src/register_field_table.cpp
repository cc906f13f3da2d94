#include "sondrel/gen12/register_field_table.h"

#include "sondrel/module/core_register_fields.h"

namespace sondrel::gen12 {

namespace {

constexpr auto kRows = module::core_fields::WithCommonRows(module::core_fields::kPowerRows);

}  // namespace

std::span<const module::RegisterFieldRow> RegisterFieldTable() {
    return kRows;
}

}  // namespace sondrel::gen12
