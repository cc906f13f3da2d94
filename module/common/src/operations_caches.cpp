// ICacheSizes: stored sizes by level index.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetCacheSize(std::int32_t processor, std::int32_t level,
                                                       std::int32_t* size, std::int32_t* unit) {
    const ResultCode status = CheckQuery(processor, {size, unit});
    if (status != result::kSuccess) {
        return status;
    }
    // The unit is written before the level is examined.
    *unit = level == kInstructionCacheLevel ? generation_.instructionCacheUnit : kKilobyteUnit;
    if (level < 0 || level >= kCacheLevelCount) {
        return result::kNoSuchCache;
    }
    *size = snapshot_.cacheSizeKB.at(static_cast<std::size_t>(level));
    return result::kSuccess;
}

}  // namespace sondrel::module
