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
constexpr std::string_view kSeparator = "-";
constexpr std::string_view kExtremeEditionTail = " Extreme Edition CPU ";
constexpr std::size_t kSuffixLength = 2;

std::string_view Name(const ProcessorSnapshot& snapshot) {
    return snapshot.processorName;
}

void SetName(ProcessorSnapshot& snapshot, const std::string& name, std::size_t limit) {
    CopyBounded(snapshot.processorName, std::min(limit + 1, sizeof snapshot.processorName), name.c_str());
}

bool Matches(const SignatureRange& range, const ProcessorSnapshot& s) {
    return s.family == range.family && s.model == range.model &&
           Contains(range.extendedModels, s.extendedModel) && s.stepping >= range.firstStepping &&
           s.stepping <= range.lastStepping;
}

// Right-justified brand strings keep one leading space after collapsing;
// the prefix tests look past it so that such a processor is classified like
// its unpadded form. The stored name keeps the space.
std::string_view WithoutLeadingSpace(std::string_view name) {
    return name.starts_with(' ') ? name.substr(1) : name;
}

bool Holds(const BrandRule& rule, const NamingRules& rules, std::string_view name, std::int32_t number) {
    if (!StartsWith(WithoutLeadingSpace(name), rule.prefix)) {
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

}  // namespace

std::int32_t FindBrandClass(const NamingRules& rules, const ProcessorSnapshot& snapshot) {
    const auto branch =
        std::find_if(rules.branches.begin(), rules.branches.end(),
                     [&snapshot](const BrandBranch& b) { return Matches(b.signature, snapshot); });
    if (branch == rules.branches.end()) {
        return 0;
    }
    const std::string_view name = Name(snapshot);
    const std::int32_t number = ProcessorNumber(name);
    for (const BrandRule& rule : branch->rules) {
        if (Holds(rule, rules, name, number)) {
            return rule.brandClass;
        }
    }
    return 0;
}

void MapBrandClass(const NamingRules& rules, std::int32_t brandClass, ProcessorSnapshot& snapshot) {
    snapshot.brandClass = InValueRanges(rules.validClasses, brandClass) ? brandClass : 0;
    const auto row =
        std::find_if(rules.mapping.begin(), rules.mapping.end(), [&snapshot](const BrandClassMapping& m) {
            return snapshot.brandClass != 0 && m.brandClass == snapshot.brandClass;
        });
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
    if (Contains(name, kExtreme) || Contains(name, kK) || !Contains(name, kX)) {
        return false;
    }
    std::string suffix;
    if (const auto mx = Find(name, kMX)) {
        suffix = name.substr(*mx, kSuffixLength);
    } else {
        const std::size_t x = *Find(name, kX);
        suffix = name.substr(x, 1);
        if (x + 1 < name.size() && name[x + 1] != ' ') {
            suffix.push_back(name[x + 1]);
        }
    }
    const std::int32_t number = ProcessorNumber(name);
    if (!rule.numbers.Holds(number)) {
        return false;
    }
    const auto at = Find(name, kAt);
    if (!at) {
        return false;
    }
    std::string renamed(rule.base);
    renamed.append(kSeparator).append(std::to_string(number)).append(suffix).append(kExtremeEditionTail);
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
    renamed.append(kSeparator).append(name.substr(rest));
    snapshot.mobileFlag = 1;
    SetName(snapshot, renamed, kNameBufferSize - 1);
    return true;
}

void ClassifyBrand(const NamingRules& rules, ProcessorSnapshot& snapshot) {
    MapBrandClass(rules, FindBrandClass(rules, snapshot), snapshot);
    const ExtremeRenameRule& extreme = rules.extremeRename;
    const bool programmable = snapshot.fields.Value(field_id::kProgrammableTurbo) == 1 &&
                              snapshot.fields.Value(field_id::kProgrammableRatio) == 1;
    if (Contains(extreme.productCodes, snapshot.productCode) ||
        (programmable && Contains(extreme.programmableProductCodes, snapshot.productCode))) {
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
