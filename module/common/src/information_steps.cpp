// Steps that serve ICPUInfo: the generation's package, information-item and
// logo tables applied to the snapshot.
#include "language_text.h"
#include "sondrel/module/information.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

void CProcessorModule::RunPackageStep() {
    if (generation_.information != nullptr) {
        module::RunPackageStep(*generation_.information, LanguageText(languageFile_), snapshot_);
    }
}

void CProcessorModule::ComputeInfoItemWord() {
    if (generation_.information != nullptr) {
        snapshot_.infoItemWord = module::ComputeInfoItemWord(*generation_.information, snapshot_);
    }
}

ResultCode CProcessorModule::LoadLogoBitmap(BitmapHandle* bitmap) {
    if (generation_.information == nullptr) {
        return result::kNoLogoBitmap;
    }
    const auto bitmapId = FindLogoBitmap(*generation_.information, snapshot_.productCode);
    if (!bitmapId) {
        return result::kNoLogoBitmap;
    }
    // Written even when the picture cannot be loaded; the caller owns it.
    *bitmap = language::ResourceReader(languageFile_).LoadPicture(*bitmapId);
    return result::kSuccess;
}

}  // namespace sondrel::module
