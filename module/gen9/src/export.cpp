// Cpumod9's single export.
#include "sondrel/exports.h"
#include "sondrel/gen9/p9_moor_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen9::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
