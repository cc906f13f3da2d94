// Cpumod9's brand classes (one table for every signature), its Extreme
// Edition rename, its name fallback and its mobile rule.
#include <array>
#include <string_view>

#include "sondrel/gen9/string_ids.h"
#include "sondrel/gen9/tables.h"

namespace sondrel::gen9 {

namespace {

using module::BrandClassMapping;
using module::BrandRule;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::SignatureRange;
using module::SuffixMobileGroup;
using module::SuffixMobileRow;
using module::ValueRange;

constexpr std::int32_t kFamily = 6;
constexpr std::int32_t kFirstStepping = 0;
constexpr std::int32_t kLastStepping = 15;

// Prefixes of the brand string.
constexpr std::string_view kCorvidCpu = "Quarn(R) Corvid(R) CPU ";
constexpr std::string_view kDunlinCpu = "Quarn(R) Dunlin(R) CPU ";
constexpr std::string_view kI3 = "Quarn(R) Vantor(TM) i3";
constexpr std::string_view kI5 = "Quarn(R) Vantor(TM) i5";
constexpr std::string_view kI7E = "Quarn(R) Vantor(TM) i7 Extreme Edition CPU ";
constexpr std::string_view kI7 = "Quarn(R) Vantor(TM) i7";
constexpr std::string_view kBastraCpu = "Quarn(R) Bastra(R) CPU ";
constexpr std::string_view kVantorCpu = "Quarn(R) Vantor(TM) CPU ";
constexpr std::string_view kGenuineCpu = "Genuine Quarn(R) CPU ";

// A Bastra on (2,13) is the server line.
constexpr std::array kServerExtendedModels = {2};
constexpr std::array kServerSignature = {
    SignatureRange{kFamily, 13, kServerExtendedModels, kFirstStepping, kLastStepping}};

// No signature branches: one table for every processor.
constexpr std::array kRules = {
    BrandRule{kCorvidCpu, 35},
    BrandRule{kDunlinCpu, 34},
    BrandRule{kI3, 29},
    BrandRule{kI5, 28},
    BrandRule{kI7E, 26},
    BrandRule{kI7, 25},
    BrandRule{kBastraCpu, 27, module::XTest::kAny, {}, {}, module::SuffixTest::kAny, false, kServerSignature},
    BrandRule{kBastraCpu, 24},
    BrandRule{kVantorCpu, 10},
    BrandRule{kGenuineCpu, 10},
};

constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{24, 29}, ValueRange{34, 35}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 56}, BrandClassMapping{24, 94}, BrandClassMapping{25, 80},
    BrandClassMapping{26, 81}, BrandClassMapping{27, 95}, BrandClassMapping{28, 85},
    BrandClassMapping{29, 86}, BrandClassMapping{34, 96}, BrandClassMapping{35, 97},
};

// Renamed only when both programmable fields hold 1; the model keeps the
// first "X" and the letter after it ("…3970X CPU…", "…2960XM CPU…" both
// keep "X…"); on success class 26, the Extreme Edition's product code.
constexpr std::array<std::int32_t, 0> kAlwaysRenamed{};
constexpr std::array kProgrammableRenamed = {80, 81};
constexpr std::int32_t kExtremeEditionClass = 26;
constexpr std::int32_t kExtremeEditionProduct = 81;

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{80, 81}, ProductCodeRange{85, 86},
                                   ProductCodeRange{94, 97}};
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{80, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{81, {string_id::kExtremeEditionName, {}}},
    FallbackNameRow{85, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{86, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{94, {string_id::kBastraName, {}}},
    FallbackNameRow{95, {string_id::kBastraName, {}}},
    FallbackNameRow{96, {string_id::kDunlinName, {}}},
    FallbackNameRow{97, {string_id::kCorvidName, {}}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.otherSignatureRules = kRules;
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.extremeRename = {kAlwaysRenamed,
                           kProgrammableRenamed,
                           ValueRange{2900, 4999},
                           kI7,
                           kExtremeEditionClass,
                           kExtremeEditionProduct,
                           module::ProgrammableTest::kBoth,
                           false,
                           true,
                           module::ExtremeSuffix::kXPair};
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

// The mobile rule. F is the suffix letter, S the letter after it, read only
// when F is H, Q, U or X. Numbers are the processor number; the bounds of
// "700 < n < 4000" and the like are written as inclusive ranges.
constexpr std::array kFirstGenerationModels = {10, 13};
constexpr std::array kFirstGenerationNumbers = {ValueRange{701, 3999}};
constexpr std::array kValueNumbers = {ValueRange{751, 869}};
// "F = Q gives 1 when S = M, else 1 when S = E" is read as: Q is mobile
// with S either M or E.
constexpr std::array kFirstGenerationRows = {
    SuffixMobileRow{"Q", "ME"},
    SuffixMobileRow{"Q", {}, 0},
    SuffixMobileRow{"U", "E"},
    SuffixMobileRow{"U", {}, 0},
    SuffixMobileRow{"G", {}, 0},
    SuffixMobileRow{"X", "M"},
    SuffixMobileRow{"X", {}, 0},
    SuffixMobileRow{"BEM"},
    // Any other F: mobile only within 751 to 869.
    SuffixMobileRow{{}, {}, 1, kValueNumbers},
};
constexpr std::array kSecondGenerationModels = {10};
constexpr std::array kSecondGenerationNumbers = {ValueRange{1000, 3999}};
// "F = L gives 1 when S = E" never holds: S is read only after H, Q, U or X.
constexpr std::array kSecondGenerationRows = {
    SuffixMobileRow{"MUY"},
    SuffixMobileRow{"L", "E"},
    SuffixMobileRow{"Q", "ME"},
    SuffixMobileRow{"X", "M"},
};
constexpr std::array kMobileGroups = {
    SuffixMobileGroup{kFamily, 2, kFirstGenerationModels, kFirstGenerationNumbers, kFirstGenerationRows},
    SuffixMobileGroup{kFamily, 3, kSecondGenerationModels, kSecondGenerationNumbers, kSecondGenerationRows},
    // (3,10) with a number outside 1000 to 3999 is not mobile.
    SuffixMobileGroup{kFamily, 3, kSecondGenerationModels, {}, {}},
};

}  // namespace

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

const module::SuffixMobileRule& MobileRule() {
    static const module::SuffixMobileRule rule{"HQUX", kMobileGroups};
    return rule;
}

}  // namespace sondrel::gen9
