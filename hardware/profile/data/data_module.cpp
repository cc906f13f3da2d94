// The export of ProfileData.so.
#include <new>

#include "interfaces.h"
#include "module_state.h"
#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"

namespace {

using namespace sondrel;

ResultCode Create(std::int32_t interfaceId, void** out) {
    const profile::Profile* loaded = nullptr;
    if (const ResultCode code = profile_data::ModuleState::Instance().Acquire(&loaded);
        code != result::kSuccess) {
        return code;
    }
    const profile::SystemFaults& faults = loaded->faults;
    if (interfaceId == interface_id::kProcessorAccess) {
        if (faults.processorAccessInterface) {
            return *faults.processorAccessInterface;
        }
        auto* access = new (std::nothrow) profile_data::ProcessorAccess(*loaded);
        if (access == nullptr) {
            return result::kOutOfMemory;
        }
        *out = static_cast<IProcessorAccess*>(access);
        return result::kSuccess;
    }
    if (interfaceId == interface_id::kPciConfig) {
        if (faults.pciConfigInterface) {
            return *faults.pciConfigInterface;
        }
        auto* pci = new (std::nothrow) profile_data::PciConfig(*loaded);
        if (pci == nullptr) {
            return result::kOutOfMemory;
        }
        *out = static_cast<IPciConfig*>(pci);
        return result::kSuccess;
    }
    return result::kInterfaceNotImplemented;
}

}  // namespace

// dataModuleLibrary, the caller's handle of this library, is not needed.
SONDREL_EXPORT sondrel::ResultCode GetDataModuleInterface(void*, std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return sondrel::result::kNullArgument;
    }
    *out = nullptr;
    try {
        return Create(interfaceId, out);
    } catch (...) {
        return sondrel::result::kUnexpectedFailure;
    }
}
