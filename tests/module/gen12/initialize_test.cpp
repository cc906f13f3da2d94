// Initialize: load threads, the CPUID pass, the completion step and the
// failures of the snapshot pass.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {
namespace {

namespace fake = platform::fake;
namespace id = module::field_id;
using Names = std::vector<std::string>;

class InitializeTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(Create(), 0);
    }
    const module::ProcessorSnapshot& S() const { return Module().Snapshot(); }
};

TEST_F(InitializeTest, MainPathTakesTheSnapshotAndBecomesReady) {
    ASSERT_EQ(Initialize(2), 0);
    EXPECT_EQ(Module().State().currentProcessor, 2);
    EXPECT_EQ(Module().State().processorCount, 4);
    EXPECT_EQ(Module().State().readyFlag, 1);
    const auto& s = S();
    EXPECT_EQ(s.family, 6);
    EXPECT_EQ(s.model, 14);
    EXPECT_EQ(s.extendedModel, 5);
    EXPECT_EQ(s.stepping, 3);
    EXPECT_EQ(s.processorType, 0);
    EXPECT_EQ(s.maxStandardLeaf, 0x16u);
    EXPECT_EQ((std::vector{s.mmx, s.sse, s.sse2, s.sse3, s.sse4, s.eqrtSupported, s.aesNi, s.avx}),
              (std::vector{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(s.virtualization, 0);
    EXPECT_EQ(s.arch64, 1);
    EXPECT_EQ(s.executeDisable, 1);
    EXPECT_EQ(s.thermalSensor, 1);
    EXPECT_EQ(s.threadsPerCore, 2);
    EXPECT_EQ(s.packageCores, 4);
    EXPECT_EQ(s.maxPackageCores, 4);
    EXPECT_EQ(s.packageThreads, 8);
    EXPECT_EQ(s.systemThreads, 8);
    EXPECT_EQ(s.packagesEstimate, 1);
    EXPECT_STREQ(s.processorName, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    // 3995 lies within 1 % of the rated 4000 and is reported as 4000.
    EXPECT_EQ(s.reportedCpuMHz, 4000.0f);
    EXPECT_EQ(s.measuredBusMHz, 99.9f);
    EXPECT_EQ(s.reportedBusMHz, 100.0f);  // the completion step's nominal bus
    EXPECT_EQ(s.revision, 0x2C);
    EXPECT_EQ(s.revisionAvailable, 1);
    EXPECT_DOUBLE_EQ(s.tdpWatts, 15.0);
    EXPECT_EQ(data.OutstandingReferences(), 0);
}

TEST_F(InitializeTest, CallsTheDataModuleWithTheLimitsAndMeasurementArguments) {
    ASSERT_EQ(Initialize(1), 0);
    ASSERT_GE(data.cpuidCalls.size(), 2u);
    EXPECT_EQ(data.cpuidCalls[0].leaf, 0u);
    EXPECT_EQ(data.cpuidCalls[0].limit, 0u);
    EXPECT_EQ(data.cpuidCalls[1].leaf, 1u);
    EXPECT_EQ(data.cpuidCalls[1].limit, 1u);
    EXPECT_EQ(data.cpuidCalls[2].leaf, 4u);
    EXPECT_EQ(data.cpuidCalls[2].subleaf, 1u);
    EXPECT_EQ(data.cpuidCalls[2].limit, 0x16u);
    // One measurement per snapshot pass: the first and the completion step's refresh.
    ASSERT_EQ(data.measureCalls.size(), 2u);
    for (const MeasureCall& call : data.measureCalls) {
        EXPECT_EQ(call.processor, 1);
        EXPECT_EQ(call.mode, 0);
        EXPECT_EQ(call.sampleCount, 1);
        EXPECT_EQ(call.auxOutValue, 1);
        EXPECT_EQ(call.auxIn, 0);
    }
}

TEST_F(InitializeTest, LoadThreadsRunPerProcessorAndAreStoppedMostRecentFirst) {
    ASSERT_EQ(Initialize(1), 0);
    EXPECT_EQ(fake::LoadThreadLog(),
              (Names{"start 0", "start 1", "start 2", "start 3", "stop 3", "stop 2", "stop 1", "stop 0"}));
    EXPECT_EQ(fake::RunningLoadThreads(), 0);
}

TEST_F(InitializeTest, LoadThreadsAreStoppedWhenTheSnapshotFails) {
    data.SetLeaf(0x1, {0x00000F00, 0, 0, 0});
    EXPECT_EQ(Initialize(1), result::kFamilyNotSix);
    EXPECT_EQ(fake::LoadThreadLog().size(), 8u);
    EXPECT_EQ(fake::RunningLoadThreads(), 0);
}

TEST_F(InitializeTest, SixtyFourProcessorsGetSixtyFourThreads) {
    fake::SetLogicalProcessorCount(64);
    ASSERT_EQ(Initialize(1), 0);
    const Names log = fake::LoadThreadLog();
    ASSERT_EQ(log.size(), 128u);
    EXPECT_EQ(log[63], "start 63");
    EXPECT_EQ(log[64], "stop 63");
    EXPECT_EQ(log.back(), "stop 0");
    EXPECT_EQ(fake::RunningLoadThreads(), 0);
}

TEST_F(InitializeTest, LoadThreadThatCannotStartFailsBeforeAnySnapshot) {
    fake::FailLoadThreadAt(2);
    EXPECT_EQ(Initialize(1), result::kLoadThreadFailed);
    EXPECT_EQ(fake::LoadThreadLog(), (Names{"start 0", "start 1", "stop 1", "stop 0"}));
    EXPECT_EQ(fake::RunningLoadThreads(), 0);
    EXPECT_TRUE(data.cpuidCalls.empty());
    EXPECT_EQ(Module().State().readyFlag, 0);
}

TEST_F(InitializeTest, EveryInitializeStartsFromAClearedSnapshot) {
    ASSERT_EQ(Initialize(1), 0);
    fake::FailLoadThreadAt(0);
    EXPECT_EQ(Initialize(1), result::kLoadThreadFailed);
    const auto& s = S();
    EXPECT_EQ(Module().State().readyFlag, 0);
    EXPECT_EQ(s.family, 0);
    EXPECT_EQ(s.productCode, 0);
    EXPECT_EQ(s.packageCode, -2);
    EXPECT_STREQ(s.processorName, "");
    EXPECT_STREQ(s.packageName, "");
    EXPECT_STREQ(s.compatibilityGuide, "");
    EXPECT_EQ(s.mmx, 0);
    EXPECT_EQ(s.twinstrandEnabled, 0);
    EXPECT_EQ(s.revisionAvailable, 0);
    EXPECT_EQ((std::vector{s.packageCores, s.threadsPerCore, s.maxPackageCores, s.packageThreads}),
              (std::vector{1, 0, 0, 0}));
    EXPECT_EQ((std::vector{s.systemThreads, s.systemCountC, s.packagesEstimate, s.disabledCores,
                           s.multiCoreEnabled, s.pciActiveCores, s.pciDetailsValid}),
              (std::vector{1, 1, 1, 0, 1, 1, 0}));
    EXPECT_EQ(s.cacheSizeKB, (std::array{0, 0, 0, 0}));
    EXPECT_EQ(s.cacheCount, (std::array{1, 1, 1, 1}));
    EXPECT_EQ(s.reportedCpuMHz, 0.0f);
    EXPECT_EQ(s.reportedBusMHz, 0.0f);
    EXPECT_EQ(s.measuredBusMHz, 0.0f);
    EXPECT_EQ(s.tdpWatts, 0.0);
    EXPECT_EQ(s.fields.Value(id::kCoreCount), 1);
    EXPECT_EQ(s.fields.Value(id::kThreadCount), 0);
    EXPECT_EQ(s.fields.Value(18), 1);
    EXPECT_EQ(s.fields.Value(20), 1);
    EXPECT_EQ(s.fields.Value(id::kC1E), 0);
    EXPECT_EQ(s.mobileFlag, 0);
    EXPECT_EQ(s.preproductionFlag, 0);
    std::int32_t value = 0;
    EXPECT_EQ(Module().GetFamily(1, &value), result::kNotInitialized);
}

TEST_F(InitializeTest, OnlyTheLowByteOfLeafZeroIsTheHighestLeaf) {
    data.SetLeaf(0x0, {0x10D, 0, 0, 0});
    ASSERT_EQ(Initialize(1), 0);
    EXPECT_EQ(S().maxStandardLeaf, 0x0Du);
}

TEST_F(InitializeTest, BelowLeafFourThereIsOneCoreWithOneThread) {
    data.SetLeaf(0x0, {3, 0, 0, 0});
    ASSERT_EQ(Initialize(1), 0);
    EXPECT_EQ(S().packageCores, 1);
    EXPECT_EQ(S().threadsPerCore, 1);
    EXPECT_EQ(S().packageThreads, 1);
    for (const CpuidCall& call : data.cpuidCalls) {
        EXPECT_NE(call.leaf, 4u);
        EXPECT_NE(call.leaf, 0xBu);
        EXPECT_NE(call.leaf, 6u);
    }
    EXPECT_EQ(S().thermalSensor, 0);
}

TEST_F(InitializeTest, TopologyLeafGivesCoresPerPackage) {
    struct Case {
        std::uint32_t threadsPerCore;  // sub-leaf 0 EBX
        std::uint32_t packageThreads;  // sub-leaf 1 EBX
        std::int32_t cores;
    };
    // Without a per-core count the leaf-1 logical count (8) stands in.
    for (const Case& c : {Case{2, 8, 4}, Case{1, 6, 6}, Case{0, 12, 8}}) {
        data.SetLeaf(0xB, {0, c.threadsPerCore, 0, 0}, 0);
        data.SetLeaf(0xB, {0, c.packageThreads, 0, 0}, 1);
        ASSERT_EQ(Initialize(1), 0);
        EXPECT_EQ(S().packageCores, c.cores) << c.threadsPerCore << "/" << c.packageThreads;
        EXPECT_EQ(S().maxPackageCores, c.cores);
        EXPECT_EQ(S().packageThreads, static_cast<std::int32_t>(c.packageThreads));
    }
}

TEST_F(InitializeTest, ATopologyLeafOfZerosKeepsTheThreadCountOfLeafFour) {
    data.SetLeaf(0x4, {(3u << 26) | (1u << 14), 0, 0, 0}, 1);  // 4 cores of 2 threads
    data.SetLeaf(0xB, {0, 0, 0, 0}, 0);
    data.SetLeaf(0xB, {0, 0, 0, 0}, 1);
    ASSERT_EQ(Initialize(1), 0);
    ASSERT_GE(S().maxStandardLeaf, 0xBu);
    EXPECT_EQ(S().packageThreads, 8);
    // No per-core count either: the leaf-1 logical count (8) stands in.
    EXPECT_EQ(S().packageCores, 8);
}

TEST_F(InitializeTest, LargestLeafFourCountsStayDefined) {
    data.SetLeaf(0x0, {0xA, 0, 0, 0});  // below the topology leaf, so leaf 4 decides
    data.SetLeaf(0x4, {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, 1);
    data.systemCounts = {INT_MIN, INT_MIN, INT_MIN};
    ASSERT_EQ(Initialize(1), 0);
    EXPECT_EQ(S().maxPackageCores, 64);
    EXPECT_EQ(S().threadsPerCore, 4096);
    EXPECT_EQ(S().packageThreads, 64 * 4096);
    EXPECT_EQ(S().packagesEstimate, 1);
}

TEST_F(InitializeTest, TwinstrandNeedsMoreThreadsThanCoresAfterTheCompletionStep) {
    struct Case {
        std::uint64_t threads;
        std::uint64_t cores;
        bool multiThreadingBit;
        std::int32_t expected;
    };
    for (const Case& c :
         {Case{8, 4, true, 1}, Case{4, 4, true, 0}, Case{8, 4, false, 0}, Case{8, 0, true, 0}}) {
        data.fieldValues[id::kThreadCount] = c.threads;
        data.fieldValues[id::kCoreCount] = c.cores;
        data.SetLeaf(0x1, {kLarchSignature, 8u << 16, 0, c.multiThreadingBit ? kMultiThreadingBit : 0u});
        ASSERT_EQ(Initialize(1), 0);
        std::int32_t state = -1;
        ASSERT_EQ(Module().GetFeature(1, 50, &state), 0);
        EXPECT_EQ(state, c.expected) << c.threads << " threads, " << c.cores << " cores";
    }
}

TEST_F(InitializeTest, ProcessorTypeOtherThanZeroIsNotHandled) {
    data.SetLeaf(0x1, {kLarchSignature | (1u << 12), 0, 0, 0});
    ASSERT_EQ(Initialize(1), 0);
    std::int32_t code = 0;
    ASSERT_EQ(Module().GetProductCode(1, &code), 0);
    EXPECT_EQ(code, 4);
    // One register call with an empty list, and no completion-step refresh.
    ASSERT_EQ(data.registerLists.size(), 1u);
    EXPECT_TRUE(data.registerLists[0].empty());
    std::int32_t revision = 0;
    ASSERT_EQ(Module().GetRevision(1, &revision), 0);
    EXPECT_EQ(revision, 0x2C);
    EXPECT_TRUE(data.measureCalls.empty());
}

TEST_F(InitializeTest, FamilyOtherThanSixFailsWithoutARegisterList) {
    data.SetLeaf(0x1, {0x00000F00, 0, 0, 0});
    EXPECT_EQ(Initialize(1), result::kFamilyNotSix);
    EXPECT_TRUE(data.registerLists.empty());
    EXPECT_EQ(Module().State().readyFlag, 0);
    EXPECT_EQ(data.OutstandingReferences(), 0);
}

TEST_F(InitializeTest, ProcessorCountPresenceAndRangeFailures) {
    struct Case {
        const char* what;
        std::int32_t processor;
        DataOperation failing;
        ResultCode failure;
        ResultCode expected;
    };
    const Case cases[] = {
        {"processor 0", 0, DataOperation::kReadRegisterFields, 0, result::kProcessorOutOfRange},
        {"processor above the count", 5, DataOperation::kReadRegisterFields, 0, result::kProcessorOutOfRange},
        {"processor count unavailable", 1, DataOperation::kGetProcessorCount, 9, result::kFileNotFound},
        {"presence call fails", 1, DataOperation::kGetPresence, 9, 9},
        {"brand string call fails", 1, DataOperation::kGetBrandString, 10, 10},
        {"system counts call fails", 1, DataOperation::kGetSystemCounts, 11, 11},
        {"measurement fails", 1, DataOperation::kMeasureFrequencies, 12, 12},
        {"no processor access", 1, DataOperation::kProcessorAccessInterface, 13,
         result::kInterfaceUnavailable},
        {"no register fields", 1, DataOperation::kRegisterFieldsLookup, 14, result::kInterfaceUnavailable},
        {"no PCI configuration", 1, DataOperation::kPciConfigInterface, 15, result::kInterfaceUnavailable},
    };
    for (const Case& c : cases) {
        data.failures.clear();
        if (c.failure != 0) {
            data.failures[c.failing] = c.failure;
        }
        EXPECT_EQ(Initialize(c.processor), c.expected) << c.what;
        EXPECT_EQ(Module().State().readyFlag, 0) << c.what;
        EXPECT_EQ(data.OutstandingReferences(), 0) << c.what;
        EXPECT_EQ(fake::RunningLoadThreads(), 0) << c.what;
    }
}

TEST_F(InitializeTest, AbsentProcessorIsReported) {
    data.absentProcessors = {3};
    EXPECT_EQ(Initialize(3), result::kProcessorNotPresent);
    EXPECT_EQ(Initialize(2), 0);
}

TEST_F(InitializeTest, FailingCpuidReadEndsThePassWithItsCode) {
    data.failingLeaves[0x80000001] = 21;
    EXPECT_EQ(Initialize(1), 21);
    EXPECT_EQ(data.OutstandingReferences(), 0);
}

TEST(InitializeWithoutEntryPoint, DataModuleWithoutItsExportFails) {
    platform::fake::Reset();
    platform::fake::AddLibrary(kLanguageFileName, {});
    platform::fake::AddLibrary(kDataModuleName, {});
    void* root = nullptr;
    ASSERT_EQ(gen12::CreateModule(interface_id::kRoot, nullptr, kDataModuleName, &root), 0);
    auto* module = static_cast<IInitializePM*>(root);
    EXPECT_EQ(module->Initialize(1), result::kEntryPointMissing);
    module->DropReference();
    platform::fake::Reset();
}

}  // namespace
}  // namespace sondrel::test
