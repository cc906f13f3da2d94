// The frequency and link excess of CollectProcessorData, and which link
// lines are shown.
#include <gtest/gtest.h>

#include "fake_module.h"
#include "sondrel/app/collection.h"
#include "sondrel/interface_ids.h"

using namespace sondrel;
using namespace sondrel::app;
using sondrel::testing::FakeModule;
using sondrel::testing::FakeSession;

namespace {

struct Collected {
    ResultCode code;
    SystemRecord record;
};

Collected CollectWith(FakeModule& module, std::int32_t moduleNumber) {
    FakeSession session(&module);
    session.moduleNumber = moduleNumber;
    MainSheetState sheet;
    Collected collected{};
    collected.code = CollectProcessorData(sheet, session, 1, collected.record);
    return collected;
}

struct ExcessCase {
    const char* what;
    std::int32_t moduleNumber;
    std::int32_t productCode;
    std::int32_t item10;
    float expectedCpu, reportedCpu, expectedBus, reportedBus;
    std::int32_t excess;
};

TEST(FrequencyExcess, ComparesTruncatedFrequenciesOutsideTheExemptions) {
    const ExcessCase cases[] = {
        {"3999.9 against 3999.0 truncate alike", 11, 0, 1, 3999.0f, 3999.9f, 100.0f, 100.0f, 0},
        {"processor above", 11, 0, 1, 3400.0f, 3401.0f, 100.0f, 100.0f, 1},
        {"bus above", 11, 0, 1, 3400.0f, 3400.0f, 100.0f, 101.2f, 2},
        {"both above", 8, 0, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 3},
        {"below is no excess", 8, 0, 1, 3400.0f, 3300.0f, 100.0f, 99.0f, 0},
        {"item 10 clear", 11, 0, 0, 3400.0f, 3500.0f, 100.0f, 101.0f, 0},
        {"module 12", 12, 0, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 0},
        {"third-page product", 11, 80, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 0},
        {"exempt product 123", 11, 123, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 0},
        {"product 56 on module 9", 9, 56, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 0},
        {"product 56 on module 8", 8, 56, 1, 3400.0f, 3500.0f, 100.0f, 101.0f, 3},
        {"values beyond the integer range saturate", 11, 0, 1, 3e9f, 4e9f, 100.0f, 100.0f, 0},
        {"NaN counts as 0", 11, 0, 1, __builtin_nanf(""), 3400.0f, 100.0f, 100.0f, 1},
    };
    for (const ExcessCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeModule module;
        module.absent = {interface_id::kCPUPCIDetails};  // no link comparison
        module.answers.productCode = c.productCode;
        module.answers.infoItems[10] = c.item10;
        module.answers.expectedCpuMHz = c.expectedCpu;
        module.answers.reportedCpuMHz = c.reportedCpu;
        module.answers.expectedBusMHz = c.expectedBus;
        module.answers.reportedBusMHz = c.reportedBus;
        const Collected collected = CollectWith(module, c.moduleNumber);
        ASSERT_EQ(collected.code, result::kSuccess);
        EXPECT_EQ(collected.record.frequencyExcess, c.excess);
    }
}

TEST(FrequencyExcess, ModelFifteenSpecialCaseClearsIt) {
    for (const std::int32_t stepping : {8, 9}) {
        SCOPED_TRACE(stepping);
        FakeModule module;
        module.absent = {interface_id::kCPUPCIDetails};
        module.answers.infoItems = {{1, 1}, {4, 1}, {9, 1}, {10, 1}, {17, 1}};
        module.answers.features = {{120, 1}};
        module.answers.extendedModel = 0;
        module.answers.model = 15;
        module.answers.stepping = stepping;
        module.answers.reportedCpuMHz = 4300.0f;
        const Collected collected = CollectWith(module, 8);
        ASSERT_EQ(collected.code, result::kSuccess);
        EXPECT_EQ(collected.record.frequencyExcess, stepping >= 9 ? 0 : 1);
    }
}

struct LinkCase {
    const char* what;
    float reportedCpu;
    float expectedLink, reportedLink, expectedMemory, reportedMemory;
    std::int32_t item10;
    std::int32_t excess;
};

TEST(LinkExcess, DecidesTheFinalExcess) {
    const LinkCase cases[] = {
        {"no link excess clears a processor excess", 4300.0f, 6400.0f, 6400.0f, 2400.0f, 2400.0f, 1, 0},
        {"link above keeps the processor excess", 4300.0f, 6400.0f, 6400.5f, 2400.0f, 2400.0f, 1, 3},
        {"link above alone", 4200.0f, 6400.0f, 6401.0f, 2400.0f, 2400.0f, 1, 2},
        {"memory controller above", 4200.0f, 6400.0f, 6400.0f, 2400.0f, 2500.0f, 1, 2},
        {"item 10 clear", 4300.0f, 6400.0f, 6500.0f, 2400.0f, 2400.0f, 0, 0},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeModule module;
        module.answers.infoItems[10] = c.item10;
        module.answers.reportedCpuMHz = c.reportedCpu;
        module.answers.expectedInterconnect = c.expectedLink;
        module.answers.reportedInterconnect = c.reportedLink;
        module.answers.expectedMemoryController = c.expectedMemory;
        module.answers.reportedMemoryController = c.reportedMemory;
        const Collected collected = CollectWith(module, 8);
        ASSERT_EQ(collected.code, result::kSuccess);
        EXPECT_EQ(collected.record.frequencyExcess, c.excess);
    }
}

TEST(InterconnectShown, OnlyModule8OutsideTheFirstPageSignaturesWithBothInterfaces) {
    struct Case {
        const char* what;
        std::int32_t moduleNumber;
        std::int32_t extendedModel;
        std::int32_t model;
        std::int32_t absentInterface;
        std::int32_t shown;
    };
    const Case cases[] = {
        {"module 8", 8, 9, 14, 0, 1},
        {"module 12", 12, 9, 14, 0, 0},
        {"first-page signature", 8, 2, 12, 0, 0},
        {"no ICPUPCIDetails", 8, 9, 14, interface_id::kCPUPCIDetails, 0},
        {"no ITDP", 8, 9, 14, interface_id::kTDP, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeModule module;
        module.absent = {c.absentInterface};
        module.answers.extendedModel = c.extendedModel;
        module.answers.model = c.model;
        const Collected collected = CollectWith(module, c.moduleNumber);
        ASSERT_EQ(collected.code, result::kSuccess);
        EXPECT_EQ(collected.record.interconnectShown, c.shown);
    }
}

TEST(BaseTdp, IsAskedOnlyOfModules11And12) {
    for (const std::int32_t moduleNumber : {9, 11, 12}) {
        SCOPED_TRACE(moduleNumber);
        FakeModule module;
        const Collected collected = CollectWith(module, moduleNumber);
        ASSERT_EQ(collected.code, result::kSuccess);
        EXPECT_EQ(collected.record.baseTdpWatts, moduleNumber == 9 ? 0 : 91);
    }
}

}  // namespace
