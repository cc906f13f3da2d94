// Cpumod12 whose brand classification yields a product code the test
// chooses, so the steps that follow it (frequency decision, PCI reads,
// disabled cores) can be driven without the naming rules.
#pragma once

#include <cstdint>

#include "module_fixture.h"
#include "sondrel/module/create_module.h"

namespace sondrel::test {

class ClassifiedLarchModule : public TestableLarchModule {
public:
    // Read by every snapshot pass of every object of this class.
    static inline std::int32_t productCode = 0;

protected:
    void ClassifyBrand() override { Snapshot().productCode = productCode; }
};

class ClassifiedModuleTest : public ModuleTest {
protected:
    // Creates the module with `code` as the outcome of every classification.
    ResultCode CreateClassified(std::int32_t code) {
        ClassifiedLarchModule::productCode = code;
        Release();
        return module::CreateProcessorModule<ClassifiedLarchModule>(1000, nullptr, kDataModuleName, &root);
    }

    void SetSignature(std::uint32_t leaf1Eax) {
        CpuidRegisters leaf1 = data.cpuid.at({0x1, 0});
        leaf1.eax = leaf1Eax;
        data.SetLeaf(0x1, leaf1);
    }
};

// Leaf-1 EAX of family 6 with the extended model, model and stepping given.
constexpr std::uint32_t Signature(std::uint32_t extendedModel, std::uint32_t model, std::uint32_t stepping) {
    constexpr std::uint32_t kFamilySix = 0x600;
    return (extendedModel << 16) | kFamilySix | (model << 4) | stepping;
}

}  // namespace sondrel::test
