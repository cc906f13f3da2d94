// Steps that serve ICPUInfo. Empty until the information-items work fills them.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

void CProcessorModule::RunPackageStep() {
    // Filled by the information-items work: package table and package name.
}

void CProcessorModule::ComputeInfoItemWord() {
    // Filled by the information-items work: the information-item word.
}

ResultCode CProcessorModule::LoadLogoBitmap(BitmapHandle* /*bitmap*/) {
    // Filled by the information-items work (logo table and language-file
    // bitmaps); without a logo table no product code has a logo.
    return result::kNoLogoBitmap;
}

}  // namespace sondrel::module
