// Cpumod7's class validation and mapping and its name fallback. The brand
// rules themselves are in naming.cpp.
#include <array>

#include "sondrel/gen7/string_ids.h"
#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::BrandClassMapping;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::ValueRange;

// Class 21 (a Dunlin name of no known form) is not valid: not handled.
constexpr std::array kValidClasses = {ValueRange{10, 20}, ValueRange{22, 25}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 56}, BrandClassMapping{11, 65}, BrandClassMapping{12, 66},
    BrandClassMapping{13, 67}, BrandClassMapping{14, 68}, BrandClassMapping{15, 71},
    BrandClassMapping{16, 70}, BrandClassMapping{17, 72}, BrandClassMapping{18, 73},
    BrandClassMapping{19, 75}, BrandClassMapping{20, 76}, BrandClassMapping{22, 77},
    BrandClassMapping{23, 78}, BrandClassMapping{24, 83}, BrandClassMapping{25, 82},
};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{65, 68}, ProductCodeRange{70, 73},
                                   ProductCodeRange{75, 78}, ProductCodeRange{82, 83}};
// A name the frequency decision emptied is refilled with its product line.
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{65, {string_id::kVantor2DuoName, {}}},
    FallbackNameRow{67, {string_id::kVantor2DuoName, {}}},
    FallbackNameRow{66, {string_id::kVantor2ExtremeName, {}}},
    FallbackNameRow{70, {string_id::kVantor2ExtremeName, {}}},
    FallbackNameRow{71, {string_id::kVantor2QuadName, {}}},
    FallbackNameRow{76, {string_id::kVantor2SoloName, {}}},
    FallbackNameRow{68, {string_id::kBastraName, {}}},
    FallbackNameRow{72, {string_id::kCorvidName, {}}},
    FallbackNameRow{82, {string_id::kCorvidName, {}}},
    FallbackNameRow{73, {string_id::kDunlinName, {}}},
    FallbackNameRow{75, {string_id::kDunlinName, {}}},
    FallbackNameRow{77, {string_id::kDunlinName, {}}},
    FallbackNameRow{83, {string_id::kDunlinName, {}}},
    FallbackNameRow{78, {string_id::kEmberName, {}}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.validClasses = kValidClasses;
    rules.mapping = kMapping;
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

}  // namespace

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

}  // namespace sondrel::gen7
