// The start-up session through the real broker on the bundled profiles of
// Cpumod7 and Cpumod0: the system record, the tolerated absent interfaces
// and the derived counts.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/app/system_record.h"

using namespace sondrel;
using namespace sondrel::app;
using namespace sondrel::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kBundled = fs::path(SONDREL_SOURCE_DIR) / "profiles";

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

TEST(RecordOnFrontSideBusProfiles, TwoCoreDesktop) {
    StartedSession run(ReadProfile(kBundled / "cpumod7/desktop_vantor2_duo_0f.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;
    EXPECT_EQ(r.moduleNumber, 7);
    EXPECT_EQ(r.productCode, 65);
    EXPECT_STREQ(r.processorName, "Quarn(R) Vantor(TM)2 Duo CPU E6760 @ 2.66GHz");
    EXPECT_STREQ(r.packaging, "QLG-775 desktop land grid array");
    EXPECT_EQ((std::array{r.expectedCpuMHz, r.expectedBusMHz}), (std::array{2666.666f, 533.3332f}));
    EXPECT_EQ(r.reportedCpuMHz, 2666.666f);
    EXPECT_EQ(static_cast<int>(r.reportedBusMHz), 533);
    EXPECT_EQ(r.frequencyExcess, 0);
    // (0,15) rule A: two active cores, none disabled: two first-level caches, one L2, no L3.
    EXPECT_EQ((std::array{r.coresPerPackage, r.multiCore, r.threadsPerPackage, r.disabledCores}),
              (std::array{2, 1, 2, 0}));
    EXPECT_EQ((std::array{r.l1DataCacheSize, r.l1InstructionCacheSize, r.l2CacheSize, r.l3CacheSize}),
              (std::array{32, 32, 4096, 0}));
    EXPECT_EQ((std::array{r.l1DataCount, r.l1InstructionCount, r.l2Count, r.l3Count}),
              (std::array{2, 2, 1, 0}));
    // No interconnect lines and no TDP on this generation.
    EXPECT_EQ(r.interconnectShown, 0);
    EXPECT_EQ(r.baseTdpWatts, 0);
    EXPECT_EQ((std::array{r.item1Flag, r.item3Flag, r.item9Flag, r.item10Flag, r.twinstrandEnabled}),
              (std::array{1, 1, 1, 1, 1}));
    EXPECT_EQ(r.twinstrandSupport, kNotSupported);
    EXPECT_EQ(r.avx, 0);
    EXPECT_EQ(r.aesNi, 0);
    EXPECT_EQ(run.sheet.processorsInSystem, 1);
    EXPECT_FALSE(run.sheet.processorMenuOffered);
}

TEST(RecordOnFutureProfile, AbsentInterfacesAreToleratedAndProductCode4Kept) {
    StartedSession run(ReadProfile(kBundled / "cpumod0/future_family6_a5.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;
    EXPECT_EQ(r.moduleNumber, 0);
    EXPECT_EQ(r.productCode, 4);
    EXPECT_STREQ(r.processorName, "Quarn(R) Processor (newer than this program)");
    EXPECT_EQ((std::array{r.family, r.model, r.extendedModel, r.stepping}), (std::array{6, 5, 10, 2}));
    EXPECT_EQ(r.revisionState, kRevisionUnknown);
    // Items the module does not answer are stored as it answered them: −1.
    EXPECT_EQ(
        (std::array{r.item1Flag, r.item2Flag, r.item3Flag, r.item5Flag, r.item7Flag, r.twinstrandEnabled}),
        (std::array{1, 0, -1, 1, -1, 1}));
    // Feature 50 cannot be judged, 90 and 120 are unknown to the module.
    EXPECT_EQ(r.twinstrandSupport, kNotDeterminable);
    EXPECT_EQ(r.enhancedHaltState, kNotAsked);
    EXPECT_EQ(r.feature120Support, kNotDeterminable);
    EXPECT_EQ((std::array{r.sse4, r.avx, r.aesNi, r.executeDisable}), (std::array{0, 0, 0, 1}));
    // No caches, speeds, details or PCI interfaces.
    EXPECT_EQ((std::array{r.l1DataCacheSize, r.l1InstructionCacheSize, r.l2CacheSize, r.l3CacheSize}),
              (std::array{-2, -2, -2, -2}));
    EXPECT_EQ((std::array{r.expectedCpuMHz, r.reportedCpuMHz}), (std::array{0.0f, 0.0f}));
    EXPECT_EQ(r.interconnectShown, 0);
    EXPECT_EQ((std::array{r.coresPerPackage, r.multiCore, r.packageCount}), (std::array{1, 0, 1}));
    // Sixteen logical processors, one core reported and no multi-core: the
    // host's count takes every logical processor for a processor.
    EXPECT_EQ(run.sheet.processorsInSystem, 16);
}

}  // namespace
