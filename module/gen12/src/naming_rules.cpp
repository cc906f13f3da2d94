// Cpumod12's brand classes: three signature branches, each a table of rules
// tried in order.
#include <array>
#include <string_view>

#include "sondrel/gen12/naming_rules.h"
#include "sondrel/gen12/string_ids.h"

namespace sondrel::gen12 {

namespace {

using module::BrandBranch;
using module::BrandClassMapping;
using module::BrandRule;
using module::FallbackNameRow;
using module::NameSource;
using module::ProductCodeRange;
using module::SignatureModel;
using module::SignatureRange;
using module::SuffixTest;
using module::ValueRange;
using module::XTest;

constexpr std::int32_t kFamily = 6;
constexpr std::int32_t kBrandModel = 14;

// Prefixes of the brand string.
constexpr std::string_view kP1 = "Quarn(R) Corvid(R)";
constexpr std::string_view kP2 = "Quarn(R) Dunlin(R)";
constexpr std::string_view kI3 = "Quarn(R) Vantor(TM) i3";
constexpr std::string_view kI5 = "Quarn(R) Vantor(TM) i5";
constexpr std::string_view kI7 = "Quarn(R) Vantor(TM) i7";
constexpr std::string_view kI7E = "Quarn(R) Vantor(TM) i7 Extreme Edition CPU ";
constexpr std::string_view kI9 = "Quarn(R) Vantor(TM) i9";
constexpr std::string_view kM3 = "Quarn(R) Vantor(TM) m3";
constexpr std::string_view kM5 = "Quarn(R) Vantor(TM) m5";
constexpr std::string_view kM7 = "Quarn(R) Vantor(TM) m7";
constexpr std::string_view kMM = "Quarn(R) Vantor(TM) M";
constexpr std::string_view kQP = "Quarn(R) Processor";
constexpr std::string_view kXC = "Quarn(R) Bastra(R) CPU ";
constexpr std::string_view kPC = "Quarn(R) Corvid(R) CPU ";
constexpr std::string_view kCC = "Quarn(R) Dunlin(R) CPU ";
constexpr std::string_view kGC = "Genuine Quarn(R) CPU ";
constexpr std::string_view kXP = "Quarn(R) Bastra(R) Platinum";
constexpr std::string_view kXG = "Quarn(R) Bastra(R) Gold";
constexpr std::string_view kXS = "Quarn(R) Bastra(R) Silver";
constexpr std::string_view kXB = "Quarn(R) Bastra(R) Bronze";
constexpr std::string_view kExtreme = "Extreme";

// Branch A: (4,14) and (5,14), stepping 0 to 7.
constexpr std::array kBranchAExtendedModels = {4, 5};
constexpr std::array kBranchA = {
    BrandRule{kP1, 38}, BrandRule{kP2, 37}, BrandRule{kI3, 29}, BrandRule{kI5, 28}, BrandRule{kI7E, 26},
    BrandRule{kI7, 25}, BrandRule{kM7, 34}, BrandRule{kM5, 35}, BrandRule{kM3, 36}, BrandRule{kMM, 41},
    BrandRule{kQP, 41}, BrandRule{kXC, 39}, BrandRule{kGC, 10},
};

// Branch B: (5,14) and (8,14) from stepping 8, (9,14) from stepping 9.
constexpr std::array kSeries8 = {ValueRange{8000, 8999}};
constexpr std::array kSeries7 = {ValueRange{7000, 7999}};
constexpr std::array kTier700 = {ValueRange{701, 799}};
constexpr std::array kTier800 = {ValueRange{801, 899}};
constexpr std::array kBranchBFirstExtendedModels = {5, 8};
constexpr std::array kBranchBSecondExtendedModels = {9};
constexpr std::array kBranchB = {
    BrandRule{kI3, 62, XTest::kAny, {}, kSeries8, SuffixTest::kMobile},
    BrandRule{kI5, 63, XTest::kAny, {}, kSeries8, SuffixTest::kMobile},
    BrandRule{kI7, 64, XTest::kAny, {}, kSeries8, SuffixTest::kMobile},
    BrandRule{kI3, 59, XTest::kAny, {}, kSeries8, SuffixTest::kOther},
    BrandRule{kI5, 60, XTest::kAny, {}, kSeries8, SuffixTest::kOther},
    BrandRule{kI7, 61, XTest::kAny, {}, kSeries8, SuffixTest::kOther},
    BrandRule{kI3, 48, XTest::kAny, {}, kSeries7, SuffixTest::kMobile},
    BrandRule{kI5, 47, XTest::kAny, {}, kSeries7, SuffixTest::kMobile},
    BrandRule{kI7, 46, XTest::kAny, {}, kSeries7, SuffixTest::kMobile},
    BrandRule{kI3, 45, XTest::kNoX, {}, kSeries7, SuffixTest::kOther},
    BrandRule{kI5, 44, XTest::kNoX, {}, kSeries7, SuffixTest::kOther},
    BrandRule{kI7, 43, XTest::kNoX, {}, kSeries7, SuffixTest::kOther},
    BrandRule{kI5, 53, XTest::kHasX, {}, kSeries7, SuffixTest::kOther},
    BrandRule{kI7, 54, XTest::kHasX, {}, kSeries7, SuffixTest::kOther},
    // Numbers 701 to 899 lie outside 7000 to 8999 by themselves.
    BrandRule{kM3, 42, XTest::kAny, {}, kTier700, SuffixTest::kAny, true},
    BrandRule{kM5, 67, XTest::kAny, {}, kTier700, SuffixTest::kAny, true},
    BrandRule{kM7, 68, XTest::kAny, {}, kTier700, SuffixTest::kAny, true},
    BrandRule{kM3, 69, XTest::kAny, {}, kTier800, SuffixTest::kAny, true},
    BrandRule{kM5, 70, XTest::kAny, {}, kTier800, SuffixTest::kAny, true},
    BrandRule{kM7, 71, XTest::kAny, {}, kTier800, SuffixTest::kAny, true},
    BrandRule{kPC, 50},
    BrandRule{kCC, 49},
    BrandRule{kXC, 74},
    BrandRule{kGC, 10},
};

// Branch C: (5,5) stepping 4.
constexpr std::array kBranchCExtendedModels = {5};
constexpr std::int32_t kBranchCModel = 5;
constexpr std::int32_t kBranchCStepping = 4;
constexpr std::array kBranchC = {
    BrandRule{kXP, 55},
    BrandRule{kXG, 56},
    BrandRule{kXS, 57},
    BrandRule{kXB, 58},
    BrandRule{kI7, 51, XTest::kHasX},
    BrandRule{kI9, 73, XTest::kHasX, kExtreme},
    BrandRule{kI9, 52, XTest::kHasX},
};

constexpr std::int32_t kLastStepping = 15;
constexpr std::array kBranches = {
    BrandBranch{SignatureRange{kFamily, kBrandModel, kBranchAExtendedModels, 0, 7}, kBranchA},
    BrandBranch{SignatureRange{kFamily, kBrandModel, kBranchBFirstExtendedModels, 8, kLastStepping},
                kBranchB},
    BrandBranch{SignatureRange{kFamily, kBrandModel, kBranchBSecondExtendedModels, 9, kLastStepping},
                kBranchB},
    BrandBranch{
        SignatureRange{kFamily, kBranchCModel, kBranchCExtendedModels, kBranchCStepping, kBranchCStepping},
        kBranchC},
};

constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{25, 26}, ValueRange{28, 66},
                                      ValueRange{69, 74}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 56},  BrandClassMapping{25, 121}, BrandClassMapping{26, 127},
    BrandClassMapping{28, 120}, BrandClassMapping{29, 119}, BrandClassMapping{30, 117},
    BrandClassMapping{31, 118}, BrandClassMapping{32, 116}, BrandClassMapping{33, 115},
    BrandClassMapping{34, 114}, BrandClassMapping{35, 113}, BrandClassMapping{36, 112},
    BrandClassMapping{37, 122}, BrandClassMapping{38, 123}, BrandClassMapping{39, 124},
    BrandClassMapping{40, 125}, BrandClassMapping{41, 126}, BrandClassMapping{42, 137},
    BrandClassMapping{43, 133}, BrandClassMapping{44, 132}, BrandClassMapping{45, 131},
    BrandClassMapping{46, 136}, BrandClassMapping{47, 135}, BrandClassMapping{48, 134},
    BrandClassMapping{49, 159}, BrandClassMapping{50, 159}, BrandClassMapping{51, 138},
    BrandClassMapping{52, 139}, BrandClassMapping{53, 140}, BrandClassMapping{54, 141},
    BrandClassMapping{55, 142}, BrandClassMapping{56, 143}, BrandClassMapping{57, 144},
    BrandClassMapping{58, 145}, BrandClassMapping{59, 146}, BrandClassMapping{60, 147},
    BrandClassMapping{61, 148}, BrandClassMapping{62, 149}, BrandClassMapping{63, 150},
    BrandClassMapping{64, 151}, BrandClassMapping{65, 152}, BrandClassMapping{66, 153},
    BrandClassMapping{69, 151}, BrandClassMapping{70, 151}, BrandClassMapping{71, 151},
    BrandClassMapping{72, 157}, BrandClassMapping{73, 158},
};

constexpr std::array kExtremeProductCodes = {117, 121, 127};
constexpr std::array kExtremeProgrammableProductCodes = {118};
constexpr std::int32_t kExtremeEditionClass = 26;
constexpr std::int32_t kExtremeEditionProduct = 127;
constexpr std::int32_t kTierProduct = 126;

constexpr std::array kMobileSignatures = {SignatureModel{4, 14}, SignatureModel{5, 14}, SignatureModel{8, 14},
                                          SignatureModel{9, 14}};
constexpr std::array kSuffixNumbers = {ValueRange{6000, 8999}, ValueRange{1500, 1599}};
constexpr std::array<std::string_view, 4> kTierMarks = {"M-", "m3-", "m5-", "m7-"};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{112, 127}, ProductCodeRange{131, 156},
                                   ProductCodeRange{158, 161}};
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{112, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{115, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{119, {string_id::kVantorI3Name, {}}},
    FallbackNameRow{113, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{116, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{120, {string_id::kVantorI5Name, {}}},
    FallbackNameRow{114, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{117, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{121, {string_id::kVantorI7Name, {}}},
    FallbackNameRow{118, {string_id::kExtremeEditionName, {}}},
    FallbackNameRow{127, {string_id::kExtremeEditionName, {}}},
    FallbackNameRow{122, {string_id::kDunlinName, {}}},
    FallbackNameRow{123, {string_id::kCorvidName, {}}},
    FallbackNameRow{124, {string_id::kBastraName, {}}},
    FallbackNameRow{125, {string_id::kBastraName, {}}},
    FallbackNameRow{126, {0, "Quarn(R) Vantor(TM) M CPU"}},
    FallbackNameRow{138, {0, kI7}},
    FallbackNameRow{141, {0, kI7}},
    FallbackNameRow{148, {0, kI7}},
    FallbackNameRow{151, {0, kI7}},
    FallbackNameRow{139, {0, kI9}},
    FallbackNameRow{140, {0, kI5}},
    FallbackNameRow{147, {0, kI5}},
    FallbackNameRow{150, {0, kI5}},
    FallbackNameRow{146, {0, kI3}},
    FallbackNameRow{149, {0, kI3}},
    FallbackNameRow{142, {0, kXP}},
    FallbackNameRow{143, {0, kXG}},
    FallbackNameRow{144, {0, kXS}},
    FallbackNameRow{145, {0, kXB}},
    FallbackNameRow{152, {0, kCC}},
    FallbackNameRow{153, {0, kPC}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.branches = kBranches;
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.extremeRename = {kExtremeProductCodes,   kExtremeProgrammableProductCodes,
                           ValueRange{4000, 8000}, kI7,
                           kExtremeEditionClass,   kExtremeEditionProduct};
    rules.tierRename = {kTierProduct, ValueRange{501, 599}, kMM};
    rules.mobileRule = {kFamily, kMobileSignatures, kSuffixNumbers};
    rules.mobileSuffixLetters = "EHMNRUY";
    rules.tierMarks = kTierMarks;
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

}  // namespace

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

}  // namespace sondrel::gen12
