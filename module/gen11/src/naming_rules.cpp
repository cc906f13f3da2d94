// Cpumod11's brand classes: one table of rules for every signature, a
// Bastra rule that looks at the signature, and the renames and mobile rule
// of this generation.
#include <array>
#include <string_view>

#include "sondrel/gen11/string_ids.h"
#include "sondrel/gen11/tables.h"

namespace sondrel::gen11 {

namespace {

using module::BrandBranch;
using module::BrandClassAlias;
using module::BrandClassMapping;
using module::BrandRule;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::SignatureModel;
using module::SignatureRange;
using module::SuffixTest;
using module::ValueRange;
using module::XTest;

constexpr std::int32_t kFamily = 6;
constexpr std::int32_t kLastStepping = 15;

// Prefixes of the brand string.
constexpr std::string_view kCorvid = "Quarn(R) Corvid(R)";
constexpr std::string_view kDunlin = "Quarn(R) Dunlin(R)";
constexpr std::string_view kI3 = "Quarn(R) Vantor(TM) i3";
constexpr std::string_view kI5 = "Quarn(R) Vantor(TM) i5";
constexpr std::string_view kI7 = "Quarn(R) Vantor(TM) i7";
constexpr std::string_view kI7E = "Quarn(R) Vantor(TM) i7 Extreme Edition CPU ";
constexpr std::string_view kMM = "Quarn(R) Vantor(TM) M";
constexpr std::string_view kQP = "Quarn(R) Processor";
constexpr std::string_view kXC = "Quarn(R) Bastra(R) CPU ";
constexpr std::string_view kGC = "Genuine Quarn(R) CPU ";

// The Bastra rule: class 27 on (4, 13), 43 on (5, 6), 24 elsewhere. (4, 13)
// is served by Cpumod10, so class 27 is kept as the generation had it.
constexpr std::array<std::int32_t, 1> kExtendedModel4{4};
constexpr std::array<std::int32_t, 1> kExtendedModel5{5};
constexpr std::array kBastraServer{SignatureRange{kFamily, 13, kExtendedModel4, 0, kLastStepping}};
constexpr std::array kBastraWorkstation{SignatureRange{kFamily, 6, kExtendedModel5, 0, kLastStepping}};

constexpr std::array kRules = {
    BrandRule{kCorvid, 35},
    BrandRule{kDunlin, 34},
    BrandRule{kI3, 29},
    BrandRule{kI5, 28},
    BrandRule{kI7E, 26},
    BrandRule{kI7, 25},
    BrandRule{kMM, 42},
    BrandRule{kQP, 42},
    BrandRule{kXC, 27, XTest::kAny, {}, {}, SuffixTest::kAny, false, kBastraServer},
    BrandRule{kXC, 43, XTest::kAny, {}, {}, SuffixTest::kAny, false, kBastraWorkstation},
    BrandRule{kXC, 24},
    BrandRule{kGC, 10},
};

// No signature branches: the rules hold for every family-6 processor.
constexpr std::array<std::int32_t, 0> kEveryExtendedModel{};
constexpr std::array kBranches = {
    BrandBranch{SignatureRange{kFamily, module::kAnyModel, kEveryExtendedModel, 0, kLastStepping}, kRules},
};

constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{24, 29}, ValueRange{34, 43}};
// Classes 36 and 37 are held as 38 and 39; no rule gives them, and the
// product codes still come from the class the rules gave.
constexpr std::array kClassAliases = {BrandClassAlias{36, 38}, BrandClassAlias{37, 39}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 56},  BrandClassMapping{24, 98},  BrandClassMapping{25, 80},
    BrandClassMapping{26, 81},  BrandClassMapping{27, 99},  BrandClassMapping{28, 85},
    BrandClassMapping{29, 86},  BrandClassMapping{34, 100}, BrandClassMapping{36, 100},
    BrandClassMapping{35, 101}, BrandClassMapping{37, 101}, BrandClassMapping{38, 108},
    BrandClassMapping{39, 109}, BrandClassMapping{40, 110}, BrandClassMapping{41, 107},
    BrandClassMapping{42, 111}, BrandClassMapping{43, 129},
};

// Every product code the mapping gives (4 aside): the mobile rule judges
// these. Cpumod12's codes (112 to 127, 131 to 161) never arise here, so with
// them the rule would never run.
constexpr std::array kMappedProductCodes = {
    ProductCodeRange{56, 56},  ProductCodeRange{80, 81},   ProductCodeRange{85, 86},
    ProductCodeRange{98, 101}, ProductCodeRange{107, 111}, ProductCodeRange{129, 129},
};

// The Extreme Edition rename: only with both programmable fields 1.
constexpr std::array<std::int32_t, 0> kExtremeProductCodes{};
constexpr std::array kExtremeProgrammableProductCodes = {80, 81};
constexpr std::int32_t kExtremeEditionClass = 26;
constexpr std::int32_t kExtremeEditionProduct = 81;
constexpr std::int32_t kTierProduct = 111;

// The mobile rule: processor numbers 2000 to 5999 go by their suffix
// letter, any other by an "M-" in the name.
constexpr std::array kMobileSignatures = {SignatureModel{3, 12}, SignatureModel{3, 13}, SignatureModel{3, 15},
                                          SignatureModel{4, 5},  SignatureModel{4, 6},  SignatureModel{4, 7},
                                          SignatureModel{4, 15}};
constexpr std::array kSuffixNumbers = {ValueRange{2000, 5999}};
constexpr std::array<std::string_view, 1> kTierMarks = {"M-"};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{80, 81}, ProductCodeRange{85, 86},
                                   ProductCodeRange{98, 101}, ProductCodeRange{107, 111},
                                   ProductCodeRange{129, 129}};
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{80, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{81, {string_id::kExtremeEditionName, {}}},
    FallbackNameRow{85, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{86, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{98, {string_id::kBastraName, {}}},
    FallbackNameRow{99, {string_id::kBastraName, {}}},
    FallbackNameRow{107, {string_id::kBastraName, {}}},
    FallbackNameRow{110, {string_id::kBastraName, {}}},
    FallbackNameRow{129, {string_id::kBastraName, {}}},
    FallbackNameRow{100, {string_id::kDunlinName, {}}},
    FallbackNameRow{108, {string_id::kDunlinName, {}}},
    FallbackNameRow{101, {string_id::kCorvidName, {}}},
    FallbackNameRow{109, {string_id::kCorvidName, {}}},
    FallbackNameRow{111, {0, "Quarn(R) Vantor(TM) M CPU"}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.branches = kBranches;
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.classAliases = kClassAliases;
    rules.extremeRename = {kExtremeProductCodes,   kExtremeProgrammableProductCodes,
                           ValueRange{4000, 7000}, kI7,
                           kExtremeEditionClass,   kExtremeEditionProduct};
    rules.tierRename = {kTierProduct, ValueRange{501, 599}, kMM};
    rules.mobileRule = {kFamily, kMobileSignatures, kSuffixNumbers};
    rules.mobileSuffixLetters = "EHMNUY";
    rules.tierMarks = kTierMarks;
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

}  // namespace sondrel::gen11
