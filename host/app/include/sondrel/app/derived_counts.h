// Values no processor module reports directly: how many caches of each
// level are shown, and how many processors (packages) the system has.
#pragma once

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"

namespace sondrel::app {

// Writes the four cache counts and, for one signature, coresPerPackage.
void DeriveCacheCounts(SystemRecord& record);

// Writes processorsInSystem and processorMenuOffered of the sheet. Returns 0.
ResultCode DeriveProcessorCount(MainSheetState& sheet, const SystemRecord& record);

}  // namespace sondrel::app
