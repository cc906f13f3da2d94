// Cpumod5's single export.
#include "sondrel/exports.h"
#include "sondrel/gen5/p5_glen_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen5::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
