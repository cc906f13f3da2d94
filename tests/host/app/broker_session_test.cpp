// The start-up broker session and the processor switch, with the platform
// fake and a broker made in the test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_module.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/fake.h"

using namespace sondrel;
using namespace sondrel::app;
using sondrel::testing::FakeModule;
using sondrel::testing::FakeSession;
namespace fake = sondrel::platform::fake;
using platform::PowerSource;

namespace {

class FakeBrokerRoot final : public IFreqIDUnknown {
public:
    explicit FakeBrokerRoot(FakeSession& session) : session_(session) {}
    ResultCode sessionLookup = result::kSuccess;
    std::int32_t references = 0;

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override {
        if (sessionLookup != result::kSuccess) {
            *out = nullptr;
            return sessionLookup;
        }
        return session_.LookupInterface(interfaceId, out);
    }
    std::int32_t SONDREL_CALL AddReference() override { return ++references; }
    std::int32_t SONDREL_CALL DropReference() override {
        --references;
        return 0;
    }

private:
    FakeSession& session_;
};

FakeBrokerRoot* theRoot = nullptr;
ResultCode rootResult = result::kSuccess;

ResultCode FakeGetBrokerModuleInterface(std::int32_t interfaceId, void** out) {
    if (interfaceId != interface_id::kRoot || rootResult != result::kSuccess) {
        return rootResult != result::kSuccess ? rootResult : result::kInterfaceNotImplemented;
    }
    theRoot->AddReference();
    *out = static_cast<IFreqIDUnknown*>(theRoot);
    return result::kSuccess;
}

fake::FakeLibrary BrokerLibrary() {
    fake::FakeLibrary library;
    library.entryPoints[export_name::kBrokerModule] = reinterpret_cast<void*>(&FakeGetBrokerModuleInterface);
    return library;
}

class BrokerSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddLibrary(kBrokerLibraryName, BrokerLibrary());
        theRoot = &root;
        rootResult = result::kSuccess;
        session.processorCount = 8;
        session.onCall = [](const std::string& call) { fake::LogEvent(call); };
        // A module whose processor count comes out as two packages.
        module.answers.packageCount = 2;
        module.answers.infoItems[7] = 1;
    }
    void TearDown() override {
        theRoot = nullptr;
        fake::Reset();
    }

public:
    FakeModule module;
    FakeSession session{&module};
    FakeBrokerRoot root{session};
    MainSheetState sheet;
    SystemRecord record;
};

TEST_F(BrokerSessionTest, ThrottlingIsOffAroundTheStartUpCollection) {
    fake::SetDynamicThrottle(PowerSource::kMains, 1);
    fake::SetDynamicThrottle(PowerSource::kBattery, 0);
    {
        BrokerConnection connection(sheet, record);
        ASSERT_EQ(connection.RunBrokerSession(), result::kSuccess);
        EXPECT_EQ(fake::PowerPolicyLog(),
                  (std::vector<std::string>{"Open", "GetProcessorCount", "read mains", "read battery",
                                            "write mains 0", "write battery 0", "GetProcessorModule 1",
                                            "GetMaxCpuidLeaf 1", "GetModuleNumber", "write mains 1",
                                            "write battery 0"}));
        EXPECT_EQ(fake::DynamicThrottle(PowerSource::kMains), 1);
        EXPECT_NE(session.openedWith, nullptr);
        EXPECT_EQ(sheet.logicalProcessorCount, 8);
        EXPECT_EQ(record.logicalProcessorCount, 8);
        EXPECT_EQ(sheet.processorsInSystem, 2);
        EXPECT_TRUE(sheet.processorMenuOffered);
        // The session is dropped, the root kept, the module gone.
        EXPECT_EQ(session.references, 0);
        EXPECT_EQ(root.references, 1);
        EXPECT_EQ(module.references, 0);
        EXPECT_EQ(fake::LoadedLibraries(), (std::vector<std::string>{kBrokerLibraryName}));
    }
    EXPECT_EQ(root.references, 0);
    EXPECT_TRUE(fake::LoadedLibraries().empty());
}

TEST_F(BrokerSessionTest, WithoutThrottlingNothingIsWritten) {
    fake::SetDynamicThrottle(PowerSource::kMains, 0);
    BrokerConnection connection(sheet, record);
    ASSERT_EQ(connection.RunBrokerSession(), result::kSuccess);
    for (const std::string& entry : fake::PowerPolicyLog()) {
        EXPECT_FALSE(entry.starts_with("write")) << entry;
    }
}

TEST_F(BrokerSessionTest, AFailedCollectionRestoresThrottlingAndKeepsItsCode) {
    fake::SetDynamicThrottle(PowerSource::kBattery, 3);
    session.failures["GetModuleNumber"] = result::kProcessorNotIdentified;
    BrokerConnection connection(sheet, record);
    EXPECT_EQ(connection.RunBrokerSession(), result::kProcessorNotIdentified);
    const std::vector<std::string> log = fake::PowerPolicyLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "write mains 0");
    EXPECT_EQ(log.back(), "write battery 3");
    // The processor count is not derived after a failed collection.
    EXPECT_EQ(sheet.processorsInSystem, 0);
    EXPECT_EQ(session.references, 0);
    EXPECT_EQ(module.references, 0);
}

TEST_F(BrokerSessionTest, FailuresBeforeTheCollectionGiveTheUnexpectedFailureCode) {
    struct Case {
        const char* what;
        void (*arrange)(BrokerSessionTest&);
    };
    const Case cases[] = {
        {"broker missing", [](BrokerSessionTest&) { fake::Reset(); }},
        {"broker fails verification",
         [](BrokerSessionTest&) {
             fake::FakeLibrary library = BrokerLibrary();
             library.verified = false;
             fake::AddLibrary(kBrokerLibraryName, library);
         }},
        {"broker not loadable",
         [](BrokerSessionTest&) {
             fake::FakeLibrary library = BrokerLibrary();
             library.loadable = false;
             fake::AddLibrary(kBrokerLibraryName, library);
         }},
        {"export missing", [](BrokerSessionTest&) { fake::AddLibrary(kBrokerLibraryName, {}); }},
        {"root refused", [](BrokerSessionTest&) { rootResult = result::kOutOfMemory; }},
        {"session refused",
         [](BrokerSessionTest& t) { t.root.sessionLookup = result::kInterfaceNotImplemented; }},
        {"open fails", [](BrokerSessionTest& t) { t.session.failures["Open"] = result::kFileNotFound; }},
        {"count fails",
         [](BrokerSessionTest& t) { t.session.failures["GetProcessorCount"] = result::kNotInitialized; }},
        {"count 0", [](BrokerSessionTest& t) { t.session.processorCount = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        fake::SetDynamicThrottle(PowerSource::kMains, 1);
        c.arrange(*this);
        {
            BrokerConnection connection(sheet, record);
            EXPECT_EQ(connection.RunBrokerSession(), result::kUnexpectedFailure);
            EXPECT_EQ(session.references, 0);
        }
        EXPECT_EQ(root.references, 0);
        // Throttling is never touched before the processor count is known.
        for (const std::string& entry : fake::PowerPolicyLog()) {
            EXPECT_FALSE(entry.starts_with("read") || entry.starts_with("write")) << entry;
        }
        session.failures.clear();
        root.sessionLookup = result::kSuccess;
    }
}

TEST_F(BrokerSessionTest, ProcessorSwitchCollectsWithAFreshSessionOnly) {
    fake::SetDynamicThrottle(PowerSource::kMains, 1);
    BrokerConnection connection(sheet, record);
    ASSERT_EQ(connection.RunBrokerSession(), result::kSuccess);
    ASSERT_EQ(sheet.processorsInSystem, 2);
    const std::size_t policyEntries = fake::PowerPolicyLog().size();

    // A switch does not derive the processor count again.
    module.answers.packageCount = 1;
    module.answers.family = 15;
    session.calls.clear();
    const SwitchOutcome switched = connection.SwitchProcessor(2);
    EXPECT_EQ(switched.kind, SwitchOutcome::Kind::kCollected);
    EXPECT_EQ(session.calls.front(), "GetProcessorModule 2");
    EXPECT_EQ(record.currentProcessor, 2);
    EXPECT_EQ(record.family, 15);
    EXPECT_EQ(sheet.selectedProcessor, 2);
    EXPECT_EQ(sheet.processorsInSystem, 2);
    EXPECT_EQ(session.references, 0);
    EXPECT_EQ(module.references, 0);
    EXPECT_EQ(fake::PowerPolicyLog().size() - policyEntries, 3u);  // the three session calls only

    session.calls.clear();
    EXPECT_EQ(connection.SwitchProcessor(2).kind, SwitchOutcome::Kind::kUnchanged);
    EXPECT_TRUE(session.calls.empty());

    EXPECT_EQ(connection.SwitchProcessor(3).kind, SwitchOutcome::Kind::kFailed);
    EXPECT_EQ(connection.SwitchProcessor(0).kind, SwitchOutcome::Kind::kFailed);

    module.answers.infoItems[1] = 0;
    const SwitchOutcome failed = connection.SwitchProcessor(1);
    EXPECT_EQ(failed.kind, SwitchOutcome::Kind::kCollectionFailed);
    EXPECT_EQ(failed.code, result::kUnexpectedFailure);
    EXPECT_EQ(module.references, 0);
}

TEST(ProcessorSwitchWithoutSession, FailsBeforeTheStartUpSession) {
    MainSheetState sheet;
    sheet.processorsInSystem = 2;
    SystemRecord record;
    BrokerConnection connection(sheet, record);
    EXPECT_EQ(connection.SwitchProcessor(2).kind, SwitchOutcome::Kind::kFailed);
}

}  // namespace
