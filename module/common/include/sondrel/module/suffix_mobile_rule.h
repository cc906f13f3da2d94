// A mobile rule read from the suffix letters of the processor name: the
// suffix letter F and the letter S that follows it. Generations whose mobile
// parts are told apart by such letters ("…2760QM CPU…") describe their rule
// as groups of rows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "sondrel/module/naming_rules.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

// Family or extended model of a group that any value matches.
inline constexpr std::int32_t kAnySignatureValue = -1;

// One row: it holds when every test holds, and then gives `mobile`.
struct SuffixMobileRow {
    std::string_view firstLetters;                    // F is one of them; empty: any F, none included
    std::string_view secondLetters = {};              // S is one of them; empty: S is not tested
    std::int32_t mobile = 1;                          // the mobile flag the row gives
    std::span<const ValueRange> numbers = {};         // the processor number lies in one, when not empty
    std::span<const std::int32_t> productCodes = {};  // the product code is one, when not empty
};

// The rows of the processors one group covers. The first holding row decides;
// when none holds the flag is 0.
struct SuffixMobileGroup {
    std::int32_t family;                   // or kAnySignatureValue
    std::int32_t extendedModel;            // or kAnySignatureValue
    std::span<const std::int32_t> models;  // empty: any model
    std::span<const ValueRange> numbers;   // the group covers only these processor numbers; empty: any
    std::span<const SuffixMobileRow> rows;
};

struct SuffixMobileRule {
    // S is read only when F is one of these; otherwise S is none.
    std::string_view lettersWithSecond;
    // The first group that covers the processor decides; a processor no
    // group covers keeps its mobile flag.
    std::span<const SuffixMobileGroup> groups;
};

// The mobile flag the rule gives the snapshot's processor, or -1 when no
// group covers it.
std::int32_t SuffixMobileFlag(const SuffixMobileRule& rule, const ProcessorSnapshot& snapshot);

// Applies the rule to the snapshot's mobileFlag.
void ApplySuffixMobileRule(const SuffixMobileRule& rule, ProcessorSnapshot& snapshot);

}  // namespace sondrel::module
