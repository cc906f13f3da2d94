// Cpumod11's module object.
#pragma once

#include <cstdint>

#include "sondrel/module/processor_module.h"

namespace sondrel::gen11 {

inline constexpr std::int32_t kModuleNumber = 11;

const module::GenerationDescription& Cpumod11Generation();

// Everything that sets this generation apart is in its tables.
class CP11FenModule : public module::CProcessorModule {
public:
    CP11FenModule();
};

// The body of Cpumod11's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen11
