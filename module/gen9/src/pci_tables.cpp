#include <array>

#include "sondrel/gen9/tables.h"

namespace sondrel::gen9 {

namespace {

using module::GraphicsCodeRow;
using module::ProductCodeRange;

constexpr std::array kPciActiveCoreProductCodes = {
    ProductCodeRange{80, 81},
    ProductCodeRange{85, 86},
    ProductCodeRange{94, 97},
};

// This generation's integrated graphics. The host names codes 1, 2, 4 and
// 5 as the generation's own graphics products and code 3 as the plain
// integrated graphics, so the identifiers map onto those codes.
constexpr std::array kGraphicsCodes = {
    GraphicsCodeRow{0x5901, 1},  // first series, entry
    GraphicsCodeRow{0x5902, 2},  // first series, full
    GraphicsCodeRow{0x5903, 3},  // first series, server and value parts
    GraphicsCodeRow{0x5911, 4},  // second series, entry
    GraphicsCodeRow{0x5912, 5},  // second series, full
    GraphicsCodeRow{0x5913, 3},  // second series, server and value parts
};

}  // namespace

std::span<const module::ProductCodeRange> PciActiveCoreProductCodes() {
    return kPciActiveCoreProductCodes;
}

std::span<const module::GraphicsCodeRow> GraphicsCodeTable() {
    return kGraphicsCodes;
}

}  // namespace sondrel::gen9
