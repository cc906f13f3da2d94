#include "interfaces.h"
#include "sondrel/interface_ids.h"

namespace sondrel::profile_data {

namespace {

constexpr std::int32_t kMaxBus = 255;
constexpr std::int32_t kMaxDevice = 31;
constexpr std::int32_t kMaxFunction = 7;
// A vendor argument that accepts whatever device is there.
constexpr std::uint32_t kAnyVendor = 0xFFFFu;
constexpr std::uint32_t kVendorMask = 0xFFFFu;

bool ValidSize(std::int32_t size) {
    return size == 1 || size == 2 || size == 4;
}

// What an empty slot reads as on real hardware: all ones.
std::uint32_t AllOnes(std::int32_t size) {
    return size == 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * size)) - 1;
}

ResultCode Read(const profile::Profile& profile, std::int32_t processor, std::int32_t bus,
                std::int32_t vendor, std::int32_t device, std::int32_t function, std::int32_t offset,
                std::int32_t size, std::uint32_t* value) {
    if (value == nullptr) {
        return result::kNullArgument;
    }
    if (profile.FindProcessor(processor) == nullptr) {
        return result::kProcessorOutOfRange;
    }
    if (bus < 0 || bus > kMaxBus || device < 0 || device > kMaxDevice || function < 0 ||
        function > kMaxFunction || !ValidSize(size) || offset < 0 ||
        offset > profile::kPciConfigSpaceBytes - size) {
        return result::kUnexpectedFailure;
    }
    const profile::PciAddressKey address{bus, device, function};
    if (const auto fault = profile.faults.pci.find(profile::PciFaultKey{address, offset});
        fault != profile.faults.pci.end()) {
        return fault->second;
    }
    const profile::PciDevice* found = profile.FindPciDevice(address);
    if (found == nullptr) {
        *value = AllOnes(size);
        return result::kSuccess;
    }
    const std::uint32_t wanted = static_cast<std::uint32_t>(vendor) & kVendorMask;
    if (const auto actual = found->Vendor(); actual && wanted != kAnyVendor && wanted != *actual) {
        return result::kUnexpectedFailure;
    }
    *value = found->Read(offset, size);
    return result::kSuccess;
}

}  // namespace

ResultCode PciConfig::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    *out = nullptr;
    if (interfaceId != interface_id::kPciConfig) {
        return result::kInterfaceNotImplemented;
    }
    AddReference();
    *out = static_cast<IPciConfig*>(this);
    return result::kSuccess;
}

// The address record repeats the arguments; it may be null and is not read.
ResultCode PciConfig::ReadByDevice(std::int32_t processor, std::int32_t vendor, std::int32_t device,
                                   std::int32_t function, std::int32_t offset, std::int32_t size, PciAddress*,
                                   std::uint32_t* value) {
    return Read(profile_, processor, 0, vendor, device, function, offset, size, value);
}

ResultCode PciConfig::ReadByAddress(std::int32_t processor, std::int32_t bus, std::int32_t vendor,
                                    std::int32_t device, std::int32_t function, std::int32_t offset,
                                    std::int32_t size, std::uint32_t* value) {
    return Read(profile_, processor, bus, vendor, device, function, offset, size, value);
}

}  // namespace sondrel::profile_data
