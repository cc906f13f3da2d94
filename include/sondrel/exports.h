// Signatures and names of the exported entry points (C linkage and the C
// calling convention).
#pragma once

#include <cstdint>

#include "sondrel/result_codes.h"

extern "C" {
// Processor module: creates one module object.
using GetProcessorModuleInterfaceFunction = sondrel::ResultCode (*)(std::int32_t interfaceId,
                                                                    void* verificationHandle,
                                                                    const char* dataModuleFileName,
                                                                    void** out);
// Hardware broker: yields the broker root for id 1000.
using GetBrokerModuleInterfaceFunction = sondrel::ResultCode (*)(std::int32_t interfaceId, void** out);
// Data module: dataModuleLibrary is the data module's own handle.
using GetDataModuleInterfaceFunction = sondrel::ResultCode (*)(void* dataModuleLibrary,
                                                               std::int32_t interfaceId, void** out);
}

namespace sondrel::export_name {
inline constexpr const char* kProcessorModule = "GetProcessorModuleInterface";
inline constexpr const char* kBrokerModule = "GetBrokerModuleInterface";
inline constexpr const char* kDataModule = "GetDataModuleInterface";
}  // namespace sondrel::export_name
