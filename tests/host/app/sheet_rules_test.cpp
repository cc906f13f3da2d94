// The Processor menu's command ids and the frequency page choice.
#include <gtest/gtest.h>

#include <limits>

#include "sondrel/app/command_ids.h"
#include "sondrel/app/frequency_page.h"
#include "sondrel/app/processor_menu.h"

using namespace sondrel::app;

namespace {

TEST(ProcessorMenu, ListsEachProcessorWithItsCommand) {
    const std::vector<ProcessorMenuEntry> entries = ProcessorMenuEntries(3);
    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        EXPECT_EQ(entries[index].processor, static_cast<std::int32_t>(index + 1));
        EXPECT_EQ(entries[index].commandId, 32823 + static_cast<std::int32_t>(index));
    }
}

TEST(ProcessorMenu, ProcessorsBeyond32GetNoCommandOfAnotherMenuItem) {
    const std::vector<ProcessorMenuEntry> entries = ProcessorMenuEntries(40);
    ASSERT_EQ(entries.size(), 32u);
    EXPECT_EQ(entries.back().processor, 32);
    EXPECT_EQ(entries.back().commandId, command_id::kSelectLastProcessor);
    EXPECT_TRUE(ProcessorMenuEntries(0).empty());
    EXPECT_TRUE(ProcessorMenuEntries(-5).empty());

    EXPECT_EQ(ProcessorForCommand(32823), 1);
    EXPECT_EQ(ProcessorForCommand(32854), 32);
    EXPECT_EQ(ProcessorForCommand(32822), std::nullopt);
    EXPECT_EQ(ProcessorForCommand(command_id::kOpenWebPage), std::nullopt);
}

struct PageCase {
    const char* what;
    std::int32_t family, extendedModel, model;
    std::int32_t moduleNumber, productCode;
    std::int32_t coresPerPackage, multiCoreEnabled, disabledCores;
    std::int32_t packageThreadCount, maxCoreCount;
    FrequencyPage page;
};

TEST(FrequencyPageChoice, FirstRuleThatAppliesKeepsThePage) {
    const PageCase cases[] = {
        {"first-page signature", 6, 2, 14, 12, 80, 4, 1, 0, 8, 4, FrequencyPage::kFreqPage},
        {"module 12", 6, 9, 14, 12, 0, 4, 1, 0, 8, 4, FrequencyPage::kFreqPage3},
        {"third-page product", 6, 3, 10, 9, 94, 4, 1, 0, 8, 4, FrequencyPage::kFreqPage3},
        {"product 56 on module 11", 6, 3, 10, 11, 56, 4, 1, 0, 8, 4, FrequencyPage::kFreqPage3},
        {"product 56 on module 8 with 4 cores", 6, 1, 10, 8, 56, 4, 1, 0, 8, 4, FrequencyPage::kFreqPage2},
        {"a = 2", 6, 1, 10, 8, 0, 2, 1, 0, 4, 2, FrequencyPage::kFreqPage},
        {"a = 8", 6, 1, 10, 8, 0, 8, 1, 0, 16, 8, FrequencyPage::kFreqPage},
        {"a from threads per core and disabled cores: 2 + 2", 6, 1, 10, 8, 0, 1, 1, 2, 8, 4,
         FrequencyPage::kFreqPage2},
        {"product 4 takes the active cores", 6, 1, 10, 8, 4, 5, 0, 3, 8, 4, FrequencyPage::kFreqPage2},
        {"max cores 0 falls back to the active cores", 6, 1, 10, 8, 0, 3, 0, 0, 8, 0,
         FrequencyPage::kFreqPage2},
        {"max cores -1 with the lowest thread count", 6, 1, 10, 8, 0, 1, 0, 0,
         std::numeric_limits<std::int32_t>::min(), -1, FrequencyPage::kFreqPage},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.what);
        SystemRecord record;
        record.family = c.family;
        record.extendedModel = c.extendedModel;
        record.model = c.model;
        record.moduleNumber = c.moduleNumber;
        record.productCode = c.productCode;
        record.coresPerPackage = c.coresPerPackage;
        record.multiCoreEnabled = c.multiCoreEnabled;
        record.disabledCores = c.disabledCores;
        record.packageThreadCount = c.packageThreadCount;
        record.maxCoreCount = c.maxCoreCount;
        EXPECT_EQ(ChooseFrequencyPage(record), c.page);
    }
}

}  // namespace
