// The package step, the information-item word and the logo lookup: pure
// functions of the snapshot fields they name, driven by a generation's
// InformationRules.
#pragma once

#include <cstdint>
#include <optional>

#include "sondrel/module/information_rules.h"
#include "sondrel/module/naming.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

// The package of the processor; nullopt when the step writes nothing.
std::optional<PackageChoice> FindPackage(const InformationRules& rules, const ProcessorSnapshot& snapshot);

// packageCode and packageName (a missing string leaves the name empty).
void RunPackageStep(const InformationRules& rules, const LoadText& load, ProcessorSnapshot& snapshot);

// Bit (item − 1) holds information item 1 … 18.
std::int32_t ComputeInfoItemWord(const InformationRules& rules, const ProcessorSnapshot& snapshot);

// The language-file bitmap of the product code's logo; nullopt: no logo.
std::optional<std::int32_t> FindLogoBitmap(const InformationRules& rules, std::int32_t productCode);

}  // namespace sondrel::module
