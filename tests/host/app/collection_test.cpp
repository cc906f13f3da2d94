// CollectProcessorData against a module made in the test.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fake_module.h"
#include "sondrel/app/collection.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/bitmap.h"

using namespace sondrel;
using namespace sondrel::app;
using sondrel::testing::FakeModule;
using sondrel::testing::FakeSession;

namespace {

class Collection : public ::testing::Test {
protected:
    ResultCode Collect(std::int32_t processor = 1) {
        sheet.logicalProcessorCount = 8;
        return CollectProcessorData(sheet, session, processor, record);
    }

    // Everything the module handed out has been dropped and the slot is empty.
    void ExpectAllDropped() {
        EXPECT_EQ(module.references, 0);
        EXPECT_EQ(sheet.processorModule, nullptr);
    }

    std::vector<std::string> Lookups() const {
        std::vector<std::string> lookups;
        for (const std::string& call : module.calls) {
            if (call.starts_with("Lookup ")) {
                lookups.push_back(call.substr(7));
            }
        }
        return lookups;
    }

    FakeModule module;
    FakeSession session{&module};
    MainSheetState sheet;
    SystemRecord record;
};

TEST_F(Collection, FillsTheRecordAskingEachInterfaceInTurn) {
    module.answers.infoItems = {{1, 1}, {3, 1}, {7, 1}, {10, 1}, {11, 1}, {14, 1}};
    module.answers.features = {{10, 1}, {20, 1}, {50, 1}, {70, 0}, {80, 1}, {90, 1}, {140, 1}};
    module.answers.productCode = 133;
    ASSERT_EQ(Collect(3), result::kSuccess);
    ExpectAllDropped();

    EXPECT_EQ(Lookups(), (std::vector<std::string>{"5000", "6000", "7000", "9000", "8000", "12000", "13000",
                                                   "14000", "15000"}));
    EXPECT_EQ(module.processorsAsked, (std::set<std::int32_t>{3}));
    EXPECT_EQ(session.calls,
              (std::vector<std::string>{"GetProcessorModule 3", "GetMaxCpuidLeaf 3", "GetModuleNumber"}));

    EXPECT_EQ(record.currentProcessor, 3);
    EXPECT_EQ(record.logicalProcessorCount, 8);
    EXPECT_EQ(sheet.maxCpuidLeaf, 0x16);
    EXPECT_EQ(record.moduleNumber, 12);
    EXPECT_STREQ(record.processorName, "Quarn(R) Test Processor");
    EXPECT_STREQ(record.packaging, "Test package");
    EXPECT_STREQ(record.compatibilityGuide, "TESTGUIDE");
    EXPECT_EQ(record.productCode, 133);
    EXPECT_EQ(record.revision, 0x2A);
    EXPECT_EQ(record.revisionState, kRevisionValid);
    EXPECT_EQ((std::array{record.family, record.model, record.extendedModel, record.stepping}),
              (std::array{6, 14, 9, 9}));
    EXPECT_EQ((std::array{record.item1Flag, record.item2Flag, record.item3Flag, record.item7Flag,
                          record.item10Flag, record.twinstrandEnabled, record.eqrtEnabled}),
              (std::array{1, 0, 1, 1, 1, 1, 1}));
    EXPECT_EQ((std::array{record.mmx, record.sse, record.sse2, record.avx}), (std::array{1, 1, 0, 1}));
    EXPECT_EQ(record.twinstrandSupport, kSupported);
    EXPECT_EQ(record.arch64Support, kNotSupported);
    EXPECT_EQ(record.executeDisable, 1);
    EXPECT_EQ(record.enhancedHaltState, 1);
    EXPECT_EQ(
        (std::array{record.l1DataCacheSize, record.l2CacheSize, record.l3CacheSize, record.l3CacheUnit}),
        (std::array{32, 256, 8192, 1}));
    EXPECT_EQ((std::array{record.coresPerPackage, record.multiCore, record.threadsPerPackage,
                          record.maxCoreCount, record.maxCoreCount2, record.packageThreadCount2}),
              (std::array{4, 1, 8, 4, 4, 8}));
    EXPECT_EQ(record.chipsetId, 0x591F);
    EXPECT_EQ(record.graphicsCode, 3);
    EXPECT_EQ(record.baseTdpWatts, 91);
    EXPECT_EQ(record.interconnectShown, 0);
    // The cache counts are derived last: (9,14) takes the module's sharing.
    EXPECT_EQ((std::array{record.l1InstructionCount, record.l1DataCount, record.l2Count, record.l3Count}),
              (std::array{4, 4, 4, 1}));
}

TEST_F(Collection, AsksTheInformationItemsInTheirOrderAndNeverItem15) {
    ASSERT_EQ(Collect(), result::kSuccess);
    std::vector<std::string> items;
    for (const std::string& call : module.calls) {
        if (call.starts_with("GetInfoItem")) {
            items.push_back(call.substr(11));
        }
    }
    EXPECT_EQ(items, (std::vector<std::string>{"1", "2", "3", "4", "5", "14", "6", "7", "8", "9", "11", "12",
                                               "16", "18", "17", "13", "10"}));
}

TEST_F(Collection, ExtendedSignatureIsAskedOnlyForFamily6) {
    module.answers.family = 15;
    ASSERT_EQ(Collect(), result::kSuccess);
    EXPECT_EQ(record.extendedModel, 0);
    for (const std::string& call : module.calls) {
        EXPECT_NE(call, "GetExtendedModel");
        EXPECT_NE(call, "GetExtendedFamily");
    }
}

TEST_F(Collection, ToleratedAnswers) {
    module.absent = {interface_id::kCacheSizes};
    module.answers.activeCores = 0;
    module.failures = {
        {"GetRevision", result::kRevisionUndeterminable}, {"GetFeature50", result::kUnknownFeature},
        {"GetFeature90", result::kFeatureUndeterminable}, {"GetFeature80", result::kUnknownFeature},
        {"GetFeature60", result::kUnexpectedFailure},     {"GetFeature150", result::kNullArgument}};
    module.answers.features = {{60, 1}, {150, 1}};
    ASSERT_EQ(Collect(), result::kSuccess);
    ExpectAllDropped();
    EXPECT_EQ((std::array{record.l1DataCacheSize, record.l1InstructionCacheSize, record.l2CacheSize,
                          record.l3CacheSize}),
              (std::array{-2, -2, -2, -2}));
    EXPECT_EQ(record.coresPerPackage, 1);
    EXPECT_EQ(record.multiCore, 0);
    EXPECT_EQ(record.revisionState, kRevisionUnknown);
    EXPECT_EQ(record.twinstrandSupport, kNotDeterminable);
    EXPECT_EQ(record.enhancedHaltState, -1);
    EXPECT_EQ(record.executeDisable, 0);
    EXPECT_EQ(record.sse3, 0);
    EXPECT_EQ(record.aesNi, 0);
    EXPECT_EQ(record.logoBitmap, nullptr);
}

TEST_F(Collection, AbsentThirdLevelCacheLeavesItsUnitAlone) {
    module.failures = {{"GetCacheSize3", result::kNoSuchCache}};
    module.answers.cacheUnits = {1, 1, 1, 7};
    ASSERT_EQ(Collect(), result::kSuccess);
    EXPECT_EQ(record.l3CacheSize, -3);
    EXPECT_EQ(record.l3CacheUnit, 0);
    EXPECT_EQ(record.l2CacheSize, 256);
}

TEST_F(Collection, RevisionNotAvailable) {
    module.failures = {{"GetRevision", result::kRevisionUnavailable}};
    ASSERT_EQ(Collect(), result::kSuccess);
    EXPECT_EQ(record.revisionState, kRevisionNotAvailable);
    EXPECT_EQ(record.revision, 0);
}

TEST_F(Collection, LogoIsKeptUntilTheNextReset) {
    const std::uint8_t picture[] = {1, 2, 3};
    module.logo = platform::CreateBitmap(picture);
    ASSERT_EQ(Collect(), result::kSuccess);
    ASSERT_NE(record.logoBitmap, nullptr);
    EXPECT_EQ(platform::BitmapBytes(record.logoBitmap).size(), 3u);
    // The next collection's reset deletes it (the sanitizer build sees a leak otherwise).
    ASSERT_EQ(Collect(), result::kSuccess);
    EXPECT_EQ(record.logoBitmap, nullptr);
}

struct FailureCase {
    const char* what;
    void (*arrange)(FakeModule&);
};

TEST_F(Collection, EveryLaterFailureGivesTheUnexpectedFailureCode) {
    const FailureCase cases[] = {
        {"item 1 is 0", [](FakeModule& m) { m.answers.infoItems[1] = 0; }},
        {"item 1 is 2", [](FakeModule& m) { m.answers.infoItems[1] = 2; }},
        {"item 9 fails", [](FakeModule& m) { m.failures["GetInfoItem9"] = result::kNotInitialized; }},
        {"empty name", [](FakeModule& m) { m.answers.name.clear(); }},
        {"no ICPUInfo", [](FakeModule& m) { m.absent.insert(interface_id::kCPUInfo); }},
        {"no ICPUFeatures", [](FakeModule& m) { m.absent.insert(interface_id::kCPUFeatures); }},
        {"logo fails otherwise", [](FakeModule& m) { m.failures["GetLogoBitmap"] = result::kOutOfMemory; }},
        {"revision fails otherwise",
         [](FakeModule& m) { m.failures["GetRevision"] = result::kNullArgument; }},
        {"MMX fails", [](FakeModule& m) { m.failures["GetFeature10"] = result::kUnknownFeature; }},
        {"feature 50 fails otherwise",
         [](FakeModule& m) { m.failures["GetFeature50"] = result::kProcessorOutOfRange; }},
        {"cache index 2 absent", [](FakeModule& m) { m.failures["GetCacheSize2"] = result::kNoSuchCache; }},
        {"ICacheSizes refused",
         [](FakeModule& m) { m.lookupFailures[interface_id::kCacheSizes] = result::kInterfaceUnavailable; }},
        {"ISpeeds refused",
         [](FakeModule& m) { m.lookupFailures[interface_id::kSpeeds] = result::kInterfaceUnavailable; }},
        {"ICPUPCIDetails refused",
         [](FakeModule& m) { m.lookupFailures[interface_id::kCPUPCIDetails] = result::kOutOfMemory; }},
        {"reported speeds fail",
         [](FakeModule& m) { m.failures["GetReportedSpeeds"] = result::kNotInitialized; }},
        {"cache counts fail", [](FakeModule& m) { m.failures["GetCacheCounts"] = result::kNotInitialized; }},
        {"TDP fails", [](FakeModule& m) { m.failures["GetBaseTDP"] = result::kNotInitialized; }},
    };
    for (const FailureCase& failure : cases) {
        SCOPED_TRACE(failure.what);
        FakeModule failing;
        FakeSession failingSession(&failing);
        failure.arrange(failing);
        MainSheetState failingSheet;
        EXPECT_EQ(CollectProcessorData(failingSheet, failingSession, 1, record), result::kUnexpectedFailure);
        EXPECT_EQ(failing.references, 0);
        EXPECT_EQ(failingSheet.processorModule, nullptr);
    }
}

TEST_F(Collection, SessionCodesAreReturnedAsTheyAre) {
    const std::array<const char*, 3> operations = {"GetProcessorModule 1", "GetMaxCpuidLeaf 1",
                                                   "GetModuleNumber"};
    for (const char* operation : operations) {
        SCOPED_TRACE(operation);
        session.failures = {{operation, result::kProcessorNotIdentified}};
        EXPECT_EQ(Collect(), result::kProcessorNotIdentified);
        ExpectAllDropped();
    }
}

TEST_F(Collection, ResetsTheRecordFirst) {
    record.productCode = 99;
    record.moduleNumber = 7;
    record.chipsetId = 5;
    record.avx = 1;
    module.answers.infoItems[1] = 0;  // fails straight after the reset
    EXPECT_EQ(Collect(), result::kUnexpectedFailure);
    EXPECT_EQ(record.productCode, 0);
    EXPECT_EQ(record.moduleNumber, 12);
    // Fields that are not reset keep their values.
    EXPECT_EQ(record.chipsetId, 5);
    EXPECT_EQ(record.avx, 1);
}

}  // namespace
