// The body of a generation module's GetProcessorModuleInterface export.
#pragma once

#include <cstdint>
#include <new>

#include "sondrel/module/processor_module.h"

namespace sondrel::module {

// Constructs `module` and hands out the interface asked for, or destroys it.
ResultCode HandOutModule(CProcessorModule* module, std::int32_t interfaceId, void* verificationHandle,
                         const char* dataModuleFileName, void** out);

template <class Module>
ResultCode CreateProcessorModule(std::int32_t interfaceId, void* verificationHandle,
                                 const char* dataModuleFileName, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    Module* module = nullptr;
    try {
        module = new Module();
    } catch (const std::bad_alloc&) {
        return result::kModuleCreationFailed;
    }
    return HandOutModule(module, interfaceId, verificationHandle, dataModuleFileName, out);
}

}  // namespace sondrel::module
