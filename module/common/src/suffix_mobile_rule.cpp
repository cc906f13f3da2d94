#include "sondrel/module/suffix_mobile_rule.h"

#include <algorithm>

#include "sondrel/module/brand_text.h"
#include "sondrel/module/generation.h"

namespace sondrel::module {

namespace {

constexpr std::int32_t kNoGroup = -1;

bool InNumbers(std::span<const ValueRange> ranges, std::int32_t number) {
    return ranges.empty() || std::any_of(ranges.begin(), ranges.end(),
                                         [number](const ValueRange& r) { return r.Holds(number); });
}

bool OneOf(std::string_view letters, char letter) {
    return letter != '\0' && letters.find(letter) != std::string_view::npos;
}

bool Covers(const SuffixMobileGroup& group, const ProcessorSnapshot& s, std::int32_t number) {
    return (group.family == kAnySignatureValue || group.family == s.family) &&
           (group.extendedModel == kAnySignatureValue || group.extendedModel == s.extendedModel) &&
           (group.models.empty() || Contains(group.models, s.model)) && InNumbers(group.numbers, number);
}

bool Holds(const SuffixMobileRow& row, char first, char second, std::int32_t number,
           std::int32_t productCode) {
    return (row.firstLetters.empty() || OneOf(row.firstLetters, first)) &&
           (row.secondLetters.empty() || OneOf(row.secondLetters, second)) &&
           InNumbers(row.numbers, number) &&
           (row.productCodes.empty() || Contains(row.productCodes, productCode));
}

}  // namespace

std::int32_t SuffixMobileFlag(const SuffixMobileRule& rule, const ProcessorSnapshot& snapshot) {
    const std::string_view name = snapshot.processorName;
    const std::int32_t number = ProcessorNumber(name);
    const auto group = std::find_if(rule.groups.begin(), rule.groups.end(),
                                    [&](const SuffixMobileGroup& g) { return Covers(g, snapshot, number); });
    if (group == rule.groups.end()) {
        return kNoGroup;
    }
    const char first = SuffixLetter(name);
    const char second = OneOf(rule.lettersWithSecond, first) ? LetterAfterSuffix(name) : '\0';
    const auto row = std::find_if(group->rows.begin(), group->rows.end(), [&](const SuffixMobileRow& r) {
        return Holds(r, first, second, number, snapshot.productCode);
    });
    return row == group->rows.end() ? 0 : row->mobile;
}

void ApplySuffixMobileRule(const SuffixMobileRule& rule, ProcessorSnapshot& snapshot) {
    const std::int32_t flag = SuffixMobileFlag(rule, snapshot);
    if (flag != kNoGroup) {
        snapshot.mobileFlag = flag;
    }
}

}  // namespace sondrel::module
