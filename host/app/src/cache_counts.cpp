// DeriveCacheCounts: a decision table over family, extended model and model.
#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "sondrel/app/derived_counts.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/app/signature_rules.h"

namespace sondrel::app {

namespace {

struct Counts {
    std::int32_t instruction;
    std::int32_t data;
    std::int32_t level2;
    std::int32_t level3;
};

enum class Rule {
    kAllOne,
    kFlat,
    kSharing,
    kRuleA,
    kRuleB,
    kRuleC,
    kLevel2BySize,         // (0; 9, 13)
    kDualFirstLevel,       // (0; 14)
    kQuadFirstLevel,       // (3; 7)
    kEightCoresWhenMulti,  // (4; 12)
    kSharingWhenMulti,     // (4; 13)
};

constexpr std::int32_t kAnyModel = -1;
constexpr std::int32_t kHighestExtendedModel = std::numeric_limits<std::int32_t>::max();

struct Row {
    std::int32_t firstExtendedModel;
    std::int32_t lastExtendedModel;
    std::array<std::int32_t, 6> models;  // kAnyModel pads; all kAnyModel: any model
    Rule rule;
};

constexpr std::array<std::int32_t, 6> Models(std::initializer_list<std::int32_t> models) {
    std::array<std::int32_t, 6> padded{kAnyModel, kAnyModel, kAnyModel, kAnyModel, kAnyModel, kAnyModel};
    std::size_t index = 0;
    for (const std::int32_t model : models) {
        padded[index++] = model;
    }
    return padded;
}

constexpr std::array<std::int32_t, 6> kOtherModels = Models({});

// Family 6. The first row that matches decides; the row without models
// closes each extended model.
constexpr std::array kFamily6Rows = {
    Row{0, 0, Models({9, 13}), Rule::kLevel2BySize},
    Row{0, 0, Models({14}), Rule::kDualFirstLevel},
    Row{0, 0, Models({15}), Rule::kRuleA},
    Row{0, 0, kOtherModels, Rule::kAllOne},
    Row{1, 1, Models({6, 7}), Rule::kRuleA},
    Row{1, 1, Models({10, 14, 15}), Rule::kSharing},
    Row{1, 1, Models({12}), Rule::kRuleC},
    Row{1, 1, Models({13}), Rule::kRuleB},
    Row{1, 1, kOtherModels, Rule::kAllOne},
    Row{2, 2, Models({5, 10, 12, 13, 14, 15}), Rule::kSharing},
    Row{2, 2, Models({6}), Rule::kRuleC},
    Row{2, 2, kOtherModels, Rule::kAllOne},
    Row{3, 3, Models({6}), Rule::kRuleC},
    Row{3, 3, Models({7}), Rule::kQuadFirstLevel},
    Row{3, 3, Models({10, 12, 13, 14, 15}), Rule::kSharing},
    Row{3, 3, kOtherModels, Rule::kFlat},
    Row{4, 4, Models({5, 6, 7, 14, 15}), Rule::kSharing},
    Row{4, 4, Models({12}), Rule::kEightCoresWhenMulti},
    Row{4, 4, Models({13}), Rule::kSharingWhenMulti},
    Row{4, 4, kOtherModels, Rule::kFlat},
    Row{5, 5, Models({5, 6, 14}), Rule::kSharing},
    Row{5, 5, kOtherModels, Rule::kFlat},
    Row{6, 7, kOtherModels, Rule::kAllOne},
    Row{8, 9, Models({14}), Rule::kSharing},
    Row{8, 9, kOtherModels, Rule::kFlat},
    Row{10, kHighestExtendedModel, kOtherModels, Rule::kAllOne},
};

bool Matches(const Row& row, std::int32_t extendedModel, std::int32_t model) {
    if (extendedModel < row.firstExtendedModel || extendedModel > row.lastExtendedModel) {
        return false;
    }
    if (row.models == kOtherModels) {
        return true;
    }
    return model != kAnyModel && IsOneOf(row.models, model);
}

// One branch of rules A and B: with X disabled cores, I = D and L2.
struct DisabledCoreRow {
    std::int32_t disabledCores;
    std::int32_t firstLevel;
    std::int32_t level2;
};

struct DisabledCoreTable {
    std::int32_t activeCores;
    std::span<const DisabledCoreRow> rows;
    DisabledCoreRow otherwise;  // disabledCores unused
};

constexpr std::array<DisabledCoreRow, 4> kSixCoreRows = {{{5, 1, 1}, {4, 2, 1}, {3, 3, 1}, {2, 4, 2}}};
constexpr std::array<DisabledCoreRow, 2> kFourCoreRows = {{{3, 1, 1}, {2, 2, 1}}};
constexpr DisabledCoreTable kSixCoreTable{6, kSixCoreRows, {0, 6, 3}};
constexpr DisabledCoreTable kFourCoreTable{4, kFourCoreRows, {0, 4, 2}};
constexpr std::array kRuleATables = {kFourCoreTable};
constexpr std::array kRuleBTables = {kSixCoreTable, kFourCoreTable};

constexpr std::int32_t kRuleAExcludedProduct = 76;
constexpr std::int32_t kTwoCores = 2;
constexpr std::int32_t kEightCores = 8;
constexpr std::int32_t kSingle = 1;
constexpr std::int32_t kDouble = 2;
constexpr std::int32_t kQuadruple = 4;

bool IsMultiCore(const SystemRecord& record) {
    return record.multiCore == 1;
}

// L3 = 0 when the size says there is none (-1 or 0), else `count`; the
// host's own sentinels -2 and -3 count as present.
std::int32_t ThirdLevelBySize(const SystemRecord& record, std::int32_t count) {
    return record.l3CacheSize == -1 || record.l3CacheSize == 0 ? 0 : count;
}

constexpr Counts AllOne() {
    return {kSingle, kSingle, kSingle, kSingle};
}

constexpr Counts Flat() {
    return {kSingle, kSingle, kSingle, 0};
}

Counts Sharing(const SystemRecord& record) {
    return {record.l1InstructionSharing, record.l1DataSharing, record.l2Sharing, record.l3Sharing};
}

Counts RuleC(const SystemRecord& record) {
    const std::int32_t count = IsMultiCore(record) ? kDouble : kSingle;
    return {count, count, count, 0};
}

// Rules A and B: the branches by active and disabled cores, then the
// two-core fallback, whose disabled-core test differs between the rules.
Counts ByDisabledCores(const SystemRecord& record, std::span<const DisabledCoreTable> tables,
                       bool twoCoresNeedNoneDisabled) {
    const std::int32_t level3 = ThirdLevelBySize(record, kSingle);
    const std::int32_t active = record.coresPerPackage;
    const std::int32_t disabled = record.disabledCores;
    for (const DisabledCoreTable& table : tables) {
        if (active != table.activeCores) {
            continue;
        }
        DisabledCoreRow chosen = table.otherwise;
        for (const DisabledCoreRow& row : table.rows) {
            if (row.disabledCores == disabled) {
                chosen = row;
                break;
            }
        }
        return {chosen.firstLevel, chosen.firstLevel, chosen.level2, level3};
    }
    const bool twoCoreCase =
        active == kTwoCores && (twoCoresNeedNoneDisabled ? disabled <= 0 : disabled != 1);
    const std::int32_t firstLevel = twoCoreCase ? kDouble : kSingle;
    return {firstLevel, firstLevel, kSingle, level3};
}

Counts RuleA(const SystemRecord& record) {
    if (!IsMultiCore(record) || record.productCode == kRuleAExcludedProduct) {
        return {kSingle, kSingle, kSingle, ThirdLevelBySize(record, kSingle)};
    }
    return ByDisabledCores(record, kRuleATables, false);
}

Counts RuleB(const SystemRecord& record) {
    if (!IsMultiCore(record)) {
        return {kSingle, kSingle, kSingle, ThirdLevelBySize(record, kSingle)};
    }
    return ByDisabledCores(record, kRuleBTables, true);
}

Counts Apply(Rule rule, SystemRecord& record) {
    switch (rule) {
        case Rule::kAllOne:
            return AllOne();
        case Rule::kFlat:
            return Flat();
        case Rule::kSharing:
            return Sharing(record);
        case Rule::kRuleA:
            return RuleA(record);
        case Rule::kRuleB:
            return RuleB(record);
        case Rule::kRuleC:
            return RuleC(record);
        case Rule::kLevel2BySize: {
            const bool noLevel2 = record.l2CacheSize == -1 || record.l2CacheSize == 0;
            return {kSingle, kSingle, noLevel2 ? 0 : kSingle, 0};
        }
        case Rule::kDualFirstLevel: {
            const std::int32_t firstLevel = IsMultiCore(record) ? kDouble : kSingle;
            return {firstLevel, firstLevel, kSingle, 0};
        }
        case Rule::kQuadFirstLevel:
            return IsMultiCore(record) ? Counts{kQuadruple, kQuadruple, kDouble, 0} : Flat();
        case Rule::kEightCoresWhenMulti:
            if (IsMultiCore(record)) {
                record.coresPerPackage = kEightCores;
                return {kQuadruple, kQuadruple, kDouble, 0};
            }
            return {kDouble, kDouble, kSingle, 0};
        case Rule::kSharingWhenMulti:
            return IsMultiCore(record) ? Sharing(record) : Flat();
    }
    return AllOne();
}

Counts Derive(SystemRecord& record) {
    if (record.family == kFamily15) {
        const std::int32_t count = IsMultiCore(record) ? kDouble : kSingle;
        return {count, count, count, ThirdLevelBySize(record, count)};
    }
    if (record.family != kFamily6) {
        return AllOne();
    }
    for (const Row& row : kFamily6Rows) {
        if (Matches(row, record.extendedModel, record.model)) {
            return Apply(row.rule, record);
        }
    }
    // Extended models below 0 are in no row.
    return AllOne();
}

}  // namespace

void DeriveCacheCounts(SystemRecord& record) {
    const Counts counts = Derive(record);
    record.l1InstructionCount = counts.instruction;
    record.l1DataCount = counts.data;
    record.l2Count = counts.level2;
    record.l3Count = counts.level3;
}

}  // namespace sondrel::app
