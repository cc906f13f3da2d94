// Cpumod8's single export.
#include "sondrel/exports.h"
#include "sondrel/gen8/p8_heath_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen8::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
