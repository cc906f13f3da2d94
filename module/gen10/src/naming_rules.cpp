// Cpumod10's brand classes: one table of rules for every signature; no
// renames and no mobile rule.
#include <array>
#include <string_view>

#include "sondrel/gen10/string_ids.h"
#include "sondrel/gen10/tables.h"

namespace sondrel::gen10 {

namespace {

using module::BrandBranch;
using module::BrandClassMapping;
using module::BrandRule;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::SignatureRange;
using module::ValueRange;

constexpr std::int32_t kFamily = 6;
constexpr std::int32_t kLastStepping = 15;

constexpr std::array kRules = {
    BrandRule{"Quarn(R) Ember(TM) x", 26},    BrandRule{"Quarn(R) Ember(TM) CPU ", 23},
    BrandRule{"Quarn(R) Corvid(R) CPU ", 25}, BrandRule{"Quarn(R) Dunlin(R) CPU ", 24},
    BrandRule{"Genuine Quarn(R) CPU ", 10},
};

constexpr std::array<std::int32_t, 0> kEveryExtendedModel{};
constexpr std::array kBranches = {
    BrandBranch{SignatureRange{kFamily, module::kAnyModel, kEveryExtendedModel, 0, kLastStepping}, kRules},
};

// Classes 27 and 28 are valid and mapped although no rule gives them.
constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{23, 28}};
constexpr std::array kMapping = {
    BrandClassMapping{10, 56},  BrandClassMapping{23, 78},  BrandClassMapping{24, 102},
    BrandClassMapping{25, 103}, BrandClassMapping{26, 106}, BrandClassMapping{27, 104},
    BrandClassMapping{28, 105},
};
constexpr std::array kMappedProductCodes = {ProductCodeRange{56, 56}, ProductCodeRange{78, 78},
                                            ProductCodeRange{102, 106}};

constexpr std::array<std::int32_t, 0> kNoCodes{};
constexpr std::array<module::SignatureModel, 0> kNoMobileSignatures{};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{78, 78}, ProductCodeRange{102, 106}};
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},   FallbackNameRow{78, {string_id::kEmberName, {}}},
    FallbackNameRow{102, {string_id::kDunlinName, {}}},  FallbackNameRow{103, {string_id::kCorvidName, {}}},
    FallbackNameRow{104, {string_id::kEmberX5Name, {}}}, FallbackNameRow{105, {string_id::kEmberX7Name, {}}},
    FallbackNameRow{106, {string_id::kEmberXName, {}}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.branches = kBranches;
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.extremeRename = {kNoCodes, kNoCodes, ValueRange{0, -1}, {}, 0, 0};
    rules.tierRename = {0, ValueRange{0, -1}, {}};
    rules.mobileRule = {kFamily, kNoMobileSignatures, {}};
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

}  // namespace

std::span<const module::ProductCodeRange> MappedProductCodes() {
    return kMappedProductCodes;
}

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

}  // namespace sondrel::gen10
