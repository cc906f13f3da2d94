#include "sondrel/profile/profile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "sondrel/message_text.h"

namespace sondrel::profile {

namespace {
constexpr int kBitsPerRegister = 64;
constexpr std::uint32_t kVendorMask = 0xFFFFu;
}  // namespace

namespace {

// An override's own entries come before the package's; an exact sub-leaf
// before an entry for every sub-leaf.
template <class Table>
const typename Table::mapped_type* FindCpuid(const Table& own, const Table& shared, std::uint32_t leaf,
                                             std::uint32_t subleaf) {
    for (const CpuidKey key : {CpuidKey{leaf, subleaf}, CpuidKey{leaf, std::nullopt}}) {
        for (const Table* table : {&own, &shared}) {
            if (const auto found = table->find(key); found != table->end()) {
                return &found->second;
            }
        }
    }
    return nullptr;
}

}  // namespace

CpuidValue Processor::Cpuid(std::uint32_t leaf, std::uint32_t subleaf) const {
    const CpuidValue* found = FindCpuid(*ownCpuid, *cpuid, leaf, subleaf);
    return found == nullptr ? CpuidValue{} : *found;
}

std::optional<std::int32_t> Processor::CpuidFault(std::uint32_t leaf, std::uint32_t subleaf) const {
    static const CpuidFaultTable kNone;
    const std::int32_t* found = FindCpuid(kNone, *faults.cpuid, leaf, subleaf);
    return found == nullptr ? std::nullopt : std::optional(*found);
}

std::optional<std::uint64_t> Processor::Msr(std::uint32_t msrNumber) const {
    for (const MsrTable* table : {ownMsr.get(), msr.get()}) {
        if (const auto found = table->find(msrNumber); found != table->end()) {
            return found->second;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> Processor::ReadMsrField(std::uint32_t msrNumber, std::int32_t lowBit,
                                                     std::int32_t width) const {
    const std::optional<std::uint64_t> value = Msr(msrNumber);
    if (!value) {
        return std::nullopt;
    }
    if (lowBit < 0 || lowBit >= kBitsPerRegister || width < 1 || width > kBitsPerRegister - lowBit) {
        return std::nullopt;
    }
    const std::uint64_t shifted = *value >> lowBit;
    const std::uint64_t mask =
        width == kBitsPerRegister ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
    return shifted & mask;
}

std::optional<std::uint16_t> PciDevice::Vendor() const {
    const auto found = registers.find(0);
    if (found == registers.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(found->second & kVendorMask);
}

std::uint32_t PciDevice::Read(std::int32_t offset, std::int32_t size) const {
    std::uint32_t value = 0;
    for (std::int32_t i = 0; i < size; ++i) {
        const std::int32_t byte = offset + i;
        const auto found = registers.find(byte & ~3);
        const std::uint32_t word = found == registers.end() ? 0 : found->second;
        value |= ((word >> (8 * (byte & 3))) & 0xFFu) << (8 * i);
    }
    return value;
}

const Processor* Profile::FindProcessor(std::int32_t number) const {
    if (number < 1 || number > ProcessorCount()) {
        return nullptr;
    }
    return &processors[static_cast<std::size_t>(number - 1)];
}

const PciDevice* Profile::FindPciDevice(const PciAddressKey& address) const {
    const auto found = pci.find(address);
    return found == pci.end() ? nullptr : &found->second;
}

std::string LoadError::Message() const {
    std::string line = path + ": ";
    if (!field.empty()) {
        line += field + ": ";
    }
    // Keys and values of the file reach the message: one line, nothing
    // that a terminal would act on.
    return EscapeForMessage(line + problem);
}

std::string BundledProfileDirectory() {
    // The profiles of the installed tree the program runs from, wherever
    // that tree was moved; then those of the configured installation.
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const auto beside = program.parent_path() / SONDREL_RELATIVE_PROFILE_DIR;
        if (std::filesystem::is_regular_file(beside / "default.json", error)) {
            return beside.lexically_normal().string();
        }
    }
    return SONDREL_INSTALLED_PROFILE_DIR;
}

std::string ChooseProfilePath() {
    const char* chosen = std::getenv(kProfileVariable);
    if (chosen != nullptr && *chosen != '\0') {
        return chosen;
    }
    std::error_code error;
    if (std::filesystem::exists(kDefaultProfile, error)) {
        return kDefaultProfile;
    }
    return BundledProfileDirectory() + "/default.json";
}

}  // namespace sondrel::profile
