// Cpumod5's brand-string rules. Pure functions of the snapshot.
#pragma once

#include <cstdint>

#include "sondrel/module/snapshot.h"

namespace sondrel::gen5 {

// The class the first holding rule gives; 0 when none holds.
std::int32_t FindBrandClass(const module::ProcessorSnapshot& snapshot);

// The whole brand step of a CPUID pass: class, validation and mapping.
void ClassifyBrand(module::ProcessorSnapshot& snapshot);

}  // namespace sondrel::gen5
