#include "sondrel/module/naming.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "sondrel/module/brand_text.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/module/text.h"

namespace sondrel::module {

namespace {

constexpr std::string_view kExtreme = "Extreme";
constexpr std::string_view kK = "K";
constexpr std::string_view kX = "X";
constexpr std::string_view kMX = "MX";
constexpr std::string_view kAt = "@";
constexpr std::string_view kProcessor = "Processor";
constexpr std::string_view kTierSeparator = "-";
constexpr std::string_view kExtremeEditionTail = " Extreme Edition CPU ";
constexpr std::size_t kSuffixLength = 2;

std::string_view Name(const ProcessorSnapshot& snapshot) {
    return snapshot.processorName;
}

void SetName(ProcessorSnapshot& snapshot, const std::string& name, std::size_t limit) {
    CopyBounded(snapshot.processorName, std::min(limit + 1, sizeof snapshot.processorName), name.c_str());
}

bool Matches(const SignatureRange& range, const ProcessorSnapshot& s) {
    return s.family == range.family && (range.model == kAnyModel || s.model == range.model) &&
           (range.extendedModels.empty() || Contains(range.extendedModels, s.extendedModel)) &&
           s.stepping >= range.firstStepping && s.stepping <= range.lastStepping;
}

// Right-justified brand strings keep one leading space after collapsing;
// the prefix tests look past it so that such a processor is classified like
// its unpadded form. The stored name keeps the space.
std::string_view WithoutLeadingSpace(std::string_view name) {
    return name.starts_with(' ') ? name.substr(1) : name;
}

bool Holds(const BrandRule& rule, const NamingRules& rules, const ProcessorSnapshot& snapshot,
           std::string_view name, std::int32_t number) {
    if (!StartsWith(WithoutLeadingSpace(name), rule.prefix)) {
        return false;
    }
    if (!rule.signatures.empty() &&
        std::none_of(rule.signatures.begin(), rule.signatures.end(),
                     [&snapshot](const SignatureRange& range) { return Matches(range, snapshot); })) {
        return false;
    }
    const bool hasX = Contains(name, kX);
    if ((rule.x == XTest::kHasX && !hasX) || (rule.x == XTest::kNoX && hasX)) {
        return false;
    }
    if (!rule.contains.empty() && !Contains(name, rule.contains)) {
        return false;
    }
    if (!rule.numbers.empty() &&
        std::none_of(rule.numbers.begin(), rule.numbers.end(),
                     [number](const ValueRange& range) { return range.Holds(number); })) {
        return false;
    }
    if (rule.suffix != SuffixTest::kAny &&
        HasMobileSuffix(name, rules.mobileSuffixLetters) != (rule.suffix == SuffixTest::kMobile)) {
        return false;
    }
    return !rule.tier || ContainsAny(name, rules.tierMarks);
}

bool InValueRanges(std::span<const ValueRange> ranges, std::int32_t value) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [value](const ValueRange& range) { return range.Holds(value); });
}

const FallbackNameRow* FindRow(std::span<const FallbackNameRow> rows, std::int32_t productCode) {
    const auto found = std::find_if(rows.begin(), rows.end(), [productCode](const FallbackNameRow& row) {
        return row.productCode == productCode;
    });
    return found == rows.end() ? nullptr : &*found;
}

// A missing string leaves the name empty, as loading it would.
void LoadName(const NameSource& source, const LoadText& load, ProcessorSnapshot& snapshot) {
    if (source.stringId == 0) {
        SetName(snapshot, std::string(source.text), kNameBufferSize - 1);
    } else if (!load(source.stringId, std::span(snapshot.processorName))) {
        snapshot.processorName[0] = '\0';
    }
}

// The letters of the model kept in the Extreme Edition name; empty when
// the name has no "X".
std::string ExtremeEditionSuffix(ExtremeSuffix rule, std::string_view name) {
    const auto x = Find(name, kX);
    if (!x) {
        return {};
    }
    if (rule == ExtremeSuffix::kXLetter) {
        return std::string(kX);
    }
    if (const auto mx = Find(name, kMX); mx && rule == ExtremeSuffix::kMXOrXPair) {
        return std::string(name.substr(*mx, kSuffixLength));
    }
    std::string suffix(name.substr(*x, 1));
    if (*x + 1 < name.size() && name[*x + 1] != ' ') {
        suffix.push_back(name[*x + 1]);
    }
    return suffix;
}

}  // namespace

std::int32_t FindBrandClass(const NamingRules& rules, const ProcessorSnapshot& snapshot) {
    const auto branch =
        std::find_if(rules.branches.begin(), rules.branches.end(),
                     [&snapshot](const BrandBranch& b) { return Matches(b.signature, snapshot); });
    const std::span<const BrandRule> table =
        branch == rules.branches.end() ? rules.otherSignatureRules : branch->rules;
    const std::string_view name = Name(snapshot);
    const std::int32_t number = ProcessorNumber(name);
    for (const BrandRule& rule : table) {
        if (Holds(rule, rules, snapshot, name, number)) {
            return rule.brandClass;
        }
    }
    return 0;
}

void MapBrandClass(const NamingRules& rules, std::int32_t brandClass, ProcessorSnapshot& snapshot) {
    const std::int32_t valid = InValueRanges(rules.validClasses, brandClass) ? brandClass : 0;
    const auto alias =
        std::find_if(rules.classAliases.begin(), rules.classAliases.end(),
                     [valid](const BrandClassAlias& a) { return valid != 0 && a.brandClass == valid; });
    snapshot.brandClass = alias == rules.classAliases.end() ? valid : alias->storedAs;
    const auto row =
        std::find_if(rules.mapping.begin(), rules.mapping.end(),
                     [valid](const BrandClassMapping& m) { return valid != 0 && m.brandClass == valid; });
    if (row == rules.mapping.end()) {
        snapshot.productCode = kProductNotHandled;
        snapshot.expectedCpuMHz = 0.0f;
        return;
    }
    snapshot.productCode = row->productCode;
}

bool RenameExtremeEdition(const ExtremeRenameRule& rule, ProcessorSnapshot& snapshot) {
    CollapseSpaces(snapshot.processorName, kCollapsedNameLimit);
    const std::string_view name = Name(snapshot);
    if (Contains(name, kExtreme) || Contains(name, kK) || (rule.requiresX && !Contains(name, kX))) {
        return false;
    }
    const std::string suffix = ExtremeEditionSuffix(rule.suffix, name);
    const std::int32_t number = ProcessorNumber(name);
    if (!rule.numbers.Holds(number)) {
        return false;
    }
    const auto at = Find(name, kAt);
    if (!at) {
        return false;
    }
    std::string renamed(rule.base);
    renamed.append(rule.separator).append(std::to_string(number)).append(suffix).append(kExtremeEditionTail);
    renamed.append(name.substr(*at));
    SetName(snapshot, renamed, kCollapsedNameLimit);
    return true;
}

bool RenameTier(const TierRenameRule& rule, ProcessorSnapshot& snapshot) {
    CollapseSpaces(snapshot.processorName, kCollapsedNameLimit);
    const std::string_view name = Name(snapshot);
    const auto processor = Find(name, kProcessor);
    if (!processor || !rule.numbers.Holds(ProcessorNumber(name))) {
        return false;
    }
    // Everything after "Processor" and the one character that follows it.
    const std::size_t rest = std::min(*processor + kProcessor.size() + 1, name.size());
    std::string renamed(rule.base);
    renamed.append(kTierSeparator).append(name.substr(rest));
    snapshot.mobileFlag = 1;
    SetName(snapshot, renamed, kNameBufferSize - 1);
    return true;
}

void ClassifyBrand(const NamingRules& rules, ProcessorSnapshot& snapshot) {
    MapBrandClass(rules, FindBrandClass(rules, snapshot), snapshot);
    const ExtremeRenameRule& extreme = rules.extremeRename;
    const bool turbo = snapshot.fields.Value(field_id::kProgrammableTurbo) == 1;
    const bool ratio = snapshot.fields.Value(field_id::kProgrammableRatio) == 1;
    const bool programmable =
        extreme.programmable == ProgrammableTest::kEither ? (turbo || ratio) : (turbo && ratio);
    const bool allowed = !extreme.desktopOnly || snapshot.mobileFlag == 0;
    if (allowed && (Contains(extreme.productCodes, snapshot.productCode) ||
                    (programmable && Contains(extreme.programmableProductCodes, snapshot.productCode)))) {
        if (RenameExtremeEdition(extreme, snapshot)) {
            snapshot.brandClass = extreme.brandClass;
            snapshot.productCode = extreme.productCode;
        }
    }
    if (rules.tierRename.productCode != 0 && snapshot.productCode == rules.tierRename.productCode) {
        RenameTier(rules.tierRename, snapshot);
    }
}

void ApplyMobileRule(const NamingRules& rules, ProcessorSnapshot& snapshot) {
    const MobileRule& rule = rules.mobileRule;
    const bool covered =
        snapshot.family == rule.family &&
        std::any_of(rule.signatures.begin(), rule.signatures.end(), [&snapshot](const SignatureModel& m) {
            return m.extendedModel == snapshot.extendedModel && m.model == snapshot.model;
        });
    if (!covered) {
        return;
    }
    const std::string_view name = Name(snapshot);
    const bool mobile = InValueRanges(rule.suffixNumbers, ProcessorNumber(name))
                            ? HasMobileSuffix(name, rules.mobileSuffixLetters)
                            : ContainsAny(name, rules.tierMarks);
    snapshot.mobileFlag = mobile ? 1 : 0;
}

void RunNameFallback(const NameFallbackRules& rules, const LoadText& load, ProcessorSnapshot& snapshot) {
    if (const FallbackNameRow* replaced = FindRow(rules.replacedNames, snapshot.productCode)) {
        LoadName(replaced->name, load, snapshot);
    } else if (!InRanges(rules.keptNames, snapshot.productCode)) {
        LoadName(NameSource{rules.unknownNameString, {}}, load, snapshot);
        return;
    }
    if (snapshot.processorName[0] == '\0') {
        const FallbackNameRow* row = FindRow(rules.emptyNames, snapshot.productCode);
        LoadName(row != nullptr ? row->name : NameSource{rules.emptyNameDefault, {}}, load, snapshot);
    }
    snapshot.nameEstablished = 1;
}

}  // namespace sondrel::module
