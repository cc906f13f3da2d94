// Cpumod10's single export.
#include "sondrel/exports.h"
#include "sondrel/gen10/p10_wisp_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen10::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
