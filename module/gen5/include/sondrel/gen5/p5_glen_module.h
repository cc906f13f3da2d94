// Cpumod5's module object: the front-side-bus framework with this
// generation's tables, brand rules, logos and information items.
#pragma once

#include <cstdint>

#include "sondrel/module/front_side_bus_module.h"

namespace sondrel::gen5 {

inline constexpr std::int32_t kModuleNumber = 5;

const module::GenerationDescription& Cpumod5Generation();

class CP5GlenModule : public module::CFrontSideBusModule {
public:
    CP5GlenModule();

protected:
    void ClassifyBrand() override;
    void ComputeInfoItemWord() override;
    // Logos by product code and model nibble.
    ResultCode LoadLogoBitmap(BitmapHandle* bitmap) override;
};

// Item 1 alone for a processor not handled; items 11 and 15 always for any other.
std::int32_t AdjustInfoItemWord(std::int32_t word, std::int32_t productCode);

// The body of Cpumod5's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen5
