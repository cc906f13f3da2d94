// Cpumod12's single export.
#include "sondrel/exports.h"
#include "sondrel/gen12/p12_larch_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen12::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
