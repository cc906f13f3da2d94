// Naming steps of the framework: the generation's naming rules applied to
// the snapshot. A generation without rules classifies nothing.
#include "language_text.h"
#include "sondrel/module/naming.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

void CProcessorModule::ClassifyBrand() {
    if (generation_.naming != nullptr) {
        module::ClassifyBrand(*generation_.naming, snapshot_);
    }
}

void CProcessorModule::ApplyMobileRule() {
    if (generation_.naming != nullptr) {
        module::ApplyMobileRule(*generation_.naming, snapshot_);
    }
}

void CProcessorModule::RunNameFallback() {
    if (generation_.naming != nullptr) {
        module::RunNameFallback(generation_.naming->fallback, LanguageText(languageFile_), snapshot_);
    }
}

}  // namespace sondrel::module
