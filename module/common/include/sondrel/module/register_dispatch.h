// Dispatch of a read register-field node into the snapshot, by field id.
// The table is shared by every generation; ids a generation does not list
// never arrive.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

enum class FieldStore {
    kValue,           // low 32 bits into the field's slot
    kValueTwice,      // low 32 bits into the first-ratio pair
    kFloat,           // low 32 bits converted to float
    kNonZero,         // flag: value ≠ 0 (all 64 bits)
    kIsZero,          // flag: value = 0
    kIsOne,           // flag: value = 1
    kMobileFlag,      // mobileFlag := value ≠ 0
    kPreproduction,   // preproductionFlag := value = 0
    kTdpPowerUnit,    // value, and tdpWatts from the base TDP slot
    kProductionFlag,  // preproductionFlag := value is the generation's production value
};

inline constexpr std::int32_t kOwnSlot = -1;

struct DispatchRow {
    std::int32_t fieldId;
    FieldStore store;
    bool needsRead;
    // The slot written; kOwnSlot: the field's own. Two fields sharing a
    // slot overwrite each other in list order.
    std::int32_t slot = kOwnSlot;
};

// How a generation turns "BaseTDP" and "TDPPowerUnit" into watts.
struct TdpRule {
    std::int32_t baseTdpFieldId = field_id::kBaseTDP;
    bool zeroPowerTest = true;  // a power of 0 keeps the base value
};

// The value of the "Production" field that marks a production part on
// this processor (kProductionFlag).
using ProductionValueRule = std::int32_t (*)(const ProcessorSnapshot& snapshot);

// A generation's additions to the shared dispatch.
struct DispatchRules {
    TdpRule tdpRule;
    // Rows that replace the shared row of the same id (or add an id).
    std::span<const DispatchRow> overrides = {};
    ProductionValueRule productionValue = nullptr;  // null: 1
};

const DispatchRow* FindDispatchRow(std::int32_t fieldId);

// Stores the node's value. Returns false when the row needs a read and the
// node was not read; its slot then keeps its value.
bool DispatchRegisterField(const RegisterFieldNode& node, ProcessorSnapshot& snapshot,
                           const DispatchRules& rules);
inline bool DispatchRegisterField(const RegisterFieldNode& node, ProcessorSnapshot& snapshot,
                                  const TdpRule& tdpRule) {
    return DispatchRegisterField(node, snapshot, DispatchRules{.tdpRule = tdpRule});
}

}  // namespace sondrel::module
