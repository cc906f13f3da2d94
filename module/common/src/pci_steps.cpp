// PCI steps: chipset, active cores and graphics probe read from PCI
// configuration space, the third-level cache count, and disabled cores.
#include <algorithm>
#include <array>

#include "sondrel/module/pci.h"
#include "sondrel/module/processor_module.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {

namespace {

constexpr std::int32_t kBus = 0;
constexpr std::int32_t kReadSize = 4;
constexpr std::uint32_t kDeviceIdMask = 0xFFFFu;
constexpr std::int32_t kDeviceIdOffset = 0x2;

constexpr std::int32_t kHostBridgeDevice = 0;
constexpr std::int32_t kProcessorDevice = 1;
constexpr std::int32_t kGraphicsDevice = 2;
constexpr std::int32_t kPlatformControllerDevice = 31;

constexpr std::int32_t kChipsetPreset = 3;

// The read before the active cores, made for some processors only; its value is not used.
constexpr std::int32_t kProbeReadFunction = 1;
constexpr std::int32_t kProbeReadOffset = 0x50;
constexpr std::uint32_t kProbeReadPreset = 1;

constexpr std::int32_t kActiveCoresOffset = 0x80;
constexpr std::uint32_t kLowByteMask = 0xFFu;
constexpr unsigned kHostBridgeActiveCoresWidth = 3;

constexpr std::uint32_t kGraphicsPreset = 4;
constexpr std::int32_t kGraphicsControlOffset = 0x54;
constexpr std::uint32_t kGraphicsEnabledBit = 1u << 4;
constexpr std::int32_t kGraphicsStatusOffset = 0x50;
// Set: the status register itself is what the probe keeps.
constexpr std::uint32_t kGraphicsStatusFinalBit = 1u << 1;

std::int32_t DeviceId(std::uint32_t value) {
    return static_cast<std::int32_t>(value & kDeviceIdMask);
}

ResultCode ReadByDevice(IPciConfig& pci, std::int32_t processor, std::int32_t device, std::int32_t function,
                        std::int32_t offset, std::uint32_t* value) {
    PciAddress address{kBus, kMakerPciVendorId, device, function, offset, kReadSize};
    return pci.ReadByDevice(processor, kMakerPciVendorId, device, function, offset, kReadSize, &address,
                            value);
}

ResultCode ReadByAddress(IPciConfig& pci, std::int32_t processor, std::int32_t device, std::int32_t offset,
                         std::uint32_t* value) {
    return pci.ReadByAddress(processor, kBus, kMakerPciVendorId, device, 0, offset, kReadSize, value);
}

bool Is(const ProcessorSnapshot& s, ModelSignature signature) {
    return s.extendedModel == signature.extendedModel && s.model == signature.model;
}

}  // namespace

ResultCode CProcessorModule::RunPciReads(IPciConfig& pci, std::int32_t processor) {
    const ResultCode status = ReadPciDetails(pci, processor);
    // The third-level count follows whatever the reads gave.
    ProcessorSnapshot& s = snapshot_;
    const std::int32_t coreCount = s.fields.Value(field_id::kCoreCount);
    s.cacheCount[kCacheLevelCount - 1] =
        coreCount < s.maxPackageCores && s.packageCores > 0 ? WrappingDivide(coreCount, s.packageCores) : 1;
    return status;
}

ResultCode CProcessorModule::ReadPciDetails(IPciConfig& pci, std::int32_t processor) {
    std::uint32_t chipset = kChipsetPreset;
    ResultCode status = ReadByAddress(pci, processor, kPlatformControllerDevice, kDeviceIdOffset, &chipset);
    if (status != result::kSuccess) {
        return status;
    }
    snapshot_.chipsetDeviceId = DeviceId(chipset);
    status = ReadActiveCores(pci, processor);
    if (status != result::kSuccess) {
        return status;
    }
    return ProbeGraphics(pci, processor);
}

ResultCode CProcessorModule::ReadActiveCores(IPciConfig& pci, std::int32_t processor) {
    ProcessorSnapshot& s = snapshot_;
    const ActiveCoreReads& reads =
        generation_.activeCoreReads != nullptr ? *generation_.activeCoreReads : StandardActiveCoreReads();
    const bool probe = s.family == reads.probeFamily &&
                       std::any_of(reads.probeSignatures.begin(), reads.probeSignatures.end(),
                                   [&s](ModelSignature signature) { return Is(s, signature); });
    if (probe) {
        std::uint32_t ignored = kProbeReadPreset;
        try {
            const ResultCode status =
                ReadByDevice(pci, processor, kGraphicsDevice, kProbeReadFunction, kProbeReadOffset, &ignored);
            if (status != result::kSuccess) {
                return status;
            }
        } catch (...) {
            // A fault inside this one read is tolerated: some platforms have no such function.
        }
    }

    std::int32_t activeCores = s.packageCores;
    if (Contains(reads.processorDeviceProductCodes, s.productCode)) {
        if (Is(s, reads.processorDeviceSignature)) {
            std::uint32_t value = 0;
            const ResultCode status =
                ReadByDevice(pci, processor, kProcessorDevice, 0, kActiveCoresOffset, &value);
            if (status != result::kSuccess) {
                return status;
            }
            const auto cores = static_cast<std::int32_t>(value & kLowByteMask);
            activeCores = cores != 0 ? cores : s.packageCores;
        }
    } else if (Contains(reads.hostBridgeExtendedModels, s.extendedModel)) {
        std::uint32_t value = 0;
        const ResultCode status =
            ReadByDevice(pci, processor, kHostBridgeDevice, 0, kActiveCoresOffset, &value);
        if (status != result::kSuccess) {
            return status;
        }
        const std::int32_t cores = BitsAsInt(value, 0, kHostBridgeActiveCoresWidth);
        activeCores = cores != 0 ? cores : s.packageCores;
    }
    s.pciActiveCores = activeCores;
    s.pciDetailsValid = 1;
    return result::kSuccess;
}

ResultCode CProcessorModule::ProbeGraphics(IPciConfig& pci, std::int32_t processor) {
    ProcessorSnapshot& s = snapshot_;
    // The value read stays the preset where a read fails.
    std::uint32_t control = kGraphicsPreset;
    ResultCode status = ReadByAddress(pci, processor, kHostBridgeDevice, kGraphicsControlOffset, &control);
    if (status != result::kSuccess || (control & kGraphicsEnabledBit) == 0) {
        s.graphicsDeviceId = DeviceId(control);
        return status;
    }
    std::uint32_t graphicsStatus = kGraphicsPreset;
    status = ReadByAddress(pci, processor, kHostBridgeDevice, kGraphicsStatusOffset, &graphicsStatus);
    if (status != result::kSuccess || (graphicsStatus & kGraphicsStatusFinalBit) != 0) {
        s.graphicsDeviceId = DeviceId(graphicsStatus);
        return status;
    }
    std::uint32_t device = kGraphicsPreset;
    status = ReadByAddress(pci, processor, kGraphicsDevice, kDeviceIdOffset, &device);
    if (status != result::kSuccess) {
        return status;
    }
    s.graphicsDeviceId = DeviceId(device);
    return result::kSuccess;
}

void CProcessorModule::CountDisabledCores() {
    ProcessorSnapshot& s = snapshot_;
    const std::int32_t activeCores = InRanges(generation_.pciActiveCoreProductCodes, s.productCode)
                                         ? s.pciActiveCores
                                         : s.fields.Value(field_id::kCoreCount);
    const std::int32_t disabled = WrappingSubtract(s.packageCores, activeCores);
    s.disabledCores = disabled < 0 ? 0 : disabled;
}

}  // namespace sondrel::module
