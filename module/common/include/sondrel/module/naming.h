// Brand-string analysis and naming: pure functions of the snapshot fields
// they name, driven by a generation's NamingRules.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "sondrel/module/naming_rules.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

// Loads a language-file string into a buffer (at most size − 1 characters
// and a terminator); false, with the buffer emptied, when it is missing.
using LoadText = std::function<bool(std::int32_t stringId, std::span<char> buffer)>;

// The class the first holding rule gives for the signature and
// processorName; 0 when no branch or rule holds.
std::int32_t FindBrandClass(const NamingRules& rules, const ProcessorSnapshot& snapshot);

// Validation and mapping of a class into brandClass and productCode; a
// rejected or unmapped class leaves the processor not handled
// (productCode 4, expectedCpuMHz 0).
void MapBrandClass(const NamingRules& rules, std::int32_t brandClass, ProcessorSnapshot& snapshot);

// The Extreme Edition rename of processorName; the name changes only on success.
bool RenameExtremeEdition(const ExtremeRenameRule& rule, ProcessorSnapshot& snapshot);

// The tier rename of processorName, which also marks the processor mobile.
bool RenameTier(const TierRenameRule& rule, ProcessorSnapshot& snapshot);

// Class, product code and both renames: the whole brand step of a CPUID pass.
void ClassifyBrand(const NamingRules& rules, ProcessorSnapshot& snapshot);

// The mobile rule at the end of a register pass: updates mobileFlag for
// the signatures it covers and leaves it alone for the others.
void ApplyMobileRule(const NamingRules& rules, ProcessorSnapshot& snapshot);

// The name fallback: processorName and nameEstablished.
void RunNameFallback(const NameFallbackRules& rules, const LoadText& load, ProcessorSnapshot& snapshot);

}  // namespace sondrel::module
