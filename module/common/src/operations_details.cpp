// ICPUDetails: compatibility guide and active core count.
#include "sondrel/module/processor_module.h"
#include "sondrel/module/text.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetCompatibilityGuide(std::int32_t processor, char* guide) {
    const ResultCode status = CheckQuery(processor, {guide});
    if (status != result::kSuccess) {
        return status;
    }
    CopyBounded(guide, kGuideBufferSize, snapshot_.compatibilityGuide);
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetActiveCoreCount(std::int32_t processor, std::int32_t* count) {
    const ResultCode status = CheckQuery(processor, {count});
    if (status != result::kSuccess) {
        return status;
    }
    *count = snapshot_.fields.Value(field_id::kCoreCount);
    return result::kSuccess;
}

}  // namespace sondrel::module
