// Cpumod7's module object: the front-side-bus framework with this
// generation's tables, brand rules and information items.
#pragma once

#include <cstdint>

#include "sondrel/module/front_side_bus_module.h"

namespace sondrel::gen7 {

inline constexpr std::int32_t kModuleNumber = 7;

const module::GenerationDescription& Cpumod7Generation();

class CP7BrookModule : public module::CFrontSideBusModule {
public:
    CP7BrookModule();

    // The first three operations succeed without writing: callers keep their presets.
    ResultCode SONDREL_CALL GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                             std::int32_t* second) override;
    ResultCode SONDREL_CALL GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;

protected:
    void ClassifyBrand() override;
    // Cpumod7 has no mobile rule; the end of its register pass demotes instead.
    void ApplyMobileRule() override;
    void RewriteName() override;
    void ComputeInfoItemWord() override;
};

// Items 1, 4, 5 and 14 at most for a processor not handled; items 11 and 15
// always for any other.
std::int32_t AdjustInfoItemWord(std::int32_t word, std::int32_t productCode);

// The body of Cpumod7's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen7
