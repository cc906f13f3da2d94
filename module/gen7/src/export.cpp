// Cpumod7's single export.
#include "sondrel/exports.h"
#include "sondrel/gen7/p7_brook_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen7::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
