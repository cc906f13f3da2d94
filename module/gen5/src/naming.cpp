// Cpumod5's brand rules, class validation and mapping, and name fallback.
#include "sondrel/gen5/naming.h"

#include <array>
#include <string_view>

#include "sondrel/gen5/string_ids.h"
#include "sondrel/gen5/tables.h"
#include "sondrel/module/naming.h"
#include "sondrel/module/brand_text.h"

namespace sondrel::gen5 {

namespace {

using module::BrandClassMapping;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::ValueRange;

// The model from which the Dunlin M name means the later line.
constexpr std::int32_t kLaterDunlinMModel = 14;

struct BrandRule {
    std::string_view prefix;
    std::int32_t brandClass;
    // When not 0: the class for models from kLaterDunlinMModel on.
    std::int32_t laterModelClass = 0;
};

constexpr std::array kRules = {
    BrandRule{"Quarn(R) Corvid(R) M processor ", 22},
    BrandRule{"Mobile Quarn(R) Dunlin(R) processor ", 19},
    BrandRule{"Quarn(R) Dunlin(R) M processor ", 18, 26},
    BrandRule{"Quarn(R) Dunlin(R) M CPU ", 26},
    BrandRule{"Quarn(R) Vantor(TM) Solo CPU ", 23},
    BrandRule{"Quarn(R) Vantor(TM) Duo CPU ", 24},
    BrandRule{"Quarn(R) Bastra(R) CPU ", 25},
    BrandRule{"Quarn(R) Bastra(TM) CPU ", 25},
    BrandRule{"Quarn(R) Corvid(R) Dual-Core CPU ", 27},
    BrandRule{"Quarn(R) Dunlin(R) CPU ", 28},
    BrandRule{"Genuine Quarn(R) CPU ", 10},
};

constexpr std::array kValidClasses = {ValueRange{10, 10}, ValueRange{18, 19}, ValueRange{22, 28}};

constexpr std::array kMapping = {
    BrandClassMapping{10, 62}, BrandClassMapping{18, 57}, BrandClassMapping{19, 55},
    BrandClassMapping{22, 54}, BrandClassMapping{23, 60}, BrandClassMapping{24, 61},
    BrandClassMapping{25, 64}, BrandClassMapping{26, 63}, BrandClassMapping{27, 69},
    BrandClassMapping{28, 74},
};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{62, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{54, 55}, ProductCodeRange{57, 57},
                                   ProductCodeRange{60, 61}, ProductCodeRange{63, 64},
                                   ProductCodeRange{69, 69}, ProductCodeRange{74, 74}};
// A name the frequency decision emptied is refilled with its product line.
constexpr std::array kEmptyNames = {
    FallbackNameRow{62, {string_id::kSampleName, {}}},
    FallbackNameRow{54, {string_id::kCorvidMName, {}}},
    FallbackNameRow{55, {string_id::kMobileDunlinName, {}}},
    FallbackNameRow{57, {string_id::kDunlinMName, {}}},
    FallbackNameRow{63, {string_id::kDunlinMName, {}}},
    FallbackNameRow{60, {string_id::kVantorSoloName, {}}},
    FallbackNameRow{61, {string_id::kVantorDuoName, {}}},
    FallbackNameRow{64, {string_id::kBastraName, {}}},
    FallbackNameRow{69, {string_id::kCorvidDualCoreName, {}}},
    FallbackNameRow{74, {string_id::kDunlinName, {}}},
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

std::int32_t FindBrandClass(const module::ProcessorSnapshot& s) {
    const std::string_view name(s.processorName);
    for (const BrandRule& rule : kRules) {
        if (module::StartsWith(name, rule.prefix)) {
            return rule.laterModelClass != 0 && s.model >= kLaterDunlinMModel ? rule.laterModelClass
                                                                               : rule.brandClass;
        }
    }
    return 0;
}

void ClassifyBrand(module::ProcessorSnapshot& s) {
    module::MapBrandClass(NamingRules(), FindBrandClass(s), s);
}

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

}  // namespace sondrel::gen5
