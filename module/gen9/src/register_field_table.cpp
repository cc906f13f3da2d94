#include "sondrel/gen9/tables.h"

#include "sondrel/module/core_register_fields.h"

namespace sondrel::gen9 {

std::span<const module::RegisterFieldRow> RegisterFieldTable() {
    // The common list without the thermal-design-power fields (ids 57 to
    // 63): this generation reports no base TDP.
    return module::core_fields::kCommonRows;
}

}  // namespace sondrel::gen9
