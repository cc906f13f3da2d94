// Cpumod0's single export.
#include "sondrel/exports.h"
#include "sondrel/gen0/future_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen0::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
