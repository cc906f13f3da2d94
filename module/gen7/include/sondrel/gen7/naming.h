// Cpumod7's brand-string analysis: the " Duo" insertion, its brand rules,
// the demotions by register-derived flags and the name rewrite of derived
// processors. Pure functions of the snapshot.
#pragma once

#include <cstdint>

#include "sondrel/module/snapshot.h"

namespace sondrel::gen7 {

// "…2 CPU…" without "Duo" becomes "…2 Duo CPU…".
void InsertDuo(char* name);

// The class the first holding rule gives; 0 when none holds.
std::int32_t FindBrandClass(const module::ProcessorSnapshot& snapshot);

// The whole brand step of a CPUID pass: insertion, class, validation and mapping.
void ClassifyBrand(module::ProcessorSnapshot& snapshot);

// After the register fields are read: the classes whose register flags
// contradict their name fall to product code 4, and a four-core part that
// reports itself as Extreme moves to the four-core Extreme class.
void ApplyRegisterDemotions(module::ProcessorSnapshot& snapshot);

// The maker's form of a derived processor's name: the family's prefix, the
// model number as written in the name and the rated frequency.
void RewriteName(module::ProcessorSnapshot& snapshot);

}  // namespace sondrel::gen7
