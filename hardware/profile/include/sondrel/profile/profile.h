// The processor profile: a JSON description of a machine that the data
// module (and the hardware broker) answer from in place of real hardware.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace sondrel::profile {

// Totals the parser accepts; larger profiles are refused, not truncated.
inline constexpr std::int32_t kMaxLogicalProcessors = 1024;
inline constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;
inline constexpr std::size_t kMaxNesting = 64;
// CPUID entries of one processor (a package's list with an override's
// merged in), and CPUID faults of one processor. A real processor answers
// a few hundred leaves and sub-leaves at most; the bound keeps a hostile
// profile from taking memory without limit.
inline constexpr std::size_t kMaxCpuidEntries = 4096;
inline constexpr std::int32_t kPciConfigSpaceBytes = 4096;

struct CpuidValue {
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// Entries without a sub-leaf answer every sub-leaf that has no entry of its own.
struct CpuidKey {
    std::uint32_t leaf = 0;
    std::optional<std::uint32_t> subleaf;
    friend auto operator<=>(const CpuidKey&, const CpuidKey&) = default;
};

// One answer of the measurement operation: frequencies, or a failure code.
struct Measurement {
    float cpuMHz = 0.0f;
    float busMHz = 0.0f;
    std::int32_t failure = 0;  // nonzero: the call fails with this code
};

using CpuidTable = std::map<CpuidKey, CpuidValue>;
using MsrTable = std::map<std::uint32_t, std::uint64_t>;
using CpuidFaultTable = std::map<CpuidKey, std::int32_t>;

// The lists of a package are shared by all its processors rather than
// copied to each (a package may have 1024 processors); an override's own
// entries are kept beside them and read first.
struct ProcessorFaults {
    std::optional<std::int32_t> presence;
    std::optional<std::int32_t> brand;
    std::shared_ptr<const CpuidFaultTable> cpuid = std::make_shared<const CpuidFaultTable>();
    std::optional<std::int32_t> measurement;
    std::optional<std::int32_t> registerFields;
    std::shared_ptr<const std::vector<std::string>> unreadFields =
        std::make_shared<const std::vector<std::string>>();
    std::int32_t listErrorCode = 0;
    bool revisionUnavailable = false;
};

struct Processor {
    std::int32_t number = 0;   // 1-based across all packages
    std::int32_t package = 0;  // 0-based package index
    bool present = true;
    std::uint32_t revision = 0;
    std::string brand;
    std::shared_ptr<const CpuidTable> cpuid = std::make_shared<const CpuidTable>();
    std::shared_ptr<const CpuidTable> ownCpuid = std::make_shared<const CpuidTable>();
    std::shared_ptr<const MsrTable> msr = std::make_shared<const MsrTable>();
    std::shared_ptr<const MsrTable> ownMsr = std::make_shared<const MsrTable>();
    std::shared_ptr<const std::vector<Measurement>> measurements =
        std::make_shared<const std::vector<Measurement>>();
    ProcessorFaults faults;

    // The MSR's value; empty when the profile lacks it.
    std::optional<std::uint64_t> Msr(std::uint32_t msrNumber) const;

    // Unlisted leaves and sub-leaves read as all zeros.
    CpuidValue Cpuid(std::uint32_t leaf, std::uint32_t subleaf) const;
    // CPUID leaf 1 EAX.
    std::uint32_t Signature() const { return Cpuid(1, 0).eax; }
    // CPUID leaf 0 EAX.
    std::uint32_t MaxStandardLeaf() const { return Cpuid(0, 0).eax; }
    std::optional<std::int32_t> CpuidFault(std::uint32_t leaf, std::uint32_t subleaf) const;
    // Bits low .. low+width-1 of the MSR shifted to bit 0; empty when the
    // profile lacks the MSR or the range does not lie inside bits 0..63.
    std::optional<std::uint64_t> ReadMsrField(std::uint32_t msrNumber, std::int32_t lowBit,
                                              std::int32_t width) const;
};

struct PciAddressKey {
    std::int32_t bus = 0;
    std::int32_t device = 0;
    std::int32_t function = 0;
    friend auto operator<=>(const PciAddressKey&, const PciAddressKey&) = default;
};

struct PciDevice {
    PciAddressKey address;
    std::map<std::int32_t, std::uint32_t> registers;  // dword-aligned offset -> value

    // Vendor identifier from register 0, when the profile lists it.
    std::optional<std::uint16_t> Vendor() const;
    // Little-endian bytes offset .. offset+size-1; unlisted bytes read 0.
    std::uint32_t Read(std::int32_t offset, std::int32_t size) const;
};

struct PciFaultKey {
    PciAddressKey address;
    std::int32_t offset = 0;
    friend auto operator<=>(const PciFaultKey&, const PciFaultKey&) = default;
};

struct SystemFaults {
    std::optional<std::int32_t> processorCount;
    std::optional<std::int32_t> systemCounts;
    std::optional<std::int32_t> processorAccessInterface;
    std::optional<std::int32_t> registerFieldsInterface;
    std::optional<std::int32_t> pciConfigInterface;
    std::map<PciFaultKey, std::int32_t> pci;
};

struct Profile {
    std::string path;
    std::string description;
    std::int32_t packageCount = 0;
    std::vector<Processor> processors;  // processors[n - 1] is processor n
    std::array<std::int32_t, 3> systemCounts{};
    std::map<PciAddressKey, PciDevice> pci;
    SystemFaults faults;

    std::int32_t ProcessorCount() const { return static_cast<std::int32_t>(processors.size()); }
    // Null when number is outside 1 .. ProcessorCount().
    const Processor* FindProcessor(std::int32_t number) const;
    const PciDevice* FindPciDevice(const PciAddressKey& address) const;
};

// Why a profile could not be loaded: one line names the file, the field and
// the problem.
struct LoadError {
    enum class Kind { kUnreadable, kMalformed };
    Kind kind = Kind::kMalformed;
    std::string path;
    std::string field;  // e.g. "packages[0].cpuid[3].eax"; empty for the file as a whole
    std::string problem;

    std::string Message() const;
};

using LoadResult = std::variant<Profile, LoadError>;

// Neither function throws.
LoadResult LoadProfile(const std::string& path);
LoadResult ParseProfile(std::string_view text, const std::string& path);

// The environment variable that names the profile.
inline constexpr const char* kProfileVariable = "SONDREL_PROFILE";
inline constexpr const char* kDefaultProfile = "profiles/default.json";

// The folder of the bundled profiles: the installed tree's beside the
// program when it is there, else the configured installation's.
std::string BundledProfileDirectory();

// SONDREL_PROFILE when set and not empty; else profiles/default.json when it
// exists in the current directory; else the bundled default profile.
std::string ChooseProfilePath();

}  // namespace sondrel::profile
