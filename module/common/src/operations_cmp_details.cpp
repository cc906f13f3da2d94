// ICPUCMPDetails: core, thread, package and cache-instance counts. Every
// output is checked for null like the other operations'.
#include "answer.h"
#include "sondrel/module/processor_module.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetThreadCount(std::int32_t processor, std::int32_t* count) {
    return Answer(CheckQuery(processor, {count}), snapshot_.fields.Value(field_id::kThreadCount), count);
}

ResultCode SONDREL_CALL CProcessorModule::GetMultiCoreEnabled(std::int32_t processor, std::int32_t* enabled) {
    return Answer(CheckQuery(processor, {enabled}), snapshot_.multiCoreEnabled, enabled);
}

ResultCode SONDREL_CALL CProcessorModule::GetMaxCoreCount(std::int32_t processor, std::int32_t* count) {
    return Answer(CheckQuery(processor, {count}), snapshot_.maxPackageCores, count);
}

ResultCode SONDREL_CALL CProcessorModule::GetPackageThreadCount(std::int32_t processor, std::int32_t* count) {
    return Answer(CheckQuery(processor, {count}), snapshot_.packageThreads, count);
}

ResultCode SONDREL_CALL CProcessorModule::GetPackageCount(std::int32_t processor, std::int32_t* count) {
    const std::int32_t threadCount = snapshot_.fields.Value(field_id::kThreadCount);
    const std::int32_t packages =
        threadCount != 0 ? WrappingDivide(snapshot_.systemThreads, threadCount) : snapshot_.packagesEstimate;
    return Answer(CheckQuery(processor, {count}), packages, count);
}

ResultCode SONDREL_CALL CProcessorModule::GetDisabledCoreCount(std::int32_t processor, std::int32_t* count) {
    return Answer(CheckQuery(processor, {count}), snapshot_.disabledCores, count);
}

ResultCode SONDREL_CALL CProcessorModule::GetCacheCounts(std::int32_t processor, std::int32_t* level1Data,
                                                         std::int32_t* level1Instruction,
                                                         std::int32_t* level2, std::int32_t* level3) {
    const ResultCode status = CheckQuery(processor, {level1Data, level1Instruction, level2, level3});
    if (status != result::kSuccess) {
        return status;
    }
    *level1Data = snapshot_.cacheCount[0];
    *level1Instruction = snapshot_.cacheCount[1];
    *level2 = snapshot_.cacheCount[2];
    *level3 = snapshot_.cacheCount[3];
    return result::kSuccess;
}

}  // namespace sondrel::module
