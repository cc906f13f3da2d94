// The start-up session and the collection through the real Hwbroker.so, the
// real Cpumod12.so and ProfileData.so, on profiles.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/app/collection.h"
#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"

using namespace sondrel;
using namespace sondrel::app;
using namespace sondrel::testing;
namespace fs = std::filesystem;

namespace {

// A session of the real broker, opened on the selected profile.
class RealSession {
public:
    RealSession() {
        library_ = platform::LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / kBrokerLibraryName).string())
                       .handle;
        auto* entry = reinterpret_cast<GetBrokerModuleInterfaceFunction>(
            platform::FindEntryPoint(library_, export_name::kBrokerModule));
        void* out = nullptr;
        EXPECT_EQ(entry(interface_id::kRoot, &out), result::kSuccess);
        root_ = static_cast<IFreqIDUnknown*>(out);
        EXPECT_EQ(root_->LookupInterface(interface_id::kBrokerSession, &out), result::kSuccess);
        session_ = static_cast<IBrokerSession*>(out);
        EXPECT_EQ(session_->Open(library_), result::kSuccess);
    }
    ~RealSession() {
        session_->DropReference();
        root_->DropReference();
        platform::UnloadLibrary(library_);
    }
    RealSession(const RealSession&) = delete;
    RealSession& operator=(const RealSession&) = delete;

    IBrokerSession& operator*() const { return *session_; }

private:
    platform::LibraryHandle library_ = nullptr;
    IFreqIDUnknown* root_ = nullptr;
    IBrokerSession* session_ = nullptr;
};

// The hand-worked desktop fixture values that the module steps already
// derive: signature, revision, counts and the base power.
void ExpectDesktopIdentityAndCounts(const SystemRecord& record) {
    EXPECT_EQ(record.moduleNumber, 12);
    EXPECT_EQ(record.logicalProcessorCount, 8);
    // Leaf 1 EAX 0x906E9: family 6, type 0, extended model 9, model 14, stepping 9.
    EXPECT_EQ((std::array{record.family, record.cpuType, record.extendedFamily, record.extendedModel,
                          record.model, record.stepping}),
              (std::array{6, 0, 0, 9, 14, 9}));
    // Revision 0xB4 from the register-field list header.
    EXPECT_EQ(record.revision, 0xB4);
    EXPECT_EQ(record.revisionState, kRevisionValid);
    // MSR 0x35: 4 cores, 8 threads; leaf 0xB: 8 logical processors per package;
    // system counts (1, 8, 4): one package.
    EXPECT_EQ((std::array{record.coresPerPackage, record.multiCore, record.threadsPerPackage,
                          record.multiCoreEnabled, record.maxCoreCount, record.maxCoreCount2,
                          record.packageThreadCount, record.packageThreadCount2, record.packageCount}),
              (std::array{4, 1, 8, 1, 4, 4, 8, 8, 1}));
    // "BaseTDP" 728 in units of 1/8 W.
    EXPECT_EQ(record.baseTdpWatts, 91);
}

TEST(CollectionOnProfile, StartUpSessionCollectsProcessor1) {
    SelectedProfile profile(ReadProfile(kDesktopProfile));
    MainSheetState sheet;
    SystemRecord record;
    BrokerConnection connection(sheet, record);
    const ResultCode code = connection.RunBrokerSession();
    ASSERT_EQ(code, result::kSuccess);
    EXPECT_EQ(sheet.logicalProcessorCount, 8);
    EXPECT_EQ(sheet.maxCpuidLeaf, 0x16);
    EXPECT_EQ(sheet.processorModule, nullptr);
    EXPECT_EQ(record.currentProcessor, 1);
    ExpectDesktopIdentityAndCounts(record);
}

TEST(CollectionOnProfile, CollectingProcessor2GivesThatProcessorsData) {
    SelectedProfile profile(DesktopWithProcessorSignature(2, kDesktopSignatureStepping10));
    RealSession session;
    MainSheetState sheet;
    sheet.logicalProcessorCount = 8;
    SystemRecord record;
    const ResultCode code = CollectProcessorData(sheet, *session, 2, record);
    ASSERT_EQ(code, result::kSuccess);
    EXPECT_EQ(record.currentProcessor, 2);
    EXPECT_EQ(record.stepping, 10);
    EXPECT_EQ(record.moduleNumber, 12);
    EXPECT_EQ(sheet.processorModule, nullptr);

    ASSERT_EQ(CollectProcessorData(sheet, *session, 1, record), result::kSuccess);
    EXPECT_EQ(record.currentProcessor, 1);
    EXPECT_EQ(record.stepping, 9);
}

TEST(CollectionOnProfile, TwoPackagesAreCountedByTheModule) {
    SelectedProfile profile(MultiPackageDesktop(2, kDesktopSignature));
    MainSheetState sheet;
    SystemRecord record;
    BrokerConnection connection(sheet, record);
    const ResultCode code = connection.RunBrokerSession();
    ASSERT_EQ(code, result::kSuccess);
    EXPECT_EQ(sheet.logicalProcessorCount, 16);
    EXPECT_EQ(record.packageCount, 2);
    // "i7-7789K" on (9,14) stepping 9 is product code 133, whose packages
    // are not counted as they are; Twinstrand packages with more threads
    // than cores (8 > 4) count as one processor, without the menu.
    EXPECT_EQ(record.productCode, 133);
    EXPECT_EQ(record.twinstrandSupport, kSupported);
    EXPECT_EQ(sheet.processorsInSystem, 1);
    EXPECT_FALSE(sheet.processorMenuOffered);
}

}  // namespace
