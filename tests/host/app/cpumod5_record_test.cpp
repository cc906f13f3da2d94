// The start-up session through the real broker on Cpumod5's bundled
// profiles: the system record, with the interfaces the generation lacks
// (multi-core and PCI details, TDP) tolerated by the host's collection.
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

TEST(RecordOnCpumod5Profiles, SingleCoreMobilePart) {
    StartedSession run(ReadProfile(kBundled / "cpumod5/mobile_corvid_m_0d.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;
    EXPECT_EQ(r.moduleNumber, 5);
    EXPECT_EQ(r.productCode, 54);
    EXPECT_STREQ(r.processorName, "Quarn(R) Corvid(R) M processor 1.73GHz");
    EXPECT_STREQ(r.packaging, "QPG-478 mobile pin grid array");
    EXPECT_EQ((std::array{r.expectedCpuMHz, r.expectedBusMHz}), (std::array{1733.333f, 533.3332f}));
    EXPECT_EQ(r.reportedCpuMHz, 1733.333f);
    EXPECT_EQ(static_cast<int>(r.reportedBusMHz), 533);
    // Without ICPUCMPDetails the thread count keeps its preset 0.
    EXPECT_EQ((std::array{r.coresPerPackage, r.multiCore, r.threadsPerPackage, r.disabledCores}),
              (std::array{1, 0, 0, 0}));
    EXPECT_EQ((std::array{r.l1DataCacheSize, r.l1InstructionCacheSize, r.l2CacheSize}),
              (std::array{32, 32, 2048}));
    EXPECT_EQ(r.interconnectShown, 0);
    EXPECT_EQ(r.baseTdpWatts, 0);
    EXPECT_EQ(r.twinstrandSupport, kNotSupported);
    EXPECT_EQ((std::array{r.item1Flag, r.item3Flag, r.item6Flag, r.item7Flag}), (std::array{1, 1, 0, 0}));
    EXPECT_EQ(run.sheet.processorsInSystem, 1);
}

TEST(RecordOnCpumod5Profiles, TwoCorePartWithoutMultiCoreDetails) {
    StartedSession run(ReadProfile(kBundled / "cpumod5/mobile_vantor_duo_0e.json"));
    ASSERT_EQ(run.code, result::kSuccess);
    const SystemRecord& r = run.record;
    EXPECT_EQ(r.moduleNumber, 5);
    EXPECT_EQ(r.productCode, 61);
    EXPECT_EQ((std::array{r.expectedCpuMHz, r.expectedBusMHz}), (std::array{2000.0f, 667.1668f}));
    EXPECT_EQ(static_cast<int>(r.reportedBusMHz), 667);
    // Active cores from ICPUDetails; the thread count keeps its preset 0.
    EXPECT_EQ((std::array{r.coresPerPackage, r.threadsPerPackage, r.disabledCores}), (std::array{2, 0, 0}));
    EXPECT_EQ((std::array{r.l1DataCount, r.l1InstructionCount, r.l2Count}), (std::array{2, 2, 1}));
    EXPECT_EQ(run.sheet.processorsInSystem, 1);
}

}  // namespace
