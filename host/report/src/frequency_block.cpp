#include <array>

#include "line_text.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/report/report_rules.h"
#include "sondrel/ui/frequency_text.h"

namespace sondrel::report {

namespace {

constexpr std::int32_t kNotClassified = 0;
// Module 10 reports no expected bus frequency.
constexpr std::int32_t kModuleWithoutExpectedBus = 10;

ui::TextPair MegahertzPair(float reported, float expected, bool bus, const ui::LanguageText& language) {
    return ui::FormatFrequencyPair(ui::TruncateToInteger(reported), ui::TruncateToInteger(expected), bus,
                                   language);
}

}  // namespace

bool ShowsFrequencyBlock(const app::SystemRecord& record) {
    return record.item3Flag == 1;
}

// Expected values are shown only for classified processors whose module
// vouches for them (items 9 and 10).
bool ShowsExpectedFrequencies(const app::SystemRecord& record) {
    return ShowsFrequencyBlock(record) && record.productCode != kNotClassified &&
           record.productCode != app::kProductNotHandled && record.item9Flag == 1 && record.item10Flag == 1;
}

bool ShowsExpectedBus(const app::SystemRecord& record) {
    return ShowsExpectedFrequencies(record) && record.moduleNumber != kModuleWithoutExpectedBus;
}

bool ShowsInterconnect(const app::SystemRecord& record) {
    return record.interconnectShown == 1;
}

std::vector<std::string> FrequencyBlock(const app::SystemRecord& record, const ui::LanguageText& language) {
    const bool expected = ShowsExpectedFrequencies(record);
    const ui::TextPair processor =
        MegahertzPair(record.reportedCpuMHz, record.expectedCpuMHz, false, language);
    const ui::TextPair bus = MegahertzPair(record.reportedBusMHz, record.expectedBusMHz, true, language);

    std::vector<std::string> lines;
    if (expected) {
        lines.push_back(Line("Expected Processor Frequency", processor.expected));
    }
    lines.push_back(Line("Reported Processor Frequency", processor.reported));
    if (ShowsExpectedBus(record)) {
        lines.push_back(Line("Expected System Bus Frequency", bus.expected));
    }
    lines.push_back(Line("Reported System Bus Frequency", bus.reported));

    if (ShowsInterconnect(record)) {
        // The link speeds are truncated to whole MT/s before they are written.
        const ui::TextPair link = ui::FormatTransferRatePair(
            static_cast<float>(ui::TruncateToInteger(record.reportedInterconnect)),
            static_cast<float>(ui::TruncateToInteger(record.expectedInterconnect)), language);
        const ui::TextPair memory =
            MegahertzPair(record.reportedMemoryController, record.expectedMemoryController, true, language);
        if (expected) {
            lines.push_back(Line("Expected Swiftway Interconnect Speed", link.expected));
        }
        lines.push_back(Line("Reported Swiftway Interconnect Speed", link.reported));
        if (expected) {
            lines.push_back(Line("Expected Integrated Memory Controller Frequency", memory.expected));
        }
        lines.push_back(Line("Reported Integrated Memory Controller Frequency", memory.reported));
    }
    return lines;
}

}  // namespace sondrel::report
