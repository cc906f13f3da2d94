#include "sondrel/module/register_dispatch.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sondrel::module {

namespace {

using enum FieldStore;

// By field id; rows with needsRead false are stored even when unread.
constexpr std::array kDispatchRows = {
    DispatchRow{1, kValueTwice, true},    DispatchRow{2, kValue, true},
    DispatchRow{3, kMobileFlag, true},    DispatchRow{6, kValue, true},
    DispatchRow{7, kPreproduction, true}, DispatchRow{10, kNonZero, true},
    DispatchRow{11, kNonZero, true},      DispatchRow{12, kFloat, true},
    DispatchRow{13, kFloat, true},        DispatchRow{14, kFloat, true},
    DispatchRow{15, kValue, true},        DispatchRow{18, kIsOne, true},
    DispatchRow{19, kNonZero, false},     DispatchRow{20, kIsZero, false},
    DispatchRow{21, kNonZero, false},     DispatchRow{22, kValue, true},
    DispatchRow{23, kValue, true},        DispatchRow{24, kIsZero, false},
    DispatchRow{26, kValue, true},        DispatchRow{27, kValue, true},
    DispatchRow{28, kValue, true},        DispatchRow{29, kValue, true},
    DispatchRow{30, kNonZero, true},      DispatchRow{31, kNonZero, true},
    DispatchRow{32, kFloat, true},        DispatchRow{33, kNonZero, true},
    DispatchRow{34, kFloat, true},        DispatchRow{35, kNonZero, true},
    DispatchRow{36, kNonZero, true},      DispatchRow{37, kNonZero, true},
    DispatchRow{38, kNonZero, true},      DispatchRow{39, kNonZero, true},
    DispatchRow{40, kNonZero, true},      DispatchRow{41, kNonZero, true},
    DispatchRow{42, kNonZero, true},      DispatchRow{43, kNonZero, true},
    DispatchRow{44, kFloat, true},        DispatchRow{45, kFloat, true},
    DispatchRow{46, kFloat, true},        DispatchRow{47, kFloat, true},
    DispatchRow{48, kNonZero, true},      DispatchRow{49, kNonZero, true},
    DispatchRow{50, kValue, true},        DispatchRow{51, kValue, true},
    DispatchRow{52, kFloat, true},        DispatchRow{53, kFloat, true},
    DispatchRow{54, kFloat, true},        DispatchRow{55, kFloat, true},
    DispatchRow{56, kNonZero, true},      DispatchRow{57, kValue, true},
    DispatchRow{58, kValue, true},        DispatchRow{59, kValue, true},
    DispatchRow{60, kValue, true},        DispatchRow{61, kValue, true},
    DispatchRow{62, kValue, true},        DispatchRow{63, kTdpPowerUnit, true},
};

std::int32_t Low32(std::uint64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t Flag(bool condition) {
    return condition ? 1 : 0;
}

double TdpWatts(std::int32_t baseTdp, std::int32_t powerUnit, bool zeroPowerTest) {
    const double power = std::pow(2.0, static_cast<double>(powerUnit));
    if (zeroPowerTest && power == 0.0) {
        return baseTdp;
    }
    return baseTdp * (1.0 / power);
}

}  // namespace

const DispatchRow* FindDispatchRow(std::int32_t fieldId) {
    const auto* found = std::find_if(kDispatchRows.begin(), kDispatchRows.end(),
                                     [fieldId](const DispatchRow& row) { return row.fieldId == fieldId; });
    return found == kDispatchRows.end() ? nullptr : found;
}

bool DispatchRegisterField(const RegisterFieldNode& node, ProcessorSnapshot& snapshot,
                           const DispatchRules& rules) {
    const auto overridden =
        std::find_if(rules.overrides.begin(), rules.overrides.end(),
                     [&node](const DispatchRow& row) { return row.fieldId == node.fieldId; });
    const DispatchRow* row =
        overridden != rules.overrides.end() ? &*overridden : FindDispatchRow(node.fieldId);
    if (row == nullptr) {
        return true;
    }
    if (row->needsRead && node.readFlag == 0) {
        return false;
    }
    RegisterFieldSlots& fields = snapshot.fields;
    const std::int32_t slotId = row->slot == kOwnSlot ? node.fieldId : row->slot;
    auto& slot = fields.values.at(static_cast<std::size_t>(slotId));
    const std::uint64_t value = node.value;
    switch (row->store) {
        case kValue:
            slot = Low32(value);
            break;
        case kValueTwice:
            fields.firstRatioPair = {Low32(value), Low32(value)};
            break;
        case kFloat:
            fields.ratios.at(static_cast<std::size_t>(slotId)) =
                static_cast<float>(static_cast<std::uint32_t>(value));
            break;
        case kNonZero:
            slot = Flag(value != 0);
            break;
        case kIsZero:
            slot = Flag(value == 0);
            break;
        case kIsOne:
            slot = Flag(value == 1);
            break;
        case kMobileFlag:
            snapshot.mobileFlag = Flag(value != 0);
            break;
        case kPreproduction:
            snapshot.preproductionFlag = Flag(value == 0);
            break;
        case kTdpPowerUnit:
            slot = Low32(value);
            snapshot.tdpWatts =
                TdpWatts(fields.Value(rules.tdpRule.baseTdpFieldId), slot, rules.tdpRule.zeroPowerTest);
            break;
        case kProductionFlag: {
            const std::int32_t production =
                rules.productionValue != nullptr ? rules.productionValue(snapshot) : 1;
            snapshot.preproductionFlag = Flag(value == static_cast<std::uint64_t>(production));
            break;
        }
    }
    return true;
}

}  // namespace sondrel::module
