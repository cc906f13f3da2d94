// Cpumod8's brand classes (one table for every signature), its Extreme
// Edition rename, its name fallback and its mobile rule.
#include <array>
#include <string_view>

#include "sondrel/gen8/string_ids.h"
#include "sondrel/gen8/tables.h"

namespace sondrel::gen8 {

namespace {

using module::BrandClassMapping;
using module::BrandRule;
using module::FallbackNameRow;
using module::kAnySignatureValue;
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
constexpr std::string_view kI3Cpu = "Quarn(R) Vantor(TM) i3 CPU ";
constexpr std::string_view kI5Cpu = "Quarn(R) Vantor(TM) i5 CPU ";
constexpr std::string_view kI7Cpu = "Quarn(R) Vantor(TM) i7 CPU ";
constexpr std::string_view kI7E = "Quarn(R) Vantor(TM) i7 Extreme Edition CPU ";
constexpr std::string_view kBastraCpu = "Quarn(R) Bastra(R) CPU ";
constexpr std::string_view kVantorCpu = "Quarn(R) Vantor(TM) CPU ";
constexpr std::string_view kGenuineCpu = "Genuine Quarn(R) CPU ";
constexpr std::string_view kI7 = "Quarn(R) Vantor(TM) i7";

// A Bastra on (2,14) or (2,15) is the many-socket server line.
constexpr std::array kServerExtendedModels = {2};
constexpr std::array kServerSignatures = {
    SignatureRange{kFamily, 14, kServerExtendedModels, kFirstStepping, kLastStepping},
    SignatureRange{kFamily, 15, kServerExtendedModels, kFirstStepping, kLastStepping}};

// No signature branches: one table for every processor.
constexpr std::array kRules = {
    BrandRule{kCorvidCpu, 34},
    BrandRule{kDunlinCpu, 36},
    BrandRule{kI3Cpu, 29},
    BrandRule{kI5Cpu, 28},
    BrandRule{kI7Cpu, 25},
    BrandRule{kI7E, 26},
    BrandRule{
        kBastraCpu, 27, module::XTest::kAny, {}, {}, module::SuffixTest::kAny, false, kServerSignatures},
    BrandRule{kBastraCpu, 24},
    BrandRule{kVantorCpu, 10},
    BrandRule{kGenuineCpu, 10},
};

constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{24, 29}, ValueRange{34, 34},
                                      ValueRange{36, 36}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 56}, BrandClassMapping{24, 79}, BrandClassMapping{25, 80},
    BrandClassMapping{26, 81}, BrandClassMapping{27, 84}, BrandClassMapping{28, 85},
    BrandClassMapping{29, 86}, BrandClassMapping{34, 91}, BrandClassMapping{36, 92},
};

// Renamed when either programmable field holds 1 and the processor is not
// mobile; the name needs no "X" and keeps only the "X" itself; the number
// follows "i7" after a space ("…i7 975 Extreme Edition CPU @…"). A name
// without "@" is not renamed, as in every generation. On success class 26,
// the Extreme Edition's product code.
constexpr std::array<std::int32_t, 0> kAlwaysRenamed{};
constexpr std::array kProgrammableRenamed = {80, 81};
constexpr std::int32_t kExtremeEditionClass = 26;
constexpr std::int32_t kExtremeEditionProduct = 81;

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{79, 81}, ProductCodeRange{84, 86},
                                   ProductCodeRange{91, 92}};
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{79, {string_id::kBastraName, {}}},
    FallbackNameRow{84, {string_id::kBastraName, {}}},
    FallbackNameRow{80, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{81, {string_id::kExtremeEditionName, {}}},
    FallbackNameRow{85, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{86, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{91, {string_id::kCorvidName, {}}},
    FallbackNameRow{92, {string_id::kDunlinName, {}}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.otherSignatureRules = kRules;
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.extremeRename = {kAlwaysRenamed,
                           kProgrammableRenamed,
                           ValueRange{900, 999},
                           kI7,
                           kExtremeEditionClass,
                           kExtremeEditionProduct,
                           module::ProgrammableTest::kEither,
                           true,
                           false,
                           module::ExtremeSuffix::kXLetter,
                           " "};
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

// The mobile rule, by the suffix letter F and the processor number n (no
// family test; "700 < n < 900" and the like written as inclusive ranges).
constexpr std::array kQuadNumbers = {ValueRange{701, 899}};
constexpr std::array kExtremeNumbers = {ValueRange{901, 999}};
constexpr std::array kFirstGenerationRows = {
    SuffixMobileRow{"Q", {}, 1, kQuadNumbers},
    SuffixMobileRow{"X", {}, 1, kExtremeNumbers},
};
constexpr std::array kThreeDigitNumbers = {ValueRange{0, 999}};
constexpr std::array kCorvidNumbers = {ValueRange{5001, 6999}};
constexpr std::array kDunlinNumbers = {ValueRange{3001, 3999}};
constexpr std::array kCorvid = {91};
constexpr std::array kDunlin = {92};
constexpr std::array kSecondGenerationRows = {
    SuffixMobileRow{"LMU", {}, 1, kThreeDigitNumbers},
    SuffixMobileRow{"UP", {}, 1, kCorvidNumbers, kCorvid},
    SuffixMobileRow{"UP", {}, 1, kDunlinNumbers, kDunlin},
};
constexpr std::array kMobileGroups = {
    SuffixMobileGroup{kAnySignatureValue, 1, {}, {}, kFirstGenerationRows},
    SuffixMobileGroup{kAnySignatureValue, 2, {}, {}, kSecondGenerationRows},
    // Every other processor is not mobile.
    SuffixMobileGroup{kAnySignatureValue, kAnySignatureValue, {}, {}, {}},
};

}  // namespace

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

const module::SuffixMobileRule& MobileRule() {
    static const module::SuffixMobileRule rule{{}, kMobileGroups};
    return rule;
}

}  // namespace sondrel::gen8
