// Cpumod4 in-process on a scripted data module: how it measures (slot 9,
// mode 500) and that it runs no load threads, neither in Initialize nor in
// MeasureSpeeds.
#include <gtest/gtest.h>

#include "fake_data_module.h"
#include "sondrel/gen4/p4_crag_module.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {
namespace {

namespace id = module::field_id;

constexpr const char* kDataModule = "FakeData.so";

class Cpumod4Measurement : public ::testing::Test {
protected:
    void SetUp() override {
        platform::fake::Reset();
        platform::fake::SetLogicalProcessorCount(2);
        platform::fake::AddLibrary("Cpumod4Glossa.so", {});
        data.processorCount = 1;
        data.SetLeaf(0x0, {2, 0, 0, 0});
        // Family 15, model 2, stepping 9; two logical processors.
        data.SetLeaf(0x1, {0x00000F29, 0x00020809, 0x00004400, 0xBFEBFBFF});
        data.SetLeaf(0x2, {0x665B5001, 0, 0, 0x007B7040});
        data.brandString = "Quarn(R) Corvid(R) 4 CPU 3.06GHz";
        // "Production" 1, "FSBSel" 1, the coded ratio 7 (23).
        data.fieldValues = {{id::kProduction, 1}, {6, 1}, {id::kFirstRatio, 7}};
        data.measuredCpuMHz = 3061.7f;
        data.Install(kDataModule);
    }
    void TearDown() override {
        if (root != nullptr) {
            static_cast<IInitializePM*>(root)->DropReference();
        }
        platform::fake::Reset();
    }

    FakeDataModule data;
    void* root = nullptr;
};

TEST_F(Cpumod4Measurement, Slot9WithMode500AndNoLoadThreads) {
    ASSERT_EQ(module::CreateProcessorModule<gen4::CP4CragModule>(1000, nullptr, kDataModule, &root),
              result::kSuccess);
    auto* init = static_cast<IInitializePM*>(root);
    ASSERT_EQ(init->Initialize(1), result::kSuccess);
    // The pass and its refresh, each with one sample.
    ASSERT_EQ(data.measureCalls.size(), 2u);
    for (const MeasureCall& call : data.measureCalls) {
        EXPECT_EQ(call.mode, 500);
        EXPECT_EQ(call.sampleCount, 1);
        EXPECT_EQ(call.auxOutValue, 1);
        EXPECT_EQ(call.auxIn, 0);
    }

    void* out = nullptr;
    ASSERT_EQ(init->LookupInterface(interface_id::kSpeeds, &out), result::kSuccess);
    auto* speeds = static_cast<ISpeeds*>(out);
    float cpu = 0.0f;
    float bus = 0.0f;
    std::int32_t aux = 1;
    ASSERT_EQ(speeds->MeasureSpeeds(1, &cpu, &bus, 7, &aux, 0), result::kSuccess);
    speeds->DropReference();
    EXPECT_EQ(cpu, 3066.666f);
    // The operation's own call, then the refresh's.
    ASSERT_EQ(data.measureCalls.size(), 4u);
    EXPECT_EQ(data.measureCalls[2].mode, 500);
    EXPECT_EQ(data.measureCalls[2].sampleCount, 7);
    EXPECT_EQ(platform::fake::LoadThreadLog(), std::vector<std::string>{});
}

}  // namespace
}  // namespace sondrel::test
