// A system record of a desktop processor made in the test, and the
// environment the report is written in.
#pragma once

#include <string>
#include <vector>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/platform/fake.h"
#include "sondrel/report/report_lines.h"
#include "support/table_language_text.h"

namespace sondrel::testing {

inline constexpr platform::UtcTime kReportTime{2019, 3, 5, 7, 8, 9};

// A six-core desktop processor served by module 12, everything supported.
inline app::SystemRecord DesktopRecord() {
    app::SystemRecord record;
    record.moduleNumber = 12;
    record.productCode = 148;
    record.logicalProcessorCount = 12;
    std::snprintf(record.processorName, sizeof record.processorName, "%s",
                  "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz");
    std::snprintf(record.packaging, sizeof record.packaging, "%s", "QLG-1160 desktop land grid array");
    record.revision = 0xB4;
    record.revisionState = app::kRevisionValid;
    record.family = 6;
    record.model = 14;
    record.extendedModel = 9;
    record.stepping = 9;
    record.item1Flag = record.item3Flag = record.item7Flag = record.item9Flag = record.item10Flag = 1;
    record.twinstrandEnabled = record.arch64Enabled = record.virtualizationEnabled = 1;
    record.eqrtEnabled = record.eptEnabled = 1;
    record.mmx = record.sse = record.sse2 = record.sse3 = record.sse4 = record.avx = record.aesNi = 1;
    record.enhancedHaltState = record.executeDisable = 1;
    record.twinstrandSupport = record.arch64Support = record.virtualizationSupport = app::kSupported;
    record.l1DataCacheSize = record.l1InstructionCacheSize = 32;
    record.l2CacheSize = 256;
    record.l3CacheSize = 12288;
    record.l1DataCacheUnit = record.l1InstructionCacheUnit = record.l2CacheUnit = record.l3CacheUnit = 1;
    record.l1DataCount = record.l1InstructionCount = record.l2Count = 6;
    record.l3Count = 1;
    record.expectedCpuMHz = record.reportedCpuMHz = 3700.0f;
    record.expectedBusMHz = record.reportedBusMHz = 100.0f;
    record.interconnectShown = 0;
    record.coresPerPackage = 6;
    record.multiCore = 1;
    record.threadsPerPackage = 12;
    record.graphicsCode = 6;
    record.baseTdpWatts = 95;
    return record;
}

inline app::MainSheetState DesktopSheet() {
    app::MainSheetState sheet;
    sheet.logicalProcessorCount = 12;
    sheet.processorsInSystem = 1;
    sheet.maxCpuidLeaf = 0x16;
    return sheet;
}

inline report::ReportEnvironment TestEnvironment() {
    return {"20190305", kReportTime, platform::OsVersion{6, 1, 0, ""},
            platform::OsVersion{6, 1, 0, "Example Linux 12"}};
}

inline std::vector<std::string> Lines(const app::SystemRecord& record, const app::MainSheetState& sheet) {
    return report::ReportLines(record, sheet, TestEnvironment(), UnitStrings());
}

// The one line that starts with `label` followed by ": "; "absent" when none
// does, "several" when more than one.
inline std::string LineOf(const std::vector<std::string>& lines, const std::string& label) {
    std::string found = "absent";
    int count = 0;
    for (const std::string& line : lines) {
        if (line.rfind(label + ": ", 0) == 0) {
            found = line;
            ++count;
        }
    }
    return count > 1 ? "several" : found;
}

}  // namespace sondrel::testing
