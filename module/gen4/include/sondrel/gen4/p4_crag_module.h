// Cpumod4's module object: the front-side-bus framework with this
// generation's tables. It has no brand rules: the product code comes from
// the signature and the register fields.
#pragma once

#include <cstdint>

#include "sondrel/module/front_side_bus_module.h"

namespace sondrel::gen4 {

inline constexpr std::int32_t kModuleNumber = 4;

const module::GenerationDescription& Cpumod4Generation();

class CP4CragModule : public module::CFrontSideBusModule {
public:
    CP4CragModule();

protected:
    // The product code by signature, before the register fields are read.
    void ClassifyBrand() override;
    // At the end of every register pass: the coded ratio is decoded and the
    // product code taken again with the register fields.
    void ApplyMobileRule() override;
    void ComputeInfoItemWord() override;
    ResultCode LoadLogoBitmap(BitmapHandle* bitmap) override;
};

// The body of Cpumod4's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen4
