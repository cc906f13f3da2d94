// Cpumod10's module object: its tables, and the steps and PCI answers in
// which this generation differs.
#pragma once

#include <cstdint>

#include "sondrel/module/processor_module.h"

namespace sondrel::gen10 {

inline constexpr std::int32_t kModuleNumber = 10;

const module::GenerationDescription& Cpumod10Generation();

class CP10WispModule : public module::CProcessorModule {
public:
    CP10WispModule();

    // The first three ICPUPCIDetails operations succeed without writing:
    // callers keep their own values.
    ResultCode SONDREL_CALL GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                             std::int32_t* second) override;
    ResultCode SONDREL_CALL GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    // Writes a code only for the processors with integrated graphics.
    ResultCode SONDREL_CALL GetGraphicsCode(std::int32_t processor, std::int32_t* code) override;

protected:
    // The counts this generation reads from CPUID instead of register
    // fields, then the disabled cores.
    void CountDisabledCores() override;
    // Item 6 for every product code of a part that is not mobile; item 7 never.
    void ComputeInfoItemWord() override;
    // Logos by product code and extended model.
    ResultCode LoadLogoBitmap(BitmapHandle* bitmap) override;
};

// The body of Cpumod10's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen10
