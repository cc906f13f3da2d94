#include <algorithm>
#include <array>

#include "line_text.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/report/report_rules.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::report {

namespace {

constexpr const char* kLabel = "Disabled cores per processor";
// Products whose count of 0 or less is decided by the core figures below.
constexpr std::array<std::int32_t, 5> kCountedProducts = {4, 73, 74, 75, 76};
constexpr std::int32_t kMaxCoresForSystemCount = 4;

}  // namespace

std::int32_t DisabledCoresCount(const app::SystemRecord& record, const app::MainSheetState& sheet) {
    const std::int32_t disabled = record.disabledCores;
    const std::int32_t active = record.coresPerPackage;
    if (record.multiCoreEnabled == 0 || disabled > 0) {
        if (!app::IsOneOf(kCountedProducts, record.productCode) || disabled > 0) {
            return disabled;
        }
    }
    if (disabled < 0) {
        return 0;
    }
    const std::int32_t others = WrappingSubtract(sheet.processorsInSystem, active);
    if (active < record.logicalProcessorCount && record.family != app::kFamily15 &&
        active <= kMaxCoresForSystemCount && record.item7Flag == 1 && others > 0) {
        return others;
    }
    return 0;
}

std::string DisabledCoresLine(const app::SystemRecord& record, const app::MainSheetState& sheet) {
    return Line(kLabel, std::to_string(DisabledCoresCount(record, sheet)));
}

}  // namespace sondrel::report
