// Cpumod6's brand classes, their second step to product codes by
// signature, and its name fallback.
#include <algorithm>
#include <array>
#include <string_view>

#include "sondrel/gen6/string_ids.h"
#include "sondrel/gen6/tables.h"
#include "sondrel/module/naming.h"

namespace sondrel::gen6 {

namespace {

using module::BrandRule;
using module::FallbackNameRow;
using module::ProductCodeRange;
using module::ValueRange;

constexpr std::int32_t kCorvid4 = 100;
constexpr std::int32_t kMobileCorvid4 = 150;
constexpr std::int32_t kGenuine = 200;
constexpr std::int32_t kDunlin = 250;
constexpr std::int32_t kBastra = 300;
constexpr std::int32_t kCorvidD = 350;

// One table for every signature; the second step looks at the model.
constexpr std::array kRules = {
    BrandRule{"Quarn(R) Corvid(R) 4 CPU ", kCorvid4},
    BrandRule{"Mobile Quarn(R) Corvid(R) 4 CPU ", kMobileCorvid4},
    BrandRule{"Genuine Quarn(R) CPU ", kGenuine},
    BrandRule{"Quarn(R) Dunlin(R) D CPU ", kDunlin},
    BrandRule{"Quarn(R) Dunlin(R) CPU ", kDunlin},
    BrandRule{"Quarn(R) Corvid(R) D CPU ", kCorvidD},
    BrandRule{"Quarn(R) Bastra(TM) CPU ", kBastra},
    BrandRule{"Quarn(R) Bastra(TM) DP CPU ", kBastra},
    BrandRule{"Quarn(R) Bastra(TM) MP CPU ", kBastra},
    BrandRule{"Quarn(R) Bastra(R) CPU ", kBastra},
    BrandRule{"Quarn(R) Bastra(R) DP CPU ", kBastra},
    BrandRule{"Quarn(R) Bastra(R) MP CPU ", kBastra},
};

constexpr std::array kValidClasses = {ValueRange{kCorvid4, kCorvid4}, ValueRange{kMobileCorvid4, kMobileCorvid4},
                                      ValueRange{kGenuine, kGenuine},   ValueRange{kDunlin, kDunlin},
                                      ValueRange{kBastra, kBastra},     ValueRange{kCorvidD, kCorvidD}};

// The second step: a class gives its product code only on the models its
// line was made on. The mobile line ended before model 6; the two-core
// line began with model 4.
struct SecondStepRow {
    std::int32_t brandClass;
    std::span<const std::int32_t> models;
    std::int32_t productCode;
};
constexpr std::array kAllModels = {3, 4, 6};
constexpr std::array kSingleCoreModels = {3, 4};
constexpr std::array kTwoCoreModels = {4, 6};

constexpr std::array kSecondStep = {
    SecondStepRow{kCorvid4, kAllModels, 48},       SecondStepRow{kMobileCorvid4, kSingleCoreModels, 52},
    SecondStepRow{kGenuine, kAllModels, 56},       SecondStepRow{kDunlin, kAllModels, 59},
    SecondStepRow{kBastra, kAllModels, 49},        SecondStepRow{kCorvidD, kTwoCoreModels, 58},
};

constexpr std::array kReplacedNames = {
    FallbackNameRow{4, {string_id::kNotHandledName, {}}},
    FallbackNameRow{56, {string_id::kSampleName, {}}},
};
constexpr std::array kKeptNames = {ProductCodeRange{48, 49}, ProductCodeRange{52, 52},
                                   ProductCodeRange{58, 59}};
// A name the frequency decision emptied is refilled with its product line.
constexpr std::array kEmptyNames = {
    FallbackNameRow{56, {string_id::kSampleName, {}}},
    FallbackNameRow{48, {string_id::kCorvid4Name, {}}},
    FallbackNameRow{52, {string_id::kMobileCorvid4Name, {}}},
    FallbackNameRow{58, {string_id::kCorvidDName, {}}},
    FallbackNameRow{59, {string_id::kDunlinDName, {}}},
    FallbackNameRow{49, {string_id::kBastraName, {}}},
};

module::NamingRules Describe() {
    module::NamingRules rules{};
    rules.otherSignatureRules = kRules;
    rules.validClasses = kValidClasses;
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

}  // namespace

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = Describe();
    return rules;
}

std::int32_t ProductCodeFor(std::int32_t brandClass, std::int32_t model) {
    const auto* row = std::find_if(kSecondStep.begin(), kSecondStep.end(), [&](const SecondStepRow& r) {
        return r.brandClass == brandClass && module::Contains(r.models, model);
    });
    return row == kSecondStep.end() ? module::kProductNotHandled : row->productCode;
}

void ClassifyBrand(module::ProcessorSnapshot& s) {
    const std::int32_t found = module::FindBrandClass(NamingRules(), s);
    const bool valid = std::any_of(kValidClasses.begin(), kValidClasses.end(),
                                   [found](const ValueRange& r) { return r.Holds(found); });
    s.brandClass = valid ? found : 0;
    s.productCode = ProductCodeFor(s.brandClass, s.model);
    if (s.productCode == module::kProductNotHandled) {
        s.expectedCpuMHz = 0.0f;
    }
}

}  // namespace sondrel::gen6
