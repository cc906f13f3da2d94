// The report as one JSON document, made from the same values as the text
// lines. Its schema is docs/report-json.schema.json; kReportSchemaVersion
// changes whenever a field is removed or changes its meaning.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/system_record.h"
#include "sondrel/report/report_lines.h"

namespace sondrel::report {

inline constexpr int kReportSchemaVersion = 1;

nlohmann::ordered_json ReportDocument(const app::SystemRecord& record, const app::MainSheetState& sheet,
                                      const ReportEnvironment& environment);

// The document as text, ending with a line feed. Bytes that are not UTF-8
// (a brand string may hold any) become U+FFFD, so the text is always valid
// JSON.
std::string ReportJsonText(const nlohmann::ordered_json& document);

}  // namespace sondrel::report
