#include "module_fixture.h"

#include "sondrel/module/create_module.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {

namespace id = module::field_id;

void DescribeLarchProcessor(FakeDataModule& data) {
    data.processorCount = 4;
    data.SetLeaf(0x0, {0x16, 0, 0, 0});
    data.SetLeaf(0x1, {kLarchSignature, 8u << 16, 0x1218'0081u, 0x1680'0000u});
    // Leaf 4, second cache: 4 cores per package, 2 threads share it.
    data.SetLeaf(0x4, {(3u << 26) | (1u << 14) | 0x122u, 0, 0, 0}, 1);
    data.SetLeaf(0x6, {1, 0, 0, 0});
    data.SetLeaf(0xB, {0, 2, 0, 0}, 0);
    data.SetLeaf(0xB, {0, 8, 0, 0}, 1);
    data.SetLeaf(0x80000001, {0, 0, 0, (1u << 29) | (1u << 20)});
    data.brandString = "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz";
    data.fieldValues = {{id::kCoreCount, 4},  {id::kThreadCount, 8},
                        {id::kProduction, 0},  // a pre-production part: its rated frequency is derived
                        {id::kBaseTDP, 120},  {id::kTDPPowerUnit, 3},
                        {id::kC1E, 1}};
    data.headerRevision = 0x2C;
    data.measuredCpuMHz = 3995.0f;
    data.measuredBusMHz = 99.9f;
    data.systemCounts = {1, 8, 1};
}

void ModuleTest::SetUp() {
    platform::fake::Reset();
    platform::fake::SetLogicalProcessorCount(4);
    platform::fake::AddLibrary(kLanguageFileName, {});
    DescribeLarchProcessor(data);
    data.Install(kDataModuleName);
}

void ModuleTest::TearDown() {
    Release();
    platform::fake::Reset();
}

ResultCode ModuleTest::Create(std::int32_t interfaceId, const char* dataModuleName) {
    Release();
    return module::CreateProcessorModule<TestableLarchModule>(interfaceId, nullptr, dataModuleName, &root);
}

ResultCode ModuleTest::Initialize(std::int32_t processor) {
    return Module().Initialize(processor);
}

void ModuleTest::Release() {
    if (root != nullptr) {
        // Not through Module(): the object may come from the export itself.
        static_cast<IInitializePM*>(root)->DropReference();
        root = nullptr;
    }
}

TestableLarchModule& ModuleTest::Module() const {
    // The root is the first table; every lookup of 1000 or 4000 returns it.
    return *static_cast<TestableLarchModule*>(static_cast<IInitializePM*>(root));
}

}  // namespace sondrel::test
