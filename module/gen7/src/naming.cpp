#include "sondrel/gen7/naming.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "sondrel/gen7/tables.h"
#include "sondrel/module/brand_text.h"
#include "sondrel/module/naming.h"
#include "sondrel/module/text.h"

namespace sondrel::gen7 {

namespace {

using module::ProcessorSnapshot;

// Extra tests some rules make beyond their prefix.
enum class RuleTest {
    kNone,
    kTwoCoresOfLaterModels,  // leaf-4 cores ≥ 2, extended model 1 and model 6 or above
    kFamily6Model17,         // family 6, extended model 1, model 7
    kThreeCores,             // leaf-4 cores ≥ 3
};

struct BrandRule {
    std::string_view prefix;
    std::int32_t brandClass;
    RuleTest test = RuleTest::kNone;
    std::int32_t otherwise = 0;  // the class when the test fails (0: try the next rule)
};

constexpr std::array kRules = {
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU L", 13},
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU P", 13},
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU T", 13},
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU U", 13},
    BrandRule{"Quarn(R) Corvid(R) Dual-Core CPU ", 17},
    BrandRule{"Quarn(R) Corvid(R) Dual CPU T", 17},
    BrandRule{"Quarn(R) Corvid(R) Dual CPU E", 17},
    BrandRule{"Quarn(R) Corvid(R) Dual ", 17},
    BrandRule{"Corvid(R) Dual-Core CPU ", 17},
    BrandRule{"Quarn(R) Dunlin(R) Dual-Core CPU ", 22},
    BrandRule{"Dunlin(R) Dual-Core CPU ", 24},
    BrandRule{"Quarn(R) Dunlin(R) CPU ", 24, RuleTest::kTwoCoresOfLaterModels, 18},
    BrandRule{"Quarn(R) Dunlin(R) M CPU ", 24, RuleTest::kFamily6Model17, 19},
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU X", 12},
    BrandRule{"Quarn(R) Vantor(TM)2 Quad CPU X", 16},
    BrandRule{"Quarn(R) Vantor(TM)2 Extreme CPU Q", 16},
    BrandRule{"Quarn(R) Vantor(TM)2 Extreme CPU ", 16, RuleTest::kThreeCores, 12},
    BrandRule{"Quarn(R) Vantor(TM)2 Solo CPU ", 20},
    BrandRule{"Quarn(R) Vantor(TM)2 Duo CPU ", 11},
    BrandRule{"Quarn(R) Vantor(TM)2 Quad CPU ", 15},
    BrandRule{"Quarn(R) Bastra(R) CPU ", 14},
    BrandRule{"Quarn(R) Corvid(R) CPU ", 25},
    BrandRule{"Corvid(R) CPU ", 25},
    BrandRule{"Quarn(R) Dunlin(R) ", 21},
    BrandRule{"Dunlin(R) CPU ", 18},
    BrandRule{"Quarn(R) Ember(TM) CPU ", 23},
    BrandRule{"Genuine Quarn(R) CPU ", 10},
};

constexpr std::int32_t kFamily6 = 6;
constexpr std::int32_t kLaterExtendedModel = 1;
constexpr std::int32_t kFirstLaterModel = 6;
constexpr std::int32_t kMobileDunlinModel = 7;
constexpr std::int32_t kTwoCores = 2;
constexpr std::int32_t kThreeCores = 3;

bool Holds(RuleTest test, const ProcessorSnapshot& s) {
    switch (test) {
        case RuleTest::kNone:
            return true;
        case RuleTest::kTwoCoresOfLaterModels:
            return s.cacheLeafCores >= kTwoCores && s.extendedModel == kLaterExtendedModel &&
                   s.model >= kFirstLaterModel;
        case RuleTest::kFamily6Model17:
            return s.family == kFamily6 && s.extendedModel == kLaterExtendedModel &&
                   s.model == kMobileDunlinModel;
        case RuleTest::kThreeCores:
            return s.cacheLeafCores >= kThreeCores;
    }
    return false;
}

// Register flags a demotion tests.
enum class Flag { kMobile, kExtremeEdition, kMultiCoreEnabled };

struct Demotion {
    std::int32_t brandClass;
    Flag flag;
    std::int32_t value;     // the flag's value that triggers the row
    std::int32_t newClass;  // 0: product code 4
};

// In order; a moved class is judged by the rows of its new class after it.
constexpr std::array kDemotions = {
    // A four-core part that reports itself as an Extreme Edition is one.
    Demotion{15, Flag::kExtremeEdition, 1, 16},
    // Multi-core names on a part with its cores disabled.
    Demotion{11, Flag::kMultiCoreEnabled, 0, 0},
    Demotion{15, Flag::kMultiCoreEnabled, 0, 0},
    // A desktop two-core name on a mobile platform (the mobile two-core parts
    // carry the letters L, P, T or U and have a class of their own).
    Demotion{11, Flag::kMobile, 1, 0},
    // Extreme names on a part that does not report itself as one.
    Demotion{12, Flag::kExtremeEdition, 0, 0},
    Demotion{16, Flag::kExtremeEdition, 0, 0},
    // A mobile name on a part that reports no mobile platform.
    Demotion{19, Flag::kMobile, 0, 0},
};

std::int32_t FlagValue(Flag flag, const ProcessorSnapshot& s) {
    switch (flag) {
        case Flag::kMobile:
            return s.mobileFlag;
        case Flag::kExtremeEdition:
            return s.fields.Value(module::fsb_field::kExtremeEdition);
        case Flag::kMultiCoreEnabled:
            return s.fields.Value(module::fsb_field::kMultiCoreEnabled);
    }
    return 0;
}

// Derived product codes whose name is rebuilt in the maker's form.
struct NameForm {
    std::int32_t productCode;
    std::string_view prefix;
};

constexpr std::array kNameForms = {
    NameForm{71, "Quarn(R) Vantor(TM)2 Quad CPU "},    NameForm{70, "Quarn(R) Vantor(TM)2 Extreme CPU "},
    NameForm{72, "Quarn(R) Corvid(R) Dual-Core CPU "}, NameForm{77, "Quarn(R) Dunlin(R) Dual-Core CPU "},
    NameForm{83, "Quarn(R) Dunlin(R) Dual-Core CPU "},
};

constexpr std::string_view kDuoMark = "2 CPU";
constexpr std::string_view kDuo = "Duo";
constexpr std::string_view kDuoInsert = " Duo";
constexpr double kMHzPerHundredthGHz = 10.0;
constexpr double kHundredthsPerGHz = 100.0;

// The word of the name (between spaces) that holds the digits of `number`,
// looked for after "CPU" when the name has one (the line's own "2" comes before it).
std::string_view ModelWord(std::string_view name, std::int32_t number) {
    const std::string digits = std::to_string(number);
    const std::size_t from = module::Find(name, "CPU").value_or(0);
    const std::size_t at = name.find(digits, from);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::size_t space = name.rfind(' ', at);
    const std::size_t begin = space == std::string_view::npos ? 0 : space + 1;
    const std::size_t end = std::min(name.find(' ', at), name.size());
    return name.substr(begin, end - begin);
}

}  // namespace

void InsertDuo(char* name) {
    const std::string_view text(name);
    const auto mark = module::Find(text, kDuoMark);
    if (!mark || module::Contains(text, kDuo)) {
        return;
    }
    std::string inserted(text.substr(0, *mark + 1));
    inserted.append(kDuoInsert);
    inserted.append(text.substr(*mark + 1));
    module::CopyBounded(name, kNameBufferSize, inserted.c_str());
}

std::int32_t FindBrandClass(const ProcessorSnapshot& s) {
    const std::string_view name(s.processorName);
    for (const BrandRule& rule : kRules) {
        if (!module::StartsWith(name, rule.prefix)) {
            continue;
        }
        if (Holds(rule.test, s)) {
            return rule.brandClass;
        }
        if (rule.otherwise != 0) {
            return rule.otherwise;
        }
    }
    return 0;
}

void ClassifyBrand(ProcessorSnapshot& s) {
    InsertDuo(s.processorName);
    module::MapBrandClass(NamingRules(), FindBrandClass(s), s);
}

void ApplyRegisterDemotions(ProcessorSnapshot& s) {
    if (s.productCode == module::kProductNotHandled) {
        return;
    }
    for (const Demotion& row : kDemotions) {
        if (row.brandClass != s.brandClass || FlagValue(row.flag, s) != row.value) {
            continue;
        }
        if (row.newClass == 0) {
            s.productCode = module::kProductNotHandled;
            s.expectedCpuMHz = 0.0f;
            return;
        }
        module::MapBrandClass(NamingRules(), row.newClass, s);
    }
}

void RewriteName(ProcessorSnapshot& s) {
    const auto form = std::find_if(kNameForms.begin(), kNameForms.end(), [&s](const NameForm& candidate) {
        return candidate.productCode == s.productCode;
    });
    const std::string_view name(s.processorName);
    const std::int32_t number = module::ProcessorNumber(name);
    if (form == kNameForms.end() || number <= 0 || !(s.expectedCpuMHz > 0.0f)) {
        return;
    }
    const std::string_view word = ModelWord(name, number);
    if (word.empty()) {
        return;
    }
    // The rated frequency in hundredths of a gigahertz, as the maker writes it.
    const double hundredths = std::floor(static_cast<double>(s.expectedCpuMHz) / kMHzPerHundredthGHz);
    char frequency[32];
    std::snprintf(frequency, sizeof frequency, " @ %.2fGHz", hundredths / kHundredthsPerGHz);
    std::string rebuilt(form->prefix);
    rebuilt.append(word);
    rebuilt.append(frequency);
    module::CopyBounded(s.processorName, module::kCollapsedNameLimit + 1, rebuilt.c_str());
}

}  // namespace sondrel::gen7
