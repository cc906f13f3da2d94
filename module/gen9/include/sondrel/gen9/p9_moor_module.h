// Cpumod9's module object.
#pragma once

#include <cstdint>

#include "sondrel/module/processor_module.h"

namespace sondrel::gen9 {

inline constexpr std::int32_t kModuleNumber = 9;

const module::GenerationDescription& Cpumod9Generation();

class CP9MoorModule : public module::CProcessorModule {
public:
    CP9MoorModule();

protected:
    // Mobile parts are told apart by their suffix letters.
    void ApplyMobileRule() override;
};

// The body of Cpumod9's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen9
