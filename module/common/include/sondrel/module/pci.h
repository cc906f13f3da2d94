// PCI configuration reads of the module and the graphics code derived from them.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/module/generation.h"

namespace sondrel::module {

// The maker's PCI vendor identifier, passed with every read. A value of this
// system's own: no registered vendor uses it.
inline constexpr std::int32_t kMakerPciVendorId = 0x5A17;

// Graphics code of a device identifier: −3 for none (0), the table's code
// for a known one (for a TDP-dependent one, the row of that TDP), 0 otherwise.
std::int32_t GraphicsCode(std::span<const GraphicsCodeRow> table, std::int32_t deviceId, double tdpWatts);

}  // namespace sondrel::module
