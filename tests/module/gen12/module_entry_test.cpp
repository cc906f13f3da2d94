// The export's body, construction of the module object, interface lookup
// and reference counting.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {
namespace {

namespace fake = platform::fake;
using Names = std::vector<std::string>;

fake::FakeLibrary Unverified() {
    fake::FakeLibrary library;
    library.verified = false;
    return library;
}

fake::FakeLibrary Unloadable() {
    fake::FakeLibrary library;
    library.loadable = false;
    return library;
}

class ModuleEntryTest : public ModuleTest {};

TEST_F(ModuleEntryTest, NullOutputFailsBeforeAnyFileIsSearched) {
    EXPECT_EQ(gen12::CreateModule(interface_id::kRoot, nullptr, kDataModuleName, nullptr),
              result::kNullArgument);
    EXPECT_TRUE(fake::SearchLog().empty());
    EXPECT_TRUE(fake::LoadedLibraries().empty());
}

TEST_F(ModuleEntryTest, SuccessLoadsTheLanguageFileThenTheDataModule) {
    ASSERT_EQ(gen12::CreateModule(interface_id::kRoot, nullptr, kDataModuleName, &root), 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(fake::SearchLog(), (Names{kLanguageFileName, kDataModuleName}));
    EXPECT_EQ(fake::LoadedLibraries(), (Names{kLanguageFileName, kDataModuleName}));
}

TEST_F(ModuleEntryTest, ConstructionFailuresReturnTheirCodeAndLeaveNothingLoaded) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* dataModuleName;
        ResultCode expected;
        Names searched;
    };
    const Case cases[] = {
        {"language file missing",
         [] { fake::Reset(); },
         kDataModuleName,
         result::kFileNotFound,
         {kLanguageFileName}},
        {"language file fails verification",
         [] { fake::AddLibrary(kLanguageFileName, Unverified()); },
         kDataModuleName,
         result::kFileNotFound,
         {kLanguageFileName}},
        {"language file not loadable",
         [] { fake::AddLibrary(kLanguageFileName, Unloadable()); },
         kDataModuleName,
         result::kLanguageUnavailable,
         {kLanguageFileName}},
        {"no data module named", [] {}, nullptr, result::kNoDataModuleNamed, {kLanguageFileName}},
        {"data module missing", [] {}, "Absent.so", result::kFileNotFound, {kLanguageFileName, "Absent.so"}},
        {"data module fails verification",
         [] { fake::AddLibrary(kDataModuleName, Unverified()); },
         kDataModuleName,
         result::kFileNotFound,
         {kLanguageFileName, kDataModuleName}},
        {"data module not loadable",
         [] { fake::AddLibrary(kDataModuleName, Unloadable()); },
         kDataModuleName,
         result::kDataModuleUnloadable,
         {kLanguageFileName, kDataModuleName}},
    };
    for (const Case& c : cases) {
        SetUp();
        c.arrange();
        void* out = &data;
        EXPECT_EQ(gen12::CreateModule(interface_id::kRoot, nullptr, c.dataModuleName, &out), c.expected)
            << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
        EXPECT_EQ(fake::SearchLog(), c.searched) << c.what;
        EXPECT_TRUE(fake::LoadedLibraries().empty()) << c.what;
    }
}

struct ThrowingModule : gen12::CP12LarchModule {
    ThrowingModule() { throw std::bad_alloc(); }
};

TEST_F(ModuleEntryTest, ObjectThatCannotBeCreatedGivesTheGeneralFailure) {
    void* out = nullptr;
    EXPECT_EQ(
        module::CreateProcessorModule<ThrowingModule>(interface_id::kRoot, nullptr, kDataModuleName, &out),
        result::kModuleCreationFailed);
    EXPECT_TRUE(fake::SearchLog().empty());
}

TEST_F(ModuleEntryTest, ExportHandsOutTheInterfaceAskedFor) {
    void* info = nullptr;
    ASSERT_EQ(gen12::CreateModule(interface_id::kCPUInfo, nullptr, kDataModuleName, &info), 0);
    auto* cpuInfo = static_cast<ICPUInfo*>(info);
    void* first = nullptr;
    ASSERT_EQ(cpuInfo->LookupInterface(interface_id::kRoot, &first), 0);
    EXPECT_NE(first, info);
    static_cast<IInitializePM*>(first)->DropReference();
    cpuInfo->DropReference();
    EXPECT_TRUE(fake::LoadedLibraries().empty());
}

TEST_F(ModuleEntryTest, UnknownInterfaceAtTheExportDestroysTheObject) {
    void* out = &data;
    EXPECT_EQ(gen12::CreateModule(interface_id::kProcessorAccess, nullptr, kDataModuleName, &out),
              result::kInterfaceNotImplemented);
    EXPECT_EQ(out, nullptr);
    EXPECT_TRUE(fake::LoadedLibraries().empty());
}

TEST_F(ModuleEntryTest, RootAndInitializeShareTheFirstTable) {
    ASSERT_EQ(Create(), 0);
    void* viaRoot = nullptr;
    void* viaInitialize = nullptr;
    ASSERT_EQ(Module().LookupInterface(interface_id::kRoot, &viaRoot), 0);
    ASSERT_EQ(Module().LookupInterface(interface_id::kInitializePM, &viaInitialize), 0);
    EXPECT_EQ(viaRoot, viaInitialize);
    EXPECT_EQ(viaRoot, root);
    Module().DropReference();
    Module().DropReference();
}

TEST_F(ModuleEntryTest, EveryCpumod12InterfaceIsFoundAndForeignIdsAreNot) {
    ASSERT_EQ(Create(), 0);
    for (const std::int32_t id :
         {interface_id::kCPUInfo, interface_id::kCPUSignature, interface_id::kCPUFeatures,
          interface_id::kSpeeds, interface_id::kCacheSizes, interface_id::kCPUDetails,
          interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP}) {
        void* out = nullptr;
        EXPECT_EQ(Module().LookupInterface(id, &out), 0) << id;
        EXPECT_NE(out, nullptr) << id;
        Module().DropReference();
    }
    for (const std::int32_t id : {interface_id::kProcessorAccess, interface_id::kRegisterFields,
                                  interface_id::kBrokerSession, 11000, 0, -1}) {
        void* out = &data;
        EXPECT_EQ(Module().LookupInterface(id, &out), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(out, nullptr) << id;
    }
    EXPECT_EQ(Module().LookupInterface(interface_id::kRoot, nullptr), result::kNullArgument);
}

TEST_F(ModuleEntryTest, ReferenceCountingDestroysAtZeroWithBothCompanionsUnloaded) {
    ASSERT_EQ(Create(), 0);
    EXPECT_EQ(Module().AddReference(), 2);
    void* info = nullptr;
    ASSERT_EQ(Module().LookupInterface(interface_id::kCPUInfo, &info), 0);
    EXPECT_EQ(Module().AddReference(), 4);
    EXPECT_EQ(Module().DropReference(), 0);  // 3 remain
    EXPECT_EQ(Module().DropReference(), 0);
    EXPECT_EQ(static_cast<ICPUInfo*>(info)->DropReference(), 0);
    EXPECT_EQ(fake::LoadedLibraries().size(), 2u);
    EXPECT_EQ(Module().DropReference(), 0);
    root = nullptr;
    EXPECT_TRUE(fake::LoadedLibraries().empty());
}

}  // namespace
}  // namespace sondrel::test
