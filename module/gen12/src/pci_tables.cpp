#include "sondrel/gen12/pci_tables.h"

#include <array>

namespace sondrel::gen12 {

namespace {

using module::GraphicsCodeRow;
using module::ProductCodeRange;

constexpr std::array kPciActiveCoreProductCodes = {
    ProductCodeRange{112, 127},
    ProductCodeRange{131, 139},
    ProductCodeRange{146, 156},
    ProductCodeRange{158, 158},
};

// The one identifier whose code depends on the base TDP: a graphics core
// shipped in the 15 W and the 28 W parts.
constexpr std::int32_t kTdpDependentGraphics = 0x5C20;
constexpr double kLowPowerTdpWatts = 15.0;
constexpr double kMidPowerTdpWatts = 28.0;

// 23 identifiers of the maker's integrated graphics, codes 1 to 14.
constexpr std::array kGraphicsCodes = {
    GraphicsCodeRow{0x5C01, 1},
    GraphicsCodeRow{0x5C02, 1},
    GraphicsCodeRow{0x5C03, 2},
    GraphicsCodeRow{0x5C04, 2},
    GraphicsCodeRow{0x5C05, 3},
    GraphicsCodeRow{0x5C06, 3},
    GraphicsCodeRow{0x5C07, 4},
    GraphicsCodeRow{0x5C08, 4},
    GraphicsCodeRow{0x5C09, 5},
    GraphicsCodeRow{0x5C0A, 5},
    GraphicsCodeRow{0x5C0B, 6},
    GraphicsCodeRow{0x5C0C, 7},
    GraphicsCodeRow{0x5C0D, 8},
    GraphicsCodeRow{0x5C0E, 8},
    GraphicsCodeRow{0x5C0F, 9},
    GraphicsCodeRow{0x5C10, 9},
    GraphicsCodeRow{0x5C11, 10},
    GraphicsCodeRow{0x5C12, 10},
    GraphicsCodeRow{0x5C13, 11},
    GraphicsCodeRow{0x5C14, 12},
    GraphicsCodeRow{0x5C15, 13},
    GraphicsCodeRow{0x5C16, 14},
    GraphicsCodeRow{kTdpDependentGraphics, 6, kLowPowerTdpWatts},
    GraphicsCodeRow{kTdpDependentGraphics, 7, kMidPowerTdpWatts},
};

}  // namespace

std::span<const module::ProductCodeRange> PciActiveCoreProductCodes() {
    return kPciActiveCoreProductCodes;
}

std::span<const module::GraphicsCodeRow> GraphicsCodeTable() {
    return kGraphicsCodes;
}

}  // namespace sondrel::gen12
