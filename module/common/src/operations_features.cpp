// ICPUFeatures: feature codes answered from the generation's feature table.
#include <algorithm>

#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetFeature(std::int32_t processor, std::int32_t featureCode,
                                                     std::int32_t* state) {
    const ResultCode status = CheckQuery(processor, {state});
    if (status != result::kSuccess) {
        return status;
    }
    const auto& rows = generation_.features;
    const auto row = std::find_if(rows.begin(), rows.end(), [featureCode](const FeatureRow& candidate) {
        return candidate.code == featureCode;
    });
    if (row == rows.end()) {
        return result::kUnknownFeature;
    }
    *state = row->answer(snapshot_);
    return result::kSuccess;
}

}  // namespace sondrel::module
