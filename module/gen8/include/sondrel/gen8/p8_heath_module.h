// Cpumod8's module object.
#pragma once

#include <cstdint>

#include "sondrel/gen8/link_ratios.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::gen8 {

inline constexpr std::int32_t kModuleNumber = 8;

const module::GenerationDescription& Cpumod8Generation();

class CP8HeathModule : public module::CProcessorModule {
public:
    CP8HeathModule();

protected:
    // Mobile parts are told apart by their suffix letter.
    void ApplyMobileRule() override;
    // The framework's reads, then the interconnect and memory ratios.
    ResultCode RunPciReads(IPciConfig& pci, std::int32_t processor) override;
    // The decision, then the interconnect and memory-controller frequencies.
    void DecideFrequencySupport() override;
    // Item 11 also needs fewer cores than threads.
    void ComputeInfoItemWord() override;

private:
    LinkRatios linkRatios_;
};

// The body of Cpumod8's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen8
