// Naming steps. Empty until the naming work fills them.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

void CProcessorModule::ClassifyBrand() {
    // Filled by the naming work: brand class, product-code mapping and renames.
}

void CProcessorModule::ApplyMobileRule() {
    // Filled by the naming work: mobileFlag from processor number and suffix.
}

void CProcessorModule::RunNameFallback() {
    // Filled by the naming work: fallback names and nameEstablished.
}

}  // namespace sondrel::module
