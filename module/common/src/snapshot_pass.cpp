// The snapshot pass: CPUID, register fields and PCI reads through the data
// module, with every data-module interface dropped when the pass ends.
#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode CProcessorModule::RunSnapshotPass(std::int32_t processor) {
    // Declared in reverse of the drop order: PCI, processor access, register fields.
    HeldInterface<IRegisterFields> fields;
    HeldInterface<IProcessorAccess> access;
    ResultCode status = ObtainDataModuleInterface(interface_id::kProcessorAccess, access.Out());
    if (status != result::kSuccess) {
        return status;
    }
    IProcessorAccess* processorAccess = access.Get();
    bookkeeping_.currentProcessor = -1;

    status = RunCpuidPass(*processorAccess, processor);
    if (status != result::kSuccess) {
        return status;
    }

    if (processorAccess->LookupInterface(interface_id::kRegisterFields, fields.Out()) != result::kSuccess ||
        fields.Get() == nullptr) {
        return result::kInterfaceUnavailable;
    }
    status = RunRegisterPass(*fields.Get(), processor);
    if (status != result::kSuccess) {
        return status;
    }

    HeldInterface<IPciConfig> pci;
    status = ObtainDataModuleInterface(interface_id::kPciConfig, pci.Out());
    if (status != result::kSuccess) {
        return status;
    }
    return RunPciReads(*pci.Get(), processor);
}

}  // namespace sondrel::module
