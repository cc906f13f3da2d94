// Cache steps of the CPUID pass. Empty until the caches work fills them:
// sizes stay as cleared (0) and the instance counts at 1.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode CProcessorModule::DescribeCacheLevel(IProcessorAccess& /*access*/, std::int32_t /*processor*/,
                                                int /*levelIndex*/) {
    // Filled by the caches work: leaf-2 descriptors with the generation's table.
    return result::kSuccess;
}

void CProcessorModule::EnumerateDeterministicCaches(IProcessorAccess& /*access*/,
                                                    std::int32_t /*processor*/) {
    // Filled by the caches work: the leaf-4 walk replacing unknown sizes.
}

void CProcessorModule::ComputeCacheSharing(IProcessorAccess& /*access*/, std::int32_t /*processor*/) {
    // Filled by the cache-sharing work: instance counts of levels 0 to 2.
}

}  // namespace sondrel::module
