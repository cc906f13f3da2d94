// Cpumod12's tables of the package and PCI details.
#pragma once

#include <span>

#include "sondrel/module/generation.h"

namespace sondrel::gen12 {

// Product codes whose disabled cores are counted against the PCI-derived active cores.
std::span<const module::ProductCodeRange> PciActiveCoreProductCodes();

// Integrated-graphics device identifiers and their graphics codes.
std::span<const module::GraphicsCodeRow> GraphicsCodeTable();

}  // namespace sondrel::gen12
