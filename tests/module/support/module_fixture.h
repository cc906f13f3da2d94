// Shared set-up of the in-process module tests: the platform fake with
// Cpumod12's language file, a fake data module describing a processor
// Cpumod12 accepts, and a module object made by the export's body.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "fake_data_module.h"
#include "sondrel/gen12/p12_larch_module.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::test {

inline constexpr const char* kDataModuleName = "FakeData.so";
inline constexpr const char* kLanguageFileName = "Cpumod12Glossa.so";

// Field values and CPUID leaves of the processor profile below.
inline constexpr std::uint32_t kLarchSignature = 0x000506E3;  // family 6, (5, 14), stepping 3
inline constexpr std::uint32_t kVirtualizationBit = 1u << 5;
inline constexpr std::uint32_t kMultiThreadingBit = 1u << 28;

// Family 6, extended model 5, model 14, stepping 3; highest leaf 0x16;
// 4 cores with 2 threads each; 4 logical processors in the system.
void DescribeLarchProcessor(FakeDataModule& data);

// Cpumod12 with access to its snapshot, so tests can see what a step stored.
class TestableLarchModule : public gen12::CP12LarchModule {
public:
    using CProcessorModule::SetRegisterListMemory;
    using CProcessorModule::Snapshot;
    using CProcessorModule::State;
};

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the module object the way the export does; the fixture holds
    // the reference unless the test takes it.
    ResultCode Create(std::int32_t interfaceId = 1000, const char* dataModuleName = kDataModuleName);
    ResultCode Initialize(std::int32_t processor = 1);
    // Drops the fixture's reference.
    void Release();

    TestableLarchModule& Module() const;
    template <class Interface>
    Interface* Query(std::int32_t interfaceId) {
        void* out = nullptr;
        EXPECT_EQ(Module().LookupInterface(interfaceId, &out), 0);
        // The lookup's reference is given back at once; the fixture's keeps the object.
        Module().DropReference();
        return static_cast<Interface*>(out);
    }

    FakeDataModule data;
    void* root = nullptr;
};

}  // namespace sondrel::test
