// The framework with a description other than Cpumod12's: what a
// generation leaves out of its tables is absent from its object.
#include <gtest/gtest.h>

#include <array>

#include "fake_data_module.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/platform/fake.h"

namespace sondrel::module {
namespace {

constexpr std::array kInterfaces = {interface_id::kCPUInfo, interface_id::kCPUSignature};

GenerationDescription SmallGeneration() {
    GenerationDescription generation{};
    generation.moduleNumber = 9;
    generation.interfaces = kInterfaces;
    generation.loadThreads = LoadThreadPolicy::kSingleThenWait;
    generation.measurementSlot = MeasurementSlot::kProcessorFrequency;
    generation.measurementMode = 500;
    return generation;
}

class CSmallModule : public CProcessorModule {
public:
    CSmallModule() : CProcessorModule(Generation()) {}
    static const GenerationDescription& Generation() {
        static const GenerationDescription generation = SmallGeneration();
        return generation;
    }
};

class GenerationTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::fake::Reset();
        platform::fake::SetLogicalProcessorCount(8);
        platform::fake::AddLibrary("Cpumod9Glossa.so", {});
        data.processorCount = 1;
        data.SetLeaf(0x1, {0x000206A7, 0, 0, 0});
        data.measuredCpuMHz = 2400.0f;
        data.Install("FakeData.so");
    }
    void TearDown() override { platform::fake::Reset(); }
    test::FakeDataModule data;
};

TEST_F(GenerationTest, LanguageFileIsNamedAfterTheModuleNumber) {
    void* root = nullptr;
    ASSERT_EQ(CreateProcessorModule<CSmallModule>(interface_id::kRoot, nullptr, "FakeData.so", &root), 0);
    EXPECT_EQ(platform::fake::SearchLog().front(), "Cpumod9Glossa.so");
    static_cast<IInitializePM*>(root)->DropReference();
}

TEST_F(GenerationTest, InterfacesOutsideTheDescriptionAreNotImplemented) {
    void* root = nullptr;
    ASSERT_EQ(CreateProcessorModule<CSmallModule>(interface_id::kRoot, nullptr, "FakeData.so", &root), 0);
    auto* module = static_cast<IInitializePM*>(root);
    for (const std::int32_t id : {interface_id::kCPUFeatures, interface_id::kSpeeds, interface_id::kTDP}) {
        void* out = &root;
        EXPECT_EQ(module->LookupInterface(id, &out), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(out, nullptr);
    }
    void* info = nullptr;
    EXPECT_EQ(module->LookupInterface(interface_id::kCPUInfo, &info), 0);
    static_cast<ICPUInfo*>(info)->DropReference();
    module->DropReference();
}

TEST_F(GenerationTest, LoadThreadPolicyAndMeasurementSlotComeFromTheDescription) {
    void* root = nullptr;
    ASSERT_EQ(CreateProcessorModule<CSmallModule>(interface_id::kRoot, nullptr, "FakeData.so", &root), 0);
    auto* module = static_cast<IInitializePM*>(root);
    EXPECT_EQ(module->Initialize(1), 0);
    EXPECT_EQ(platform::fake::LoadThreadLog(), (std::vector<std::string>{"start 0", "stop 0"}));
    ASSERT_FALSE(data.measureCalls.empty());
    EXPECT_EQ(data.measureCalls.front().mode, 500);
    module->DropReference();
}

}  // namespace
}  // namespace sondrel::module
