// PCI steps. Empty until the PCI work fills them.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode CProcessorModule::RunPciReads(IPciConfig& /*pci*/, std::int32_t /*processor*/) {
    // Filled by the PCI work: chipset, active cores, graphics probe, level-3 count.
    return result::kSuccess;
}

void CProcessorModule::CountDisabledCores() {
    // Filled by the PCI work: disabledCores.
}

}  // namespace sondrel::module
