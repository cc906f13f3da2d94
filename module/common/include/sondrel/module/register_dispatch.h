// Dispatch of a read register-field node into the snapshot, by field id.
// The table is shared by every generation; ids a generation does not list
// never arrive.
#pragma once

#include <cstdint>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::module {

enum class FieldStore {
    kValue,          // low 32 bits into the field's slot
    kValueTwice,     // low 32 bits into the first-ratio pair
    kFloat,          // low 32 bits converted to float
    kNonZero,        // flag: value ≠ 0 (all 64 bits)
    kIsZero,         // flag: value = 0
    kIsOne,          // flag: value = 1
    kMobileFlag,     // mobileFlag := value ≠ 0
    kPreproduction,  // preproductionFlag := value = 0
    kTdpPowerUnit,   // value, and tdpWatts from the base TDP slot
};

struct DispatchRow {
    std::int32_t fieldId;
    FieldStore store;
    bool needsRead;
};

// How a generation turns "BaseTDP" and "TDPPowerUnit" into watts.
struct TdpRule {
    std::int32_t baseTdpFieldId = field_id::kBaseTDP;
    bool zeroPowerTest = true;  // a power of 0 keeps the base value
};

const DispatchRow* FindDispatchRow(std::int32_t fieldId);

// Stores the node's value. Returns false when the row needs a read and the
// node was not read; its slot then keeps its value.
bool DispatchRegisterField(const RegisterFieldNode& node, ProcessorSnapshot& snapshot,
                           const TdpRule& tdpRule);

}  // namespace sondrel::module
