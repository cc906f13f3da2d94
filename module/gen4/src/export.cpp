// Cpumod4's single export.
#include "sondrel/exports.h"
#include "sondrel/gen4/p4_crag_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen4::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
