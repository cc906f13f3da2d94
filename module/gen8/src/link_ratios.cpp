#include "sondrel/gen8/link_ratios.h"

#include "sondrel/module/pci.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::gen8 {

namespace {

constexpr std::int32_t kFamily = 6;
constexpr std::int32_t kBus = 0;
constexpr std::int32_t kReadSize = 4;

// The interconnect link's ratio register and the memory controller's.
constexpr std::int32_t kLinkDevice = 2;
constexpr std::int32_t kLinkFunction = 1;
constexpr std::int32_t kLinkOffset = 0x50;
constexpr unsigned kLinkRatioWidth = 7;  // bits 6:0
constexpr std::int32_t kMemoryDevice = 3;
constexpr std::int32_t kMemoryFunction = 4;
constexpr std::int32_t kMemoryOffset = 0x54;
constexpr unsigned kMemoryRatioWidth = 5;  // bits 4:0

// The first generation has both registers; of the second, models 5 and 12
// have the link register only.
constexpr std::int32_t kFirstExtendedModel = 1;
constexpr std::int32_t kSecondExtendedModel = 2;
constexpr std::int32_t kSecondWithLinkModelA = 5;
constexpr std::int32_t kSecondWithLinkModelB = 12;

constexpr float kLinkTransfersPerClock = 2.0f;

ResultCode ReadRatio(IPciConfig& pci, std::int32_t processor, std::int32_t device, std::int32_t function,
                     std::int32_t offset, unsigned width, std::int32_t& ratio) {
    PciAddress address{kBus, module::kMakerPciVendorId, device, function, offset, kReadSize};
    std::uint32_t value = 0;
    const ResultCode status = pci.ReadByDevice(processor, module::kMakerPciVendorId, device, function, offset,
                                               kReadSize, &address, &value);
    if (status == result::kSuccess) {
        ratio = BitsAsInt(value, 0, width);
    }
    return status;
}

float Interconnect(std::int32_t ratio, float busMHz) {
    return ratio > 0 ? kLinkTransfersPerClock * static_cast<float>(ratio) * busMHz : 0.0f;
}

float MemoryController(std::int32_t ratio, float busMHz) {
    return ratio > 0 ? busMHz * static_cast<float>(ratio) : 0.0f;
}

}  // namespace

ResultCode ReadLinkRatios(IPciConfig& pci, std::int32_t processor, const module::ProcessorSnapshot& s,
                          LinkRatios& ratios) {
    ratios = LinkRatios{};
    if (s.family != kFamily) {
        return result::kSuccess;
    }
    const bool first = s.extendedModel == kFirstExtendedModel;
    const bool secondWithLink = s.extendedModel == kSecondExtendedModel &&
                                (s.model == kSecondWithLinkModelA || s.model == kSecondWithLinkModelB);
    if (first || secondWithLink) {
        const ResultCode status = ReadRatio(pci, processor, kLinkDevice, kLinkFunction, kLinkOffset,
                                            kLinkRatioWidth, ratios.interconnect);
        if (status != result::kSuccess) {
            return status;
        }
    }
    if (first) {
        return ReadRatio(pci, processor, kMemoryDevice, kMemoryFunction, kMemoryOffset, kMemoryRatioWidth,
                         ratios.memory);
    }
    return result::kSuccess;
}

void FillInterconnect(const LinkRatios& ratios, module::ProcessorSnapshot& s) {
    s.reportedInterconnectMHz = Interconnect(ratios.interconnect, s.reportedBusMHz);
    s.reportedMemoryControllerMHz = MemoryController(ratios.memory, s.reportedBusMHz);
    s.expectedInterconnectMHz = Interconnect(ratios.interconnect, s.expectedBusMHz);
    s.expectedMemoryControllerMHz = MemoryController(ratios.memory, s.expectedBusMHz);
}

}  // namespace sondrel::gen8
