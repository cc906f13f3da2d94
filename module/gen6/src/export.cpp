// Cpumod6's single export.
#include "sondrel/exports.h"
#include "sondrel/gen6/p6_dale_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen6::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
