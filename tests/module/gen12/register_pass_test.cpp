// The register pass with Cpumod12's field table.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory_resource>
#include <new>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "sondrel/gen12/register_field_table.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/module/register_dispatch.h"

namespace sondrel::test {
namespace {

namespace id = module::field_id;

class RegisterPassTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(Create(), 0);
    }
    std::vector<std::string> ListedNames(std::size_t call = 0) const {
        std::vector<std::string> names;
        for (const ListedField& field : data.registerLists.at(call)) {
            names.push_back(field.name);
        }
        return names;
    }
};

TEST_F(RegisterPassTest, ListFollowsTheTableWithoutEptWhenVirtualizationIsOff) {
    ASSERT_EQ(Initialize(1), 0);
    ASSERT_EQ(data.registerLists.size(), 2u);  // first pass and the completion step's refresh
    const auto names = ListedNames();
    ASSERT_EQ(names.size(), 36u);
    EXPECT_EQ(names.front(), "PCardID");
    EXPECT_EQ(names.back(), "TDPPowerUnit");
    EXPECT_EQ(std::count(names.begin(), names.end(), "EPTEnabled"), 0);
    const ListedField& turboDisable = data.registerLists[0][11];
    EXPECT_EQ(turboDisable.name, "TurboDisable");
    EXPECT_EQ(turboDisable.fieldId, id::kTurboDisable);
    EXPECT_EQ(turboDisable.msr, 0x199u);
    EXPECT_EQ(turboDisable.lowBit, 32);
    EXPECT_EQ(turboDisable.width, 1);
}

TEST_F(RegisterPassTest, EptJoinsBetweenC1EAndTheConfigurableTdpLevelsWithVirtualization) {
    data.SetLeaf(0x1, {kLarchSignature, 8u << 16, kVirtualizationBit, kMultiThreadingBit});
    ASSERT_EQ(Initialize(1), 0);
    const auto names = ListedNames();
    ASSERT_EQ(names.size(), 37u);
    const auto ept = std::find(names.begin(), names.end(), "EPTEnabled");
    ASSERT_NE(ept, names.end());
    EXPECT_EQ(*(ept - 1), "C1E");
    EXPECT_EQ(*(ept + 1), "cTDPSupportedLevels");
}

TEST_F(RegisterPassTest, EveryTableFieldHasADispatchRow) {
    for (const module::RegisterFieldRow& row : gen12::RegisterFieldTable()) {
        EXPECT_NE(module::FindDispatchRow(row.fieldId), nullptr) << row.name;
    }
}

TEST_F(RegisterPassTest, UnreadNeededFieldFailsTheInitialize) {
    for (const char* name : {"CoreCount", "TurboDisable", "TDPPowerUnit"}) {
        data.unreadFields = {name};
        EXPECT_EQ(Initialize(1), result::kRegisterFieldUnread) << name;
        EXPECT_EQ(Module().State().readyFlag, 0) << name;
    }
    // The fields that were read are stored all the same; the unread one keeps its value.
    EXPECT_EQ(Module().Snapshot().fields.Value(id::kThreadCount), 8);
    EXPECT_EQ(Module().Snapshot().tdpWatts, 0.0);
}

TEST_F(RegisterPassTest, HeaderErrorCodeWinsOverTheCallResult) {
    struct Case {
        std::int32_t headerError;
        ResultCode callResult;
        ResultCode expected;
    };
    for (const Case& c : {Case{5, 0, 5}, Case{0, 7, 7}, Case{5, 7, 5}}) {
        data.headerErrorCode = c.headerError;
        data.failures[DataOperation::kReadRegisterFields] = c.callResult;
        EXPECT_EQ(Initialize(1), c.expected) << c.headerError << "/" << c.callResult;
        // Nothing is dispatched from a list the data module marked as failed.
        EXPECT_EQ(Module().Snapshot().fields.Value(id::kCoreCount), 1);
        EXPECT_EQ(Module().Snapshot().revisionAvailable, 0);
    }
}

TEST_F(RegisterPassTest, RevisionMarkedUnavailableIsNotAnswered) {
    data.headerRevisionUnavailable = 1;
    ASSERT_EQ(Initialize(1), 0);
    std::int32_t revision = -7;
    EXPECT_EQ(Module().GetRevision(1, &revision), result::kRevisionUnavailable);
    EXPECT_EQ(revision, -7);
}

// Fails every allocation after the first `allowed` ones.
class ExhaustedMemory : public std::pmr::memory_resource {
public:
    explicit ExhaustedMemory(int allowed) : allowed_(allowed) {}
    int outstanding = 0;

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (allowed_-- <= 0) {
            throw std::bad_alloc();
        }
        ++outstanding;
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void* pointer, std::size_t bytes, std::size_t alignment) override {
        --outstanding;
        std::pmr::new_delete_resource()->deallocate(pointer, bytes, alignment);
    }
    bool do_is_equal(const memory_resource& other) const noexcept override { return this == &other; }
    int allowed_;
};

TEST_F(RegisterPassTest, ExhaustedMemoryWhileBuildingTheListFailsAndFreesIt) {
    ExhaustedMemory memory(41);
    Module().SetRegisterListMemory(&memory);
    EXPECT_EQ(Initialize(1), result::kOutOfMemory);
    EXPECT_EQ(memory.outstanding, 0);
    EXPECT_TRUE(data.registerLists.empty());  // the data module never saw a partial list
    EXPECT_EQ(data.OutstandingReferences(), 0);
    Module().SetRegisterListMemory(std::pmr::new_delete_resource());
}

}  // namespace
}  // namespace sondrel::test
