// Cpumod11's PCI details: where the active cores are read, which product
// codes count disabled cores against them, and the graphics identifiers.
#include <array>

#include "sondrel/gen11/tables.h"

namespace sondrel::gen11 {

namespace {

using module::GraphicsCodeRow;
using module::ModelSignature;
using module::ProductCodeRange;

constexpr std::array kPciActiveCoreProductCodes = {
    ProductCodeRange{80, 81},   ProductCodeRange{85, 86},   ProductCodeRange{98, 101},
    ProductCodeRange{107, 111}, ProductCodeRange{129, 129},
};

// The read before the active cores, whose value is not used.
constexpr std::int32_t kProbeFamily = 6;
constexpr std::array kProbeSignatures = {
    ModelSignature{3, 12}, ModelSignature{3, 15}, ModelSignature{4, 15}, ModelSignature{5, 6},
    ModelSignature{4, 5},  ModelSignature{4, 6},  ModelSignature{4, 7},
};
// Server parts on (4, 13) count their active cores in the processor device;
// no other processor of these product codes reads them. (4, 13) itself is
// served by Cpumod10, so the row is kept as the generation had it.
constexpr std::array kProcessorDeviceProductCodes = {99, 107};
constexpr ModelSignature kProcessorDeviceSignature{4, 13};
constexpr std::array kHostBridgeExtendedModels = {3, 4, 5};

constexpr module::ActiveCoreReads kActiveCoreReads{kProbeFamily, kProbeSignatures,
                                                   kProcessorDeviceProductCodes, kProcessorDeviceSignature,
                                                   kHostBridgeExtendedModels};

// The one identifier whose code depends on the base TDP: a graphics core
// shipped in the 15 W and the 28 W mobile parts.
constexpr std::int32_t kTdpDependentGraphics = 0x5A20;
constexpr double kLowPowerTdpWatts = 15.0;
constexpr double kMidPowerTdpWatts = 28.0;

// The maker's integrated graphics of this generation: codes 6 to 13 for the
// parts of extended model 3, 14 to 22 for those of extended models 4 and 5
// (code 20 names no product).
constexpr std::array kGraphicsCodes = {
    GraphicsCodeRow{0x5A06, 6},
    GraphicsCodeRow{0x5A07, 7},
    GraphicsCodeRow{0x5A08, 8},
    GraphicsCodeRow{0x5A09, 9},
    GraphicsCodeRow{0x5A0A, 10},
    GraphicsCodeRow{0x5A0B, 11},
    GraphicsCodeRow{0x5A0C, 12},
    GraphicsCodeRow{0x5A0D, 13},
    GraphicsCodeRow{0x5A0E, 14},
    GraphicsCodeRow{0x5A0F, 15},
    GraphicsCodeRow{0x5A10, 16},
    GraphicsCodeRow{0x5A11, 17},
    GraphicsCodeRow{0x5A12, 18},
    GraphicsCodeRow{0x5A13, 19},
    GraphicsCodeRow{0x5A15, 21},
    GraphicsCodeRow{0x5A16, 22},
    GraphicsCodeRow{kTdpDependentGraphics, 17, kLowPowerTdpWatts},
    GraphicsCodeRow{kTdpDependentGraphics, 18, kMidPowerTdpWatts},
};

}  // namespace

std::span<const module::ProductCodeRange> PciActiveCoreProductCodes() {
    return kPciActiveCoreProductCodes;
}

const module::ActiveCoreReads& ActiveCoreReads() {
    return kActiveCoreReads;
}

std::span<const module::GraphicsCodeRow> GraphicsCodeTable() {
    return kGraphicsCodes;
}

}  // namespace sondrel::gen11
