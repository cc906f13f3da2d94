// The broker's module choice, loading and session rules, with the platform
// fake and processor modules made in the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "broker.h"
#include "catalogue.h"
#include "fake_module.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/fake.h"

using namespace sondrel;
using namespace sondrel::broker;
using sondrel::testing::FakeModule;
namespace fake = sondrel::platform::fake;
namespace fs = std::filesystem;

namespace {

TEST(ModuleCatalogue, ChoosesTheModuleBySignature) {
    struct Case {
        std::uint32_t leaf1Eax;
        std::optional<std::int32_t> module;
    };
    const Case cases[] = {
        {0x000906E9, 12},            // (9,14)
        {0x00050654, 12},            // (5,5)
        {0x000306C3, 11},            // (3,12)
        {0x000206A7, 9},             // (2,10)
        {0x000106A5, 8},             // (1,10)
        {0x000406C3, 10},            // (4,12)
        {0x00010676, 7},             // (1,7)
        {0x000006F6, 7},             // (0,15)
        {0x000006D8, 5},             // (0,13)
        {0x00000F29, 4},             // family 15 model 2
        {0x00000F41, 6},             // family 15 model 4
        {0x00100F22, std::nullopt},  // family 15 with extended family 1
        {0x000A0655, 0},             // (10,5): newer than every table
        {0x000906F0, 0},             // (9,15): newer than (9,14)
        {0x00000652, std::nullopt},  // (0,5): older, in no table
        {0x00040661, 11},            // (4,6)
        {0x00040611, std::nullopt},  // (4,1): in a gap of the tables
        {0x00000543, std::nullopt},  // family 5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf1Eax);
        EXPECT_EQ(ChooseModuleNumber(DecodeSignature(c.leaf1Eax)), c.module);
    }
}

// The export of the modules made in the test.
struct ModuleExport {
    FakeModule* module = nullptr;
    ResultCode result = result::kSuccess;
    void* verificationHandle = nullptr;
    std::string dataModule;
    int creations = 0;
};
ModuleExport theExport;

ResultCode FakeGetProcessorModuleInterface(std::int32_t interfaceId, void* verificationHandle,
                                           const char* dataModuleFileName, void** out) {
    ++theExport.creations;
    theExport.verificationHandle = verificationHandle;
    theExport.dataModule = dataModuleFileName;
    if (theExport.result != result::kSuccess) {
        return theExport.result;
    }
    return theExport.module->LookupInterface(interfaceId, out);
}

fake::FakeLibrary ModuleLibrary() {
    fake::FakeLibrary library;
    library.entryPoints[export_name::kProcessorModule] =
        reinterpret_cast<void*>(&FakeGetProcessorModuleInterface);
    return library;
}

// Processor 1 is a (9,14), 2 a (3,12), 3 is absent and 4, in a second
// package, is newer than every table.
constexpr const char* kMachine = R"({
  "packages": [
    {"logicalProcessors": 3, "absent": [3],
     "cpuid": [{"leaf": 0, "eax": "0x16"}, {"leaf": 1, "eax": "0x906E9"}],
     "processors": {"2": {"cpuid": [{"leaf": 0, "eax": "0xD"}, {"leaf": 1, "eax": "0x306C3"}]}}},
    {"logicalProcessors": 1, "cpuid": [{"leaf": 1, "eax": "0xA0655"}]}
  ]
})";

class Broker : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddLibrary("Cpumod12.so", ModuleLibrary());
        fake::AddLibrary("Cpumod11.so", ModuleLibrary());
        theExport = ModuleExport{};
        theExport.module = &module;
        UseProfile(kMachine);
        ASSERT_EQ(CreateBrokerRoot(interface_id::kRoot, reinterpret_cast<void**>(&root)), result::kSuccess);
        session = NewSession();
    }
    void TearDown() override {
        session->DropReference();
        root->DropReference();
        EXPECT_TRUE(fake::LoadedLibraries().empty());
        ::unsetenv(profile::kProfileVariable);
        fs::remove(profilePath);
        fake::Reset();
    }

    void UseProfile(const std::string& text) {
        std::ofstream(profilePath) << text;
        ::setenv(profile::kProfileVariable, profilePath.c_str(), 1);
    }

    IBrokerSession* NewSession() {
        void* out = nullptr;
        EXPECT_EQ(root->LookupInterface(interface_id::kBrokerSession, &out), result::kSuccess);
        return static_cast<IBrokerSession*>(out);
    }

    fs::path profilePath =
        fs::temp_directory_path() / ("sondrel-broker-" + std::to_string(::getpid()) + ".json");
    FakeModule module;
    IFreqIDUnknown* root = nullptr;
    IBrokerSession* session = nullptr;
    int brokerHandle = 0;
};

TEST_F(Broker, AnswersFromTheProfileAfterOpen) {
    std::int32_t count = 0;
    EXPECT_EQ(session->GetProcessorCount(&count), result::kNotInitialized);
    ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);
    EXPECT_EQ(session->GetProcessorCount(&count), result::kSuccess);
    EXPECT_EQ(count, 4);
    std::int32_t leaf = -1;
    EXPECT_EQ(session->GetMaxCpuidLeaf(1, &leaf), result::kSuccess);
    EXPECT_EQ(leaf, 0x16);
    EXPECT_EQ(session->GetMaxCpuidLeaf(2, &leaf), result::kSuccess);
    EXPECT_EQ(leaf, 0xD);
    EXPECT_EQ(session->GetMaxCpuidLeaf(4, &leaf), result::kSuccess);
    EXPECT_EQ(leaf, 0);

    EXPECT_EQ(session->GetMaxCpuidLeaf(0, &leaf), result::kProcessorOutOfRange);
    EXPECT_EQ(session->GetMaxCpuidLeaf(5, &leaf), result::kProcessorOutOfRange);
    EXPECT_EQ(session->GetMaxCpuidLeaf(3, &leaf), result::kProcessorNotPresent);
    EXPECT_EQ(session->GetMaxCpuidLeaf(1, nullptr), result::kNullArgument);
    EXPECT_EQ(session->GetProcessorCount(nullptr), result::kNullArgument);
    EXPECT_EQ(session->Reserved7(), result::kReservedSlot);
    EXPECT_EQ(session->Reserved8(), result::kReservedSlot);
}

TEST_F(Broker, HandsOutAnInitialisedModuleWithOneReference) {
    ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);
    std::int32_t number = -1;
    EXPECT_EQ(session->GetModuleNumber(&number), result::kNotInitialized);

    void* out = nullptr;
    ASSERT_EQ(session->GetProcessorModule(1, &out), result::kSuccess);
    EXPECT_EQ(static_cast<IFreqIDUnknown*>(out),
              static_cast<IFreqIDUnknown*>(static_cast<IInitializePM*>(&module)));
    EXPECT_EQ(module.references, 1);
    EXPECT_EQ(module.calls, (std::vector<std::string>{"Lookup 1000", "Lookup 4000", "Initialize"}));
    EXPECT_EQ(module.processorsAsked, (std::set<std::int32_t>{1}));
    EXPECT_EQ(theExport.verificationHandle, &brokerHandle);
    EXPECT_EQ(theExport.dataModule, "ProfileData.so");
    EXPECT_EQ(session->GetModuleNumber(&number), result::kSuccess);
    EXPECT_EQ(number, 12);
    static_cast<IFreqIDUnknown*>(out)->DropReference();

    // Processor 2 has another signature, so another module file.
    module.calls.clear();
    module.processorsAsked.clear();
    ASSERT_EQ(session->GetProcessorModule(2, &out), result::kSuccess);
    EXPECT_EQ(module.processorsAsked, (std::set<std::int32_t>{2}));
    EXPECT_EQ(session->GetModuleNumber(&number), result::kSuccess);
    EXPECT_EQ(number, 11);
    static_cast<IFreqIDUnknown*>(out)->DropReference();
    EXPECT_EQ(fake::LoadedLibraries(), (std::vector<std::string>{"Cpumod12.so", "Cpumod11.so"}));

    // A module file is loaded once and kept while the root lives.
    ASSERT_EQ(session->GetProcessorModule(1, &out), result::kSuccess);
    static_cast<IFreqIDUnknown*>(out)->DropReference();
    EXPECT_EQ(fake::LoadedLibraries().size(), 2u);
    EXPECT_EQ(module.references, 0);
}

TEST_F(Broker, SessionsOfOneRootShareTheOpenedMachine) {
    ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);
    IBrokerSession* second = NewSession();
    std::int32_t count = 0;
    EXPECT_EQ(second->GetProcessorCount(&count), result::kSuccess);
    EXPECT_EQ(count, 4);
    second->DropReference();
}

TEST_F(Broker, ModuleFailuresGiveClearCodesAndLeaveNothingHeld) {
    ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);
    struct Case {
        const char* what;
        std::int32_t processor;
        void (*arrange)(FakeModule&);
        ResultCode code;
    };
    const Case cases[] = {
        {"module file missing (Cpumod0)", 4, [](FakeModule&) {}, result::kCompanionMissing},
        {"module file fails verification", 1,
         [](FakeModule&) {
             fake::FakeLibrary library = ModuleLibrary();
             library.verified = false;
             fake::AddLibrary("Cpumod12.so", library);
         },
         result::kCompanionMissing},
        {"module file not loadable", 1,
         [](FakeModule&) {
             fake::FakeLibrary library = ModuleLibrary();
             library.loadable = false;
             fake::AddLibrary("Cpumod12.so", library);
         },
         result::kCompanionMissing},
        {"export missing", 1, [](FakeModule&) { fake::AddLibrary("Cpumod12.so", {}); },
         result::kEntryPointMissing},
        {"creation fails", 1, [](FakeModule&) { theExport.result = result::kLanguageUnavailable; },
         result::kLanguageUnavailable},
        {"Initialize fails", 1, [](FakeModule& m) { m.failures["Initialize"] = result::kLoadThreadFailed; },
         result::kLoadThreadFailed},
        {"absent processor", 3, [](FakeModule&) {}, result::kProcessorNotPresent},
        {"processor out of range", 5, [](FakeModule&) {}, result::kProcessorOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A fresh root, so no module file is loaded yet.
        session->DropReference();
        root->DropReference();
        fake::Reset();
        fake::AddLibrary("Cpumod12.so", ModuleLibrary());
        theExport = ModuleExport{};
        theExport.module = &module;
        module.failures.clear();
        c.arrange(module);
        ASSERT_EQ(CreateBrokerRoot(interface_id::kRoot, reinterpret_cast<void**>(&root)), result::kSuccess);
        session = NewSession();
        ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);

        void* out = &brokerHandle;
        EXPECT_EQ(session->GetProcessorModule(c.processor, &out), c.code);
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(module.references, 0);
        std::int32_t number = -1;
        EXPECT_EQ(session->GetModuleNumber(&number), result::kNotInitialized);
    }
    EXPECT_EQ(session->GetProcessorModule(1, nullptr), result::kNullArgument);
}

TEST_F(Broker, AProcessorNoModuleServesIsNotIdentified) {
    UseProfile(R"({"packages": [{"logicalProcessors": 1, "cpuid": [{"leaf": 1, "eax": "0x543"}]}]})");
    ASSERT_EQ(session->Open(&brokerHandle), result::kSuccess);
    void* out = nullptr;
    EXPECT_EQ(session->GetProcessorModule(1, &out), result::kProcessorNotIdentified);
    EXPECT_EQ(theExport.creations, 0);
}

TEST_F(Broker, AProfileThatCannotBeReadFailsOpen) {
    ::setenv(profile::kProfileVariable, "/nonexistent/profile.json", 1);
    EXPECT_EQ(session->Open(&brokerHandle), result::kFileNotFound);
    UseProfile(R"({"packages": []})");
    EXPECT_EQ(session->Open(&brokerHandle), result::kUnexpectedFailure);
    std::int32_t count = 0;
    EXPECT_EQ(session->GetProcessorCount(&count), result::kNotInitialized);
}

TEST(BrokerExport, OnlyTheRootIdGivesARoot) {
    void* out = &out;
    EXPECT_EQ(CreateBrokerRoot(interface_id::kBrokerSession, &out), result::kInterfaceNotImplemented);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(CreateBrokerRoot(interface_id::kRoot, nullptr), result::kNullArgument);
    ASSERT_EQ(CreateBrokerRoot(interface_id::kRoot, &out), result::kSuccess);
    auto* root = static_cast<IFreqIDUnknown*>(out);
    void* other = &other;
    EXPECT_EQ(root->LookupInterface(interface_id::kCPUInfo, &other), result::kInterfaceNotImplemented);
    EXPECT_EQ(other, nullptr);
    root->DropReference();
}

}  // namespace
