#include <array>

#include "sondrel/gen8/tables.h"

namespace sondrel::gen8 {

namespace {

using module::GraphicsCodeRow;
using module::ProductCodeRange;

constexpr std::array kPciActiveCoreProductCodes = {
    ProductCodeRange{79, 81},
    ProductCodeRange{84, 86},
    ProductCodeRange{91, 92},
};

// This generation's graphics sit beside the cores in the package; the host
// names them with code 3, the plain integrated graphics.
constexpr std::array kGraphicsCodes = {
    GraphicsCodeRow{0x5801, 3},  // desktop
    GraphicsCodeRow{0x5802, 3},  // mobile
};

}  // namespace

std::span<const module::ProductCodeRange> PciActiveCoreProductCodes() {
    return kPciActiveCoreProductCodes;
}

std::span<const module::GraphicsCodeRow> GraphicsCodeTable() {
    return kGraphicsCodes;
}

}  // namespace sondrel::gen8
