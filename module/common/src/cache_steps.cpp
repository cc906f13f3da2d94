// Cache steps of the CPUID pass: sizes from the leaf-2 descriptors, the
// leaf-4 replacement, and the instance counts of the first two levels.
#include <cstddef>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

namespace {

constexpr std::uint32_t kDescriptorLeaf = 0x2;
constexpr std::uint32_t kDeterministicCacheLeaf = 0x4;
// The walk reads sub-leaves 0 to 4 at most.
constexpr std::uint32_t kLastDeterministicSubleaf = 4;
constexpr std::uint32_t kReadCountMask = 0xFFu;

enum CacheIndex : std::size_t { kLevel1Data, kLevel1Instruction, kLevel2, kLevel3 };

// Cache levels as leaf 4 numbers them.
constexpr std::int32_t kFirstLevel = 1;
constexpr std::int32_t kSecondLevel = 2;
constexpr std::int32_t kThirdLevel = 3;

// Walks leaf 4 until a read fails, an entry has no type, sub-leaf 4 was read,
// or `visit` returns false.
template <class Visit>
void WalkDeterministicCaches(IProcessorAccess& access, std::int32_t processor, std::uint32_t maxLeaf,
                             Visit visit) {
    for (std::uint32_t subleaf = 0; subleaf <= kLastDeterministicSubleaf; ++subleaf) {
        CpuidRegisters regs{};
        if (access.RunCpuidWithInputs(processor, kDeterministicCacheLeaf, 0, subleaf, 0, maxLeaf, &regs) !=
            result::kSuccess) {
            return;
        }
        const DeterministicCache cache = DecodeDeterministicCache(regs);
        if (cache.type == kNoMoreCaches || !visit(cache)) {
            return;
        }
    }
}

}  // namespace

ResultCode CProcessorModule::DescribeCacheLevel(IProcessorAccess& access, std::int32_t processor,
                                                int levelIndex) {
    CpuidRegisters regs{};
    ResultCode status = access.RunCpuid(processor, kDescriptorLeaf, kDescriptorLeaf, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    auto& size = snapshot_.cacheSizeKB.at(static_cast<std::size_t>(levelIndex));
    size = kCacheSizeUnknown;
    const std::uint32_t readCount = regs.eax & kReadCountMask;
    for (std::uint32_t read = 0; read < readCount; ++read) {
        if (const auto found =
                FindDescriptorSize(generation_.cacheDescriptors, levelIndex, snapshot_.model, regs)) {
            size = *found;
            return result::kSuccess;
        }
        status = access.RunCpuid(processor, kDescriptorLeaf, kDescriptorLeaf, &regs);
        if (status != result::kSuccess) {
            return status;
        }
    }
    return result::kSuccess;
}

void CProcessorModule::EnumerateDeterministicCaches(IProcessorAccess& access, std::int32_t processor) {
    auto& sizes = snapshot_.cacheSizeKB;
    WalkDeterministicCaches(
        access, processor, snapshot_.maxStandardLeaf, [&sizes](const DeterministicCache& cache) {
            switch (cache.level) {
                case kFirstLevel:
                    sizes[cache.type == kDataCache ? kLevel1Data : kLevel1Instruction] = cache.sizeKB;
                    return true;
                case kSecondLevel:
                    sizes[kLevel2] = cache.sizeKB;
                    return true;
                case kThirdLevel:
                    sizes[kLevel3] = cache.sizeKB;
                    return true;
                default:
                    return false;
            }
        });
}

void CProcessorModule::ComputeCacheSharing(IProcessorAccess& access, std::int32_t processor) {
    auto& counts = snapshot_.cacheCount;
    const std::int32_t cores = snapshot_.packageCores;
    WalkDeterministicCaches(
        access, processor, snapshot_.maxStandardLeaf, [&counts, cores](const DeterministicCache& cache) {
            switch (cache.level) {
                case kFirstLevel:
                    counts[cache.type == kDataCache ? kLevel1Data : kLevel1Instruction] = cores;
                    return true;
                case kSecondLevel:
                    counts[kLevel2] = cores;
                    return true;
                default:
                    // The third level is counted after the PCI step.
                    return false;
            }
        });
}

}  // namespace sondrel::module
