#include <algorithm>

#include "sondrel/module/pci.h"

namespace sondrel::module {

namespace {
constexpr std::int32_t kNoGraphicsDevice = 0;
constexpr std::int32_t kNoGraphics = -3;
constexpr std::int32_t kUnknownGraphics = 0;
}  // namespace

std::int32_t GraphicsCode(std::span<const GraphicsCodeRow> table, std::int32_t deviceId, double tdpWatts) {
    if (deviceId == kNoGraphicsDevice) {
        return kNoGraphics;
    }
    const auto row = std::find_if(table.begin(), table.end(), [&](const GraphicsCodeRow& candidate) {
        return candidate.deviceId == deviceId &&
               (!candidate.requiredTdpWatts || *candidate.requiredTdpWatts == tdpWatts);
    });
    return row == table.end() ? kUnknownGraphics : row->code;
}

}  // namespace sondrel::module
