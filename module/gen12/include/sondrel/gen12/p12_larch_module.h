// Cpumod12's module object.
#pragma once

#include <cstdint>

#include "sondrel/module/processor_module.h"

namespace sondrel::gen12 {

inline constexpr std::int32_t kModuleNumber = 12;

const module::GenerationDescription& Cpumod12Generation();

class CP12LarchModule : public module::CProcessorModule {
public:
    CP12LarchModule();
};

// The body of Cpumod12's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen12
