// Cpumod6's module object: the front-side-bus framework with this
// generation's tables, brand classes and information items.
#pragma once

#include <cstdint>

#include "sondrel/module/front_side_bus_module.h"

namespace sondrel::gen6 {

inline constexpr std::int32_t kModuleNumber = 6;

const module::GenerationDescription& Cpumod6Generation();

class CP6DaleModule : public module::CFrontSideBusModule {
public:
    CP6DaleModule();

protected:
    void ClassifyBrand() override;
    // No mobile rule: the end of the register pass sets the compatibility guide.
    void ApplyMobileRule() override;
    // The decision can leave the processor not handled: the guide follows it.
    void DecideFrequencySupport() override;
    void ComputeInfoItemWord() override;
    ResultCode LoadLogoBitmap(BitmapHandle* bitmap) override;
};

// Item 1 only for a processor not handled; items 3, 5 and 11 always for any other.
std::int32_t AdjustInfoItemWord(std::int32_t word, std::int32_t productCode);

// The body of Cpumod6's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen6
