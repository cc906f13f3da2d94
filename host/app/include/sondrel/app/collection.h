// Collection of one processor's data from its processor module.
#pragma once

#include <cstdint>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/broker_interfaces.h"

namespace sondrel::app {

// Resets the record and fills it for `processor` (1-based) from the module
// that `session` hands out, then derives the cache counts. Returns 0, a
// failing code of the session's own calls as it is, or 0x80041F40 for any
// later failure. The module and every interface obtained from it are
// dropped on every way out, and the sheet's module slot is left empty.
ResultCode CollectProcessorData(MainSheetState& sheet, IBrokerSession& session, std::int32_t processor,
                                SystemRecord& record);

}  // namespace sondrel::app
