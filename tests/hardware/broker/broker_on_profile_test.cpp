// The real Hwbroker.so choosing, loading and initialising the real
// Cpumod12.so, which reads the same profile through ProfileData.so.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "broker_on_profile.h"
#include "sondrel/broker_interfaces.h"
#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"
#include "sondrel/platform/library.h"

using namespace sondrel;
using namespace sondrel::testing;
namespace fs = std::filesystem;

namespace {

class BrokerOnProfile : public ::testing::Test {
protected:
    void SetUp() override {
        library_ =
            platform::LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / "Hwbroker.so").string()).handle;
        ASSERT_NE(library_, nullptr);
        auto* entry = reinterpret_cast<GetBrokerModuleInterfaceFunction>(
            platform::FindEntryPoint(library_, export_name::kBrokerModule));
        ASSERT_NE(entry, nullptr);
        void* out = nullptr;
        ASSERT_EQ(entry(interface_id::kRoot, &out), result::kSuccess);
        root_ = static_cast<IFreqIDUnknown*>(out);
        ASSERT_EQ(root_->LookupInterface(interface_id::kBrokerSession, &out), result::kSuccess);
        session = static_cast<IBrokerSession*>(out);
    }
    void TearDown() override {
        if (session != nullptr) {
            session->DropReference();
        }
        if (root_ != nullptr) {
            root_->DropReference();
        }
        platform::UnloadLibrary(library_);
    }

    // The module object for `processor`; null when the broker refused.
    IFreqIDUnknown* Module(std::int32_t processor) {
        void* out = nullptr;
        EXPECT_EQ(session->GetProcessorModule(processor, &out), result::kSuccess);
        return static_cast<IFreqIDUnknown*>(out);
    }

    IBrokerSession* session = nullptr;

private:
    platform::LibraryHandle library_ = nullptr;
    IFreqIDUnknown* root_ = nullptr;
};

std::array<std::int32_t, 4> Signature(IFreqIDUnknown* module, std::int32_t processor) {
    auto* signature = Lookup<ICPUSignature>(module, interface_id::kCPUSignature);
    std::array<std::int32_t, 4> values{-1, -1, -1, -1};
    EXPECT_EQ(signature->GetFamily(processor, &values[0]), result::kSuccess);
    EXPECT_EQ(signature->GetExtendedModel(processor, &values[1]), result::kSuccess);
    EXPECT_EQ(signature->GetModel(processor, &values[2]), result::kSuccess);
    EXPECT_EQ(signature->GetStepping(processor, &values[3]), result::kSuccess);
    signature->DropReference();
    return values;
}

TEST_F(BrokerOnProfile, SecondPackageIsServedForItsOwnProcessor) {
    SelectedProfile profile(MultiPackageDesktop(2, kDesktopSignatureStepping10));
    ASSERT_EQ(session->Open(nullptr), result::kSuccess);
    std::int32_t count = 0;
    ASSERT_EQ(session->GetProcessorCount(&count), result::kSuccess);
    EXPECT_EQ(count, 16);
    std::int32_t leaf = 0;
    ASSERT_EQ(session->GetMaxCpuidLeaf(9, &leaf), result::kSuccess);
    EXPECT_EQ(leaf, 0x16);

    IFreqIDUnknown* second = Module(9);
    ASSERT_NE(second, nullptr);
    std::int32_t moduleNumber = 0;
    EXPECT_EQ(session->GetModuleNumber(&moduleNumber), result::kSuccess);
    EXPECT_EQ(moduleNumber, 12);
    EXPECT_EQ(Signature(second, 9), (std::array{6, 9, 14, 10}));

    // The object answers for processor 9 only.
    auto* info = Lookup<ICPUInfo>(second, interface_id::kCPUInfo);
    std::int32_t revision = 0;
    EXPECT_EQ(info->GetRevision(9, &revision), result::kSuccess);
    EXPECT_EQ(revision, 0xB4);
    EXPECT_EQ(info->GetRevision(1, &revision), result::kNotInitialized);
    info->DropReference();

    // 16 logical processors of 8 per package: two packages of 4 cores.
    auto* details = Lookup<ICPUCMPDetails>(second, interface_id::kCPUCMPDetails);
    std::int32_t packages = 0, maxCores = 0, packageThreads = 0;
    EXPECT_EQ(details->GetPackageCount(9, &packages), result::kSuccess);
    EXPECT_EQ(details->GetMaxCoreCount(9, &maxCores), result::kSuccess);
    EXPECT_EQ(details->GetPackageThreadCount(9, &packageThreads), result::kSuccess);
    EXPECT_EQ((std::array{packages, maxCores, packageThreads}), (std::array{2, 4, 8}));
    details->DropReference();

    auto* tdp = Lookup<ITDP>(second, interface_id::kTDP);
    std::int32_t watts = 0;
    EXPECT_EQ(tdp->GetBaseTDP(9, &watts), result::kSuccess);
    EXPECT_EQ(watts, 91);  // 728 units of 1/8 W
    tdp->DropReference();
    second->DropReference();

    IFreqIDUnknown* first = Module(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Signature(first, 1), (std::array{6, 9, 14, 9}));
    first->DropReference();
}

TEST_F(BrokerOnProfile, ProcessorWithoutAModuleFileGivesAClearCode) {
    // (10,5) is newer than every table; Cpumod0 has not been built.
    SelectedProfile profile(DesktopWithProcessorSignature(2, 0x000A0655));
    ASSERT_EQ(session->Open(nullptr), result::kSuccess);
    void* out = &out;
    const ResultCode code = session->GetProcessorModule(2, &out);
    if (fs::exists(fs::path(SONDREL_OUTPUT_DIR) / "Cpumod0.so")) {
        // The module the broker handed out is ours to drop.
        if (code == result::kSuccess && out != nullptr) {
            static_cast<IFreqIDUnknown*>(out)->DropReference();
        }
        GTEST_SKIP() << "Cpumod0.so exists now";
    }
    EXPECT_EQ(code, result::kCompanionMissing);
    EXPECT_EQ(out, nullptr);
}

}  // namespace
