// The start-up session through the real Hwbroker.so, Cpumod12.so and
// ProfileData.so on bundled profiles: the system record and the derived
// counts, compared with values worked out by hand from each profile's raw
// CPUID, MSR, PCI and measurement values.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/app/system_record.h"

using namespace sondrel;
using namespace sondrel::app;
using namespace sondrel::testing;
namespace fs = std::filesystem;

namespace {

using Quad = std::array<std::int32_t, 4>;

const fs::path kBundled = fs::path(SONDREL_SOURCE_DIR) / "profiles";

// Starts the session on `profile` as the sheet does at start-up.
struct StartedSession {
    explicit StartedSession(const nlohmann::json& profile) : selected(profile), connection(sheet, record) {
        code = connection.RunBrokerSession();
    }
    SelectedProfile selected;
    MainSheetState sheet;
    SystemRecord record;
    BrokerConnection connection;
    ResultCode code = result::kUnexpectedFailure;
};

Quad CacheSizes(const SystemRecord& r) {
    return {r.l1DataCacheSize, r.l1InstructionCacheSize, r.l2CacheSize, r.l3CacheSize};
}
Quad CacheUnits(const SystemRecord& r) {
    return {r.l1DataCacheUnit, r.l1InstructionCacheUnit, r.l2CacheUnit, r.l3CacheUnit};
}
Quad CacheSharing(const SystemRecord& r) {
    return {r.l1DataSharing, r.l1InstructionSharing, r.l2Sharing, r.l3Sharing};
}
Quad CacheCounts(const SystemRecord& r) {
    return {r.l1DataCount, r.l1InstructionCount, r.l2Count, r.l3Count};
}

// Both profiles share leaf 1 ECX 7FFAFBFF / EDX BFEBFBFF, leaf 80000001h EDX
// 2C100800, leaf 6 EAX 27F7 and the MSRs 1A0h, 1FCh and 48Bh, so their
// feature answers agree: every feature bit set, "C1E" (1FCh bit 1) 1.
void ExpectEveryFeature(const SystemRecord& r) {
    EXPECT_EQ((std::array{r.mmx, r.sse, r.sse2, r.sse3, r.sse4, r.avx, r.aesNi, r.enhancedHaltState,
                          r.executeDisable}),
              (std::array{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ((std::array{r.arch64Support, r.virtualizationSupport, r.feature120Support}),
              (std::array{kSupported, kSupported, kSupported}));
}

TEST(RecordOnBundledProfiles, DesktopDerivesItsFrequencies) {
    StartedSession run(ReadProfile(kBundled / "default.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;

    // Identity. Leaf 1 EAX 000506E9: stepping 9, model 14, family 6, type 0,
    // extended model 5, extended family 0; 12 logical processors in the one
    // package; leaf 0 EAX 16h.
    EXPECT_EQ(run.sheet.logicalProcessorCount, 12);
    EXPECT_EQ(run.sheet.maxCpuidLeaf, 0x16);
    EXPECT_EQ((std::array{r.currentProcessor, r.logicalProcessorCount, r.moduleNumber}),
              (std::array{1, 12, 12}));
    EXPECT_EQ((std::array{r.family, r.cpuType, r.model, r.stepping, r.extendedFamily, r.extendedModel}),
              (std::array{6, 0, 14, 9, 0, 5}));
    EXPECT_EQ(r.revision, 0xC6);
    EXPECT_EQ(r.revisionState, kRevisionValid);
    // (5,14) stepping 9 takes the processor-number branch: "-8765K CPU @"
    // gives number 8765 and suffix K (not mobile), so "i7" is class 61,
    // product code 148. Its frequencies are derived, so the brand string
    // stays the name.
    EXPECT_EQ(r.productCode, 148);
    EXPECT_STREQ(r.processorName, "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz");
    // Product code 148 with mobileFlag 0: package string 120 of Cpumod12Glossa.
    EXPECT_STREQ(r.packaging, "QLG-1160 desktop land grid array");
    EXPECT_STREQ(r.compatibilityGuide, "");
    EXPECT_NE(r.logoBitmap, nullptr);  // 148 has logo 191

    // Information items: 1, 3, 5 always; 4 clear (not mobile); 6 set (148 is
    // in 146-156), 7 clear; 9 and 10 clear ("Production", CEh bit 27, is 1);
    // 11: "ThreadCount" 12 / "CoreCount" 6 > 1 with the leaf-1 EDX bit 28;
    // 12 arch64; 13 name established; 14 EQRT (ECX bit 7); 16 virtualization
    // (ECX bit 5); 17 thermal sensor (leaf 6 bit 0); 18 "EPTEnabled" (48Bh
    // bit 33).
    EXPECT_EQ((std::array{r.item1Flag, r.item2Flag, r.item3Flag, r.item4Flag, r.item5Flag, r.item6Flag,
                          r.item7Flag, r.item8Flag, r.item9Flag, r.item10Flag}),
              (std::array{1, 0, 1, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ((std::array{r.twinstrandEnabled, r.arch64Enabled, r.item13Flag, r.eqrtEnabled,
                          r.virtualizationEnabled, r.item17Flag, r.eptEnabled}),
              (std::array{1, 1, 1, 1, 1, 1, 1}));
    ExpectEveryFeature(r);
    EXPECT_EQ(r.twinstrandSupport, kSupported);

    // Caches. Leaf 2 (00FEFF01, F0) knows no descriptor, so leaf 4 gives all
    // four as line x partitions x ways x sets: 64x1x8x64 = 32 KB for both
    // first levels, 64x1x4x1024 = 256 KB, and the L3 64x1x16x12288 = 12288 KB.
    EXPECT_EQ(CacheSizes(r), (Quad{32, 32, 256, 12288}));
    EXPECT_EQ(CacheUnits(r), (Quad{1, 1, 1, 1}));
    // Sharing: the package's 6 cores (leaf 0Bh: 12 / 2 threads per core) for
    // the first two levels, 1 for the L3 ("CoreCount" 6 is not below 6).
    EXPECT_EQ(CacheSharing(r), (Quad{6, 6, 6, 1}));
    // Family 6, (5,14) counts by sharing.
    EXPECT_EQ(CacheCounts(r), (Quad{6, 6, 6, 1}));

    // Frequencies. "3.70GHz" gives 3700.0 and the nominal bus 100.0; the
    // second measurement, 3695.3, lies within 1 % and snaps to 3700.0, so
    // there is no further measurement. Module 12 is never in excess; no
    // interconnect values, and (5,14) on module 12 shows none.
    EXPECT_FLOAT_EQ(r.expectedCpuMHz, 3700.0f);
    EXPECT_FLOAT_EQ(r.expectedBusMHz, 100.0f);
    EXPECT_FLOAT_EQ(r.reportedCpuMHz, 3700.0f);
    EXPECT_FLOAT_EQ(r.reportedBusMHz, 100.0f);
    EXPECT_EQ((std::array{r.expectedInterconnect, r.expectedMemoryController, r.reportedInterconnect,
                          r.reportedMemoryController}),
              (std::array{0.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(r.frequencyExcess, 0);
    EXPECT_EQ(r.interconnectShown, 0);

    // Cores: MSR 35h 0006000C ("CoreCount" 6, "ThreadCount" 12); leaf 0Bh
    // 6 cores, 12 threads per package; system counts (1, 12, 6): 12 / 12 = 1
    // package; no core disabled (PCI active cores = package cores).
    EXPECT_EQ((std::array{r.coresPerPackage, r.multiCore, r.threadsPerPackage, r.multiCoreEnabled,
                          r.maxCoreCount, r.maxCoreCount2, r.packageThreadCount, r.packageThreadCount2,
                          r.packageCount, r.disabledCores}),
              (std::array{6, 1, 12, 1, 6, 6, 12, 12, 1, 0}));

    // PCI: 0:31.0 device 5D21; host bridge 54h bit 4 set, 50h bit 1 clear, so
    // the graphics identifier is that of 0:2.0, 5C0B, code 6. "BaseTDP" 2F8h
    // (760) in units of 1/2^3 W: 95 W.
    EXPECT_EQ(r.chipsetId, 0x5D21);
    EXPECT_EQ(r.graphicsCode, 6);
    EXPECT_EQ(r.baseTdpWatts, 95);

    // Processor count: T 148, L 12, A 6, B 12, K 1, M 1, S 2. Step 2.3 gives
    // P = L / A = 2; 148 is in no list of step 3 and M is 1, so step 4
    // rejects; item 7 clear then makes it one processor without the menu.
    EXPECT_EQ(run.sheet.processorsInSystem, 1);
    EXPECT_FALSE(run.sheet.processorMenuOffered);
}

TEST(RecordOnBundledProfiles, TwoPackageServerClearsItsFrequencies) {
    StartedSession run(ReadProfile(kBundled / "server_bastra_gold_55.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;

    // Leaf 1 EAX 00050654: (5,5) stepping 4; two packages of 16.
    EXPECT_EQ(run.sheet.logicalProcessorCount, 32);
    EXPECT_EQ((std::array{r.logicalProcessorCount, r.moduleNumber}), (std::array{32, 12}));
    EXPECT_EQ((std::array{r.family, r.cpuType, r.model, r.stepping, r.extendedFamily, r.extendedModel}),
              (std::array{6, 0, 5, 4, 0, 5}));
    EXPECT_EQ(r.revision, 0x2000065);
    // (5,5) stepping 4 classifies by prefix: "Quarn(R) Bastra(R) Gold" is
    // class 56, product code 143. The decision for 143 is derive/clear, and
    // "Production" is 1, so the brand string is emptied and the name falls
    // back to the fixed text for 143.
    EXPECT_EQ(r.productCode, 143);
    EXPECT_STREQ(r.processorName, "Quarn(R) Bastra(R) Gold");
    EXPECT_STREQ(r.packaging, "QLG-3720 server land grid array");  // 143: string 122
    EXPECT_NE(r.logoBitmap, nullptr);                              // 143 has logo 173

    // Item 6 clear and item 7 set for 143; 4, 9 and 10 clear as above.
    EXPECT_EQ((std::array{r.item1Flag, r.item3Flag, r.item4Flag, r.item5Flag, r.item6Flag, r.item7Flag,
                          r.item9Flag, r.item10Flag, r.item13Flag, r.twinstrandEnabled}),
              (std::array{1, 1, 0, 1, 0, 1, 0, 0, 1, 1}));
    ExpectEveryFeature(r);
    EXPECT_EQ(r.twinstrandSupport, kSupported);

    // Leaf 4: 64x1x8x64 = 32 KB twice, 64x1x16x1024 = 1024 KB, and the L3
    // 64x1x11x16384 = 11264 KB; 8 cores share each of the first levels.
    EXPECT_EQ(CacheSizes(r), (Quad{32, 32, 1024, 11264}));
    EXPECT_EQ(CacheSharing(r), (Quad{8, 8, 8, 1}));
    // (5,5) counts by sharing too.
    EXPECT_EQ(CacheCounts(r), (Quad{8, 8, 8, 1}));

    // Cleared: no expected values; the reported core frequency is the second
    // measurement, unsnapped, the bus the nominal 100.0.
    EXPECT_FLOAT_EQ(r.expectedCpuMHz, 0.0f);
    EXPECT_FLOAT_EQ(r.expectedBusMHz, 0.0f);
    EXPECT_FLOAT_EQ(r.reportedCpuMHz, 2996.4f);
    EXPECT_FLOAT_EQ(r.reportedBusMHz, 100.0f);
    EXPECT_EQ(r.frequencyExcess, 0);

    // MSR 35h 00080010: 8 cores, 16 threads; system counts (2, 32, 16): 32 /
    // 16 = 2 packages. "CoreCount" equals the package's 8 cores: none disabled.
    EXPECT_EQ((std::array{r.coresPerPackage, r.multiCore, r.threadsPerPackage, r.maxCoreCount,
                          r.packageThreadCount, r.packageCount, r.disabledCores}),
              (std::array{8, 1, 16, 8, 16, 2, 0}));

    // No integrated graphics: host bridge 54h reads 0, bit 4 clear, so the
    // identifier is 0 and the code -3. 4B0h (1200) / 8 = 150 W.
    EXPECT_EQ(r.chipsetId, 0x5D55);
    EXPECT_EQ(r.graphicsCode, -3);
    EXPECT_EQ(r.baseTdpWatts, 150);

    // Twinstrand packages with more threads than cores (S 2, K 2, B 16 > A 8)
    // count as one processor: step 2.1 accepts P = 1 and step 5 withholds the
    // menu.
    EXPECT_EQ(run.sheet.processorsInSystem, 1);
    EXPECT_FALSE(run.sheet.processorMenuOffered);
}

// The server with Twinstrand switched off in its firmware: 8 threads per
// package, one per core. Processor 2 of the first package reports an older
// revision and measurements of its own.
nlohmann::json ServerWithoutTwinstrand() {
    nlohmann::json profile = ReadProfile(kBundled / "server_bastra_gold_55.json");
    auto& package = profile["packages"][0];
    package["logicalProcessors"] = 8;
    package["msr"]["0x35"] = "0x0000000000080008";
    SetCpuid(profile, 0x1, 0, "ebx", 0x00080800);  // 8 logical processors
    SetCpuid(profile, 0x4, 1, "eax", 0x1C000122);  // one thread per core
    SetCpuid(profile, 0xB, 0, "ebx", 1);
    SetCpuid(profile, 0xB, 1, "ebx", 8);
    package["processors"]["2"] = {
        {"revision", "0x2000064"},
        {"measurements", nlohmann::json::array({{{"cpuMHz", 2388.1}, {"busMHz", 99.9}},
                                                {{"cpuMHz", 2391.7}, {"busMHz", 99.9}}})}};
    profile["packages"][1] = package;
    profile["packages"][1].erase("processors");
    profile["systemCounts"] = {2, 16, 16};
    return profile;
}

TEST(RecordOnBundledProfiles, ServerWithoutTwinstrandListsBothPackagesAndSwitches) {
    StartedSession run(ServerWithoutTwinstrand());
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;

    // "ThreadCount" 8 / "CoreCount" 8 is not above 1: Twinstrand not enabled,
    // feature 50 answers 0. System counts 16 / 8 = 2 packages.
    EXPECT_EQ(run.sheet.logicalProcessorCount, 16);
    EXPECT_EQ((std::array{r.twinstrandEnabled, r.twinstrandSupport, r.coresPerPackage, r.threadsPerPackage,
                          r.packageCount, r.item7Flag}),
              (std::array{0, kNotSupported, 8, 8, 2, 1}));
    EXPECT_EQ(r.revision, 0x2000065);
    EXPECT_FLOAT_EQ(r.reportedCpuMHz, 2996.4f);
    // T 143 is in no list of step 1; S is not 2, so step 2.2 accepts K = 2;
    // item 7 is set for 143, so the count and the menu stay.
    EXPECT_EQ(run.sheet.processorsInSystem, 2);
    EXPECT_TRUE(run.sheet.processorMenuOffered);

    // Processor 2 answers with its own revision and measurement: cleared
    // like processor 1, so the second measurement unsnapped.
    const SwitchOutcome second = run.connection.SwitchProcessor(2);
    ASSERT_EQ(second.kind, SwitchOutcome::Kind::kCollected);
    EXPECT_EQ(r.currentProcessor, 2);
    EXPECT_EQ(run.sheet.selectedProcessor, 2);
    EXPECT_EQ((std::array{r.revision, r.productCode}), (std::array{0x2000064, 143}));
    EXPECT_FLOAT_EQ(r.reportedCpuMHz, 2391.7f);
    EXPECT_EQ(CacheSizes(r), (Quad{32, 32, 1024, 11264}));
    // The switch does not derive the processor count again.
    EXPECT_EQ(run.sheet.processorsInSystem, 2);

    ASSERT_EQ(run.connection.SwitchProcessor(1).kind, SwitchOutcome::Kind::kCollected);
    EXPECT_EQ(r.currentProcessor, 1);
    EXPECT_EQ(r.revision, 0x2000065);
    // Processor 3 is beyond the two processors the menu lists.
    EXPECT_EQ(run.connection.SwitchProcessor(3).kind, SwitchOutcome::Kind::kFailed);
}

}  // namespace
