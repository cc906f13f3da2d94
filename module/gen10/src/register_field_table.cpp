// Cpumod10's register-field table: the platform identification alone.
#include <array>

#include "sondrel/gen10/tables.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::gen10 {

namespace {

constexpr std::uint32_t kPlatformIdentification = 0x17;

constexpr std::array kRows = {
    module::RegisterFieldRow{module::field_id::kPCardID, "PCardID", kPlatformIdentification, 50, 3},
};

}  // namespace

std::span<const module::RegisterFieldRow> RegisterFieldTable() {
    return kRows;
}

}  // namespace sondrel::gen10
