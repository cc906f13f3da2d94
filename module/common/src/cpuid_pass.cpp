// The CPUID pass: processor count and presence, signature, features,
// topology, caches, brand string, system counts and the measurement.
#include <cmath>

#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/processor_module.h"
#include "sondrel/module/text.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {

namespace {

constexpr std::uint32_t kVendorLeaf = 0x0;
constexpr std::uint32_t kSignatureLeaf = 0x1;
constexpr std::uint32_t kDeterministicCacheLeaf = 0x4;
constexpr std::uint32_t kThermalLeaf = 0x6;
constexpr std::uint32_t kTopologyLeaf = 0xB;
constexpr std::uint32_t kExtendedFeatureLeaf = 0x80000001;
// Level indexes in the order the descriptors are read.
constexpr int kCacheReadOrder[kCacheLevelCount] = {1, 0, 2, 3};

std::int32_t Bit(std::uint32_t value, unsigned bit) {
    return BitsAsInt(value, bit, 1);
}

}  // namespace

ResultCode CProcessorModule::RunCpuidPass(IProcessorAccess& access, std::int32_t processor) {
    ProcessorSnapshot& s = snapshot_;

    // 1. Processor count and range.
    std::int32_t count = 0;
    if (access.GetProcessorCount(&count) != result::kSuccess) {
        return result::kFileNotFound;
    }
    bookkeeping_.processorCount = count;
    if (processor < 1 || processor > count) {
        return result::kProcessorOutOfRange;
    }
    bookkeeping_.currentProcessor = processor;

    // 2. Presence.
    std::int32_t present = 0;
    ResultCode status = access.GetPresence(processor, &present);
    if (status != result::kSuccess) {
        return status;
    }
    if (present == 0) {
        return result::kProcessorNotPresent;
    }

    // 3. Highest standard leaf: only the low byte counts.
    CpuidRegisters regs{};
    status = access.RunCpuid(processor, kVendorLeaf, 0, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    s.maxStandardLeaf = Bits(regs.eax, 0, 8);
    const std::uint32_t maxLeaf = s.maxStandardLeaf;

    // 4. Signature and leaf-1 features.
    CpuidRegisters leaf1{};
    status = access.RunCpuid(processor, kSignatureLeaf, kSignatureLeaf, &leaf1);
    if (status != result::kSuccess) {
        return status;
    }
    s.stepping = BitsAsInt(leaf1.eax, 0, 4);
    s.model = BitsAsInt(leaf1.eax, 4, 4);
    s.family = BitsAsInt(leaf1.eax, 8, 4);
    s.processorType = BitsAsInt(leaf1.eax, 12, 2);
    s.extendedModel = BitsAsInt(leaf1.eax, 16, 4);
    s.extendedFamily = BitsAsInt(leaf1.eax, 20, 8);
    if (s.family != generation_.requiredFamily) {
        return result::kFamilyNotSix;
    }
    s.brandClass = 0;
    s.mmx = Bit(leaf1.edx, 23);
    s.sse = Bit(leaf1.edx, 25);
    s.sse2 = Bit(leaf1.edx, 26);
    s.multiThreadingCapable = Bit(leaf1.edx, 28);
    s.sse3 = Bit(leaf1.ecx, 0);
    s.eqrtSupported = Bit(leaf1.ecx, 7);
    s.secondThermalMonitor = Bit(leaf1.ecx, 8);
    s.virtualization = Bit(leaf1.ecx, 5);
    s.aesNi = Bit(leaf1.ecx, 25);
    s.avx = Bit(leaf1.ecx, 28);
    s.sse4 = Bit(leaf1.ecx, 19) != 0 ? 1 : Bit(leaf1.ecx, 20);
    s.leaf1LogicalCount = BitsAsInt(leaf1.ebx, 16, 8);

    // 5. Cores and threads from the second cache of leaf 4, with EBX and
    // EDX as leaf 1 left them.
    if (maxLeaf >= kDeterministicCacheLeaf) {
        status = access.RunCpuidWithInputs(processor, kDeterministicCacheLeaf, leaf1.ebx, 1, leaf1.edx,
                                           maxLeaf, &regs);
        if (status != result::kSuccess) {
            return status;
        }
        s.maxPackageCores = WrappingAdd(BitsAsInt(regs.eax, 26, 6), 1);
        s.cacheLeafCores = s.maxPackageCores;
        s.threadsPerCore = WrappingAdd(BitsAsInt(regs.eax, 14, 12), 1);
    } else {
        s.packageCores = 1;
        s.threadsPerCore = 1;
    }

    // 6. Logical processors per package.
    s.packageThreads =
        s.maxPackageCores > 0 ? WrappingMultiply(s.threadsPerCore, s.maxPackageCores) : s.threadsPerCore;

    // 7. Topology leaf.
    if (maxLeaf >= kTopologyLeaf) {
        status = access.RunCpuidWithInputs(processor, kTopologyLeaf, 0, 0, 0, maxLeaf, &regs);
        if (status != result::kSuccess) {
            return status;
        }
        const std::int32_t threadsPerCoreLevel = BitsAsInt(regs.ebx, 0, 16);
        status = access.RunCpuidWithInputs(processor, kTopologyLeaf, 0, 1, 0, maxLeaf, &regs);
        if (status != result::kSuccess) {
            return status;
        }
        // Some processors answer leaf 0xB with zeros: a sub-leaf 1 that
        // reports no logical processors keeps the count of step 6.
        if (const std::int32_t reported = BitsAsInt(regs.ebx, 0, 16); reported > 0) {
            s.packageThreads = reported;
        }
        const std::int32_t cores = threadsPerCoreLevel > 0
                                       ? WrappingDivide(s.packageThreads, threadsPerCoreLevel)
                                       : s.leaf1LogicalCount;
        s.packageCores = cores;
        s.maxPackageCores = cores;
    } else {
        s.packageCores = 1;
    }
    if (generation_.packageCores == PackageCoreRule::kCacheLeaf) {
        s.packageCores = CacheLeafPackageCores(s);
    }

    // 8. Cache sizes from the descriptors.
    for (const int level : kCacheReadOrder) {
        status = DescribeCacheLevel(access, processor, level);
        if (status != result::kSuccess) {
            return status;
        }
    }

    // 9. Leaf-4 sizes where descriptors gave none, then the instance counts.
    if (maxLeaf >= kTopologyLeaf) {
        bool missing = false;
        for (const std::int32_t size : s.cacheSizeKB) {
            missing = missing || size == kCacheSizeUnknown;
        }
        if (missing) {
            EnumerateDeterministicCaches(access, processor);
        }
        ComputeCacheSharing(access, processor);
    }

    // 10. A processor type other than 0 is not handled by this module.
    if (s.processorType != 0) {
        s.productCode = kProductNotHandled;
        s.expectedCpuMHz = 0.0f;
        return result::kSuccess;
    }

    // 11. Brand string.
    char brand[kNameBufferSize] = {};
    status = access.GetBrandString(processor, brand);
    if (status != result::kSuccess) {
        return status;
    }
    brand[kNameBufferSize - 1] = '\0';
    CopyBounded(s.processorName, sizeof s.processorName, brand);
    CollapseSpaces(s.processorName, kCollapsedNameLimit);

    // 12. Brand class and product code.
    ClassifyBrand();

    // 13. System counts; "ThreadCount" is the previous pass's value.
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t third = 0;
    status = access.GetSystemCounts(&first, &second, &third);
    if (status != result::kSuccess) {
        return status;
    }
    s.systemThreads = second;
    s.systemCountC = third;
    const std::int32_t threadCount = s.fields.Value(field_id::kThreadCount);
    const std::int32_t packages = threadCount != 0 ? WrappingDivide(second, threadCount) : 0;
    s.packagesEstimate = packages >= 1 ? packages : 1;

    // 14. Twinstrand, from the register fields of the previous pass.
    const std::int32_t coreCount = s.fields.Value(field_id::kCoreCount);
    s.twinstrandEnabled =
        s.multiThreadingCapable != 0 && coreCount != 0 && WrappingDivide(threadCount, coreCount) > 1 ? 1 : 0;

    // 15. Extended features.
    status = access.RunCpuid(processor, kExtendedFeatureLeaf, maxLeaf, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    s.arch64 = Bit(regs.edx, 29);
    s.executeDisable = Bit(regs.edx, 20);

    // 16. Thermal sensor.
    s.thermalSensor = 0;
    if (maxLeaf >= kThermalLeaf) {
        status = access.RunCpuid(processor, kThermalLeaf, maxLeaf, &regs);
        if (status != result::kSuccess) {
            return status;
        }
        s.thermalSensor = Bit(regs.eax, 0);
    }

    // 17. Measurement with one sample.
    float cpuMHz = 0.0f;
    float busMHz = 0.0f;
    std::int32_t auxOut = 1;
    status = Measure(access, processor, 1, &cpuMHz, &busMHz, &auxOut, 0);
    if (status != result::kSuccess) {
        return status;
    }
    s.reportedCpuMHz = cpuMHz;
    s.measuredBusMHz = busMHz;
    return result::kSuccess;
}

ResultCode CProcessorModule::Measure(IProcessorAccess& access, std::int32_t processor,
                                     std::int32_t sampleCount, float* cpuMHz, float* busMHz,
                                     std::int32_t* auxOut, std::int32_t auxIn) const {
    switch (generation_.measurementSlot) {
        case MeasurementSlot::kFrequencies:
            return access.MeasureFrequencies(processor, generation_.measurementMode, sampleCount, cpuMHz,
                                             busMHz, auxOut, auxIn);
        case MeasurementSlot::kProcessorFrequency: {
            const ResultCode status = access.MeasureProcessorFrequency(processor, generation_.measurementMode,
                                                                       sampleCount, cpuMHz, auxOut, auxIn);
            if (status == result::kSuccess && generation_.discardInvalidMeasurements &&
                !(std::isfinite(*cpuMHz) && *cpuMHz > 0.0f)) {
                *cpuMHz = 0.0f;
            }
            return status;
        }
    }
    return result::kUnexpectedFailure;
}

}  // namespace sondrel::module
