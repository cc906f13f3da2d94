// Cpumod11's single export.
#include "sondrel/exports.h"
#include "sondrel/gen11/p11_fen_module.h"

SONDREL_EXPORT sondrel::ResultCode GetProcessorModuleInterface(std::int32_t interfaceId,
                                                               void* verificationHandle,
                                                               const char* dataModuleFileName, void** out) {
    return sondrel::gen11::CreateModule(interfaceId, verificationHandle, dataModuleFileName, out);
}
