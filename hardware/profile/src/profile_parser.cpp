// Profile parsing: JSON document -> Profile, or the first problem found.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <system_error>

#include "field_reader.h"
#include "json_document.h"
#include "sondrel/profile/profile.h"

namespace sondrel::profile {

namespace {

using detail::FieldError;
using detail::ObjectFields;
using json = detail::JsonView;

constexpr std::uint32_t kFirstBrandLeaf = 0x80000002u;
constexpr std::uint32_t kBrandLeafCount = 3;

// A processor description while it is being assembled from its package and
// its override.
struct Description {
    Processor processor;
    bool brandGiven = false;
};

const json& ExpectArray(const json& value, const std::string& path) {
    if (!value.is_array()) {
        throw FieldError(path, "expected an array");
    }
    return value;
}

const json& ExpectObject(const json& value, const std::string& path) {
    if (!value.is_object()) {
        throw FieldError(path, "expected an object");
    }
    return value;
}

std::string DescribeCpuidKey(const CpuidKey& key) {
    std::ostringstream text;
    text << "leaf 0x" << std::hex << std::uppercase << key.leaf;
    if (key.subleaf) {
        text << " sub-leaf " << std::dec << *key.subleaf;
    } else {
        text << " (every sub-leaf)";
    }
    return text.str();
}

CpuidKey ReadCpuidKey(ObjectFields& fields) {
    CpuidKey key;
    key.leaf = detail::ReadUnsigned32(fields.Required("leaf"), fields.PathOf("leaf"));
    if (const auto subleaf = fields.Optional("subleaf")) {
        key.subleaf = detail::ReadUnsigned32(*subleaf, fields.PathOf("subleaf"));
    }
    return key;
}

std::uint32_t OptionalRegister(ObjectFields& fields, const char* name) {
    const auto value = fields.Optional(name);
    return !value ? 0 : detail::ReadUnsigned32(*value, fields.PathOf(name));
}

[[noreturn]] void TooManyCpuidEntries(const std::string& path) {
    throw FieldError(path,
                     "more than " + std::to_string(kMaxCpuidEntries) + " CPUID entries for one processor");
}

// A CPUID list, read on top of `beneath` (the package's entries under an
// override's); the two together are one processor's entries.
std::shared_ptr<const CpuidTable> ReadCpuid(const json& list, const std::string& path,
                                            const CpuidTable& beneath) {
    if (ExpectArray(list, path).size() > kMaxCpuidEntries) {
        TooManyCpuidEntries(path);
    }
    auto table = std::make_shared<CpuidTable>();
    std::map<CpuidKey, std::size_t> seen;
    std::size_t alsoBeneath = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        ObjectFields fields(list[i], detail::JoinIndex(path, i));
        const CpuidKey key = ReadCpuidKey(fields);
        CpuidValue value;
        value.eax = OptionalRegister(fields, "eax");
        value.ebx = OptionalRegister(fields, "ebx");
        value.ecx = OptionalRegister(fields, "ecx");
        value.edx = OptionalRegister(fields, "edx");
        fields.RejectUnknownKeys();
        if (const auto earlier = seen.find(key); earlier != seen.end()) {
            throw FieldError(fields.path(), "duplicate entry for " + DescribeCpuidKey(key) + " (also at " +
                                                detail::JoinIndex(path, earlier->second) + ")");
        }
        seen.emplace(key, i);
        (*table)[key] = value;
        alsoBeneath += beneath.count(key);
        if (table->size() + beneath.size() - alsoBeneath > kMaxCpuidEntries) {
            TooManyCpuidEntries(path);
        }
    }
    return table;
}

// The key an MSR was first written with, for the duplicate's message.
std::string FirstSpelling(const json& map, std::uint32_t msr, const std::string& path) {
    for (const auto item : map.items()) {
        if (detail::ReadKeyNumber(item.key(), path, 0xFFFFFFFFu) == msr) {
            return item.key();
        }
    }
    return {};
}

std::shared_ptr<const MsrTable> ReadMsr(const json& map, const std::string& path) {
    auto table = std::make_shared<MsrTable>();
    for (const auto item : ExpectObject(map, path).items()) {
        const std::string itemPath = detail::JoinKey(path, item.key());
        const auto msr = static_cast<std::uint32_t>(detail::ReadKeyNumber(item.key(), itemPath, 0xFFFFFFFFu));
        if (table->count(msr) != 0) {
            throw FieldError(itemPath,
                             "duplicate MSR (also written as \"" + FirstSpelling(map, msr, path) + "\")");
        }
        (*table)[msr] = detail::ReadUnsigned64(item.value(), itemPath);
    }
    return table;
}

std::vector<Measurement> ReadMeasurements(const json& list, const std::string& path) {
    if (ExpectArray(list, path).empty()) {
        throw FieldError(path, "expected at least one measurement");
    }
    std::vector<Measurement> measurements;
    for (std::size_t i = 0; i < list.size(); ++i) {
        ObjectFields fields(list[i], detail::JoinIndex(path, i));
        Measurement measurement;
        if (const auto fail = fields.Optional("fail")) {
            if (fields.Optional("cpuMHz") || fields.Optional("busMHz")) {
                throw FieldError(fields.path(), "a measurement has either fail or frequencies, not both");
            }
            measurement.failure = detail::ReadCode(*fail, fields.PathOf("fail"), false);
        } else {
            measurement.cpuMHz = detail::ReadFrequency(fields.Required("cpuMHz"), fields.PathOf("cpuMHz"));
            if (const auto bus = fields.Optional("busMHz")) {
                measurement.busMHz = detail::ReadFrequency(*bus, fields.PathOf("busMHz"));
            }
        }
        fields.RejectUnknownKeys();
        measurements.push_back(measurement);
    }
    return measurements;
}

void OptionalCode(ObjectFields& fields, const char* name, std::optional<std::int32_t>* into) {
    if (const auto value = fields.Optional(name)) {
        *into = detail::ReadCode(*value, fields.PathOf(name), false);
    }
}

void ReadProcessorFaults(const json& value, const std::string& path, ProcessorFaults* into) {
    ObjectFields fields(value, path);
    OptionalCode(fields, "presence", &into->presence);
    OptionalCode(fields, "brand", &into->brand);
    OptionalCode(fields, "measurement", &into->measurement);
    OptionalCode(fields, "registerFields", &into->registerFields);
    if (const auto list = fields.Optional("cpuid")) {
        const std::string listPath = fields.PathOf("cpuid");
        if (ExpectArray(*list, listPath).size() > kMaxCpuidEntries) {
            TooManyCpuidEntries(listPath);
        }
        auto table = std::make_shared<CpuidFaultTable>();
        for (std::size_t i = 0; i < list->size(); ++i) {
            ObjectFields entry((*list)[i], detail::JoinIndex(listPath, i));
            const CpuidKey key = ReadCpuidKey(entry);
            const std::int32_t code = detail::ReadCode(entry.Required("code"), entry.PathOf("code"), false);
            entry.RejectUnknownKeys();
            if (!table->emplace(key, code).second) {
                throw FieldError(entry.path(), "duplicate fault for " + DescribeCpuidKey(key));
            }
        }
        into->cpuid = std::move(table);
    }
    if (const auto list = fields.Optional("unreadFields")) {
        const std::string listPath = fields.PathOf("unreadFields");
        auto names = std::make_shared<std::vector<std::string>>();
        for (std::size_t i = 0; i < ExpectArray(*list, listPath).size(); ++i) {
            names->push_back(detail::ReadString((*list)[i], detail::JoinIndex(listPath, i)));
        }
        into->unreadFields = std::move(names);
    }
    if (const auto code = fields.Optional("listErrorCode")) {
        into->listErrorCode = detail::ReadCode(*code, fields.PathOf("listErrorCode"), true);
    }
    if (const auto flag = fields.Optional("revisionUnavailable")) {
        into->revisionUnavailable = detail::ReadBoolean(*flag, fields.PathOf("revisionUnavailable"));
    }
    fields.RejectUnknownKeys();
}

// The keys a package and a per-processor override share; an override's
// CPUID and MSR entries are kept beside the package's, read first.
void ApplyDescription(ObjectFields& fields, Description* into, bool isOverride) {
    Processor& processor = into->processor;
    if (const auto brand = fields.Optional("brand")) {
        processor.brand = detail::ReadString(*brand, fields.PathOf("brand"));
        into->brandGiven = true;
    }
    if (const auto revision = fields.Optional("revision")) {
        processor.revision = detail::ReadUnsigned32(*revision, fields.PathOf("revision"));
    }
    if (const auto cpuid = fields.Optional("cpuid")) {
        (isOverride ? processor.ownCpuid : processor.cpuid) =
            ReadCpuid(*cpuid, fields.PathOf("cpuid"), isOverride ? *processor.cpuid : CpuidTable{});
    }
    if (const auto msr = fields.Optional("msr")) {
        (isOverride ? processor.ownMsr : processor.msr) = ReadMsr(*msr, fields.PathOf("msr"));
    }
    if (const auto measurements = fields.Optional("measurements")) {
        processor.measurements = std::make_shared<const std::vector<Measurement>>(
            ReadMeasurements(*measurements, fields.PathOf("measurements")));
    }
    if (const auto faults = fields.Optional("faults")) {
        ReadProcessorFaults(*faults, fields.PathOf("faults"), &processor.faults);
    }
}

// The brand string as leaves 0x80000002 to 0x80000004 spell it.
std::string BrandFromCpuid(const Processor& processor) {
    std::string brand;
    for (std::uint32_t i = 0; i < kBrandLeafCount; ++i) {
        const CpuidValue value = processor.Cpuid(kFirstBrandLeaf + i, 0);
        for (const std::uint32_t word : {value.eax, value.ebx, value.ecx, value.edx}) {
            for (unsigned byte = 0; byte < 4; ++byte) {
                const char c = static_cast<char>((word >> (8 * byte)) & 0xFFu);
                if (c == '\0') {
                    return brand;
                }
                brand.push_back(c);
            }
        }
    }
    return brand;
}

class ProfileParser {
public:
    explicit ProfileParser(std::string path) { profile_.path = std::move(path); }

    Profile Parse(const json& document) {
        ObjectFields fields(document, "");
        if (const auto description = fields.Optional("description")) {
            profile_.description = detail::ReadString(*description, fields.PathOf("description"));
        }
        if (const auto revision = fields.Optional("revision")) {
            revision_ = detail::ReadUnsigned32(*revision, fields.PathOf("revision"));
        }
        const json& packages = fields.Required("packages");
        const std::string packagesPath = fields.PathOf("packages");
        if (ExpectArray(packages, packagesPath).empty()) {
            throw FieldError(packagesPath, "expected at least one package");
        }
        for (std::size_t i = 0; i < packages.size(); ++i) {
            ReadPackage(packages[i], detail::JoinIndex(packagesPath, i), static_cast<std::int32_t>(i));
        }
        profile_.packageCount = static_cast<std::int32_t>(packages.size());
        ReadSystemCounts(fields);
        if (const auto pci = fields.Optional("pci")) {
            ReadPci(*pci, fields.PathOf("pci"));
        }
        if (const auto faults = fields.Optional("faults")) {
            ReadSystemFaults(*faults, fields.PathOf("faults"));
        }
        fields.RejectUnknownKeys();
        return std::move(profile_);
    }

private:
    void ReadPackage(const json& value, const std::string& path, std::int32_t index) {
        ObjectFields fields(value, path);
        const std::int32_t already = profile_.ProcessorCount();
        const std::int32_t count =
            detail::ReadCount(fields.Required("logicalProcessors"), fields.PathOf("logicalProcessors"), 1,
                              kMaxLogicalProcessors);
        if (count > kMaxLogicalProcessors - already) {
            throw FieldError(fields.PathOf("logicalProcessors"),
                             "out of range: at most " + std::to_string(kMaxLogicalProcessors) +
                                 " logical processors in all packages together");
        }
        Description base;
        base.processor.package = index;
        base.processor.revision = revision_;
        ApplyDescription(fields, &base, false);

        std::vector<bool> absent(static_cast<std::size_t>(count), false);
        if (const auto list = fields.Optional("absent")) {
            const std::string listPath = fields.PathOf("absent");
            for (std::size_t i = 0; i < ExpectArray(*list, listPath).size(); ++i) {
                const std::string itemPath = detail::JoinIndex(listPath, i);
                const std::int32_t position = detail::ReadCount((*list)[i], itemPath, 1, count);
                if (absent[static_cast<std::size_t>(position - 1)]) {
                    throw FieldError(itemPath, "duplicate position");
                }
                absent[static_cast<std::size_t>(position - 1)] = true;
            }
        }
        std::map<std::int32_t, Description> overrides;
        if (const auto map = fields.Optional("processors")) {
            const std::string mapPath = fields.PathOf("processors");
            for (const auto item : ExpectObject(*map, mapPath).items()) {
                const std::string itemPath = detail::JoinKey(mapPath, item.key());
                const auto position =
                    detail::ReadKeyNumber(item.key(), itemPath, static_cast<std::uint64_t>(count));
                if (position == 0) {
                    throw FieldError(itemPath, "out of range: positions count from 1");
                }
                if (overrides.count(static_cast<std::int32_t>(position)) != 0) {
                    throw FieldError(itemPath, "duplicate position");
                }
                Description described = base;
                ObjectFields overrideFields(item.value(), itemPath);
                ApplyDescription(overrideFields, &described, true);
                overrideFields.RejectUnknownKeys();
                overrides.emplace(static_cast<std::int32_t>(position), std::move(described));
            }
        }
        fields.RejectUnknownKeys();

        for (std::int32_t position = 1; position <= count; ++position) {
            const auto found = overrides.find(position);
            Description described = found == overrides.end() ? base : found->second;
            Processor& processor = described.processor;
            processor.number = already + position;
            processor.present = !absent[static_cast<std::size_t>(position - 1)];
            if (!described.brandGiven) {
                processor.brand = BrandFromCpuid(processor);
            }
            profile_.processors.push_back(std::move(processor));
        }
    }

    void ReadSystemCounts(ObjectFields& fields) {
        const auto counts = fields.Optional("systemCounts");
        if (!counts) {
            profile_.systemCounts.fill(profile_.ProcessorCount());
            return;
        }
        const std::string path = fields.PathOf("systemCounts");
        if (!counts->is_array() || counts->size() != profile_.systemCounts.size()) {
            throw FieldError(path, "expected an array of three counts");
        }
        for (std::size_t i = 0; i < profile_.systemCounts.size(); ++i) {
            profile_.systemCounts[i] =
                detail::ReadCount((*counts)[i], detail::JoinIndex(path, i), 0, 0x7FFFFFFF);
        }
    }

    static PciAddressKey ReadPciAddress(ObjectFields& fields) {
        PciAddressKey address;
        if (const auto bus = fields.Optional("bus")) {
            address.bus = detail::ReadCount(*bus, fields.PathOf("bus"), 0, 255);
        }
        address.device = detail::ReadCount(fields.Required("device"), fields.PathOf("device"), 0, 31);
        if (const auto function = fields.Optional("function")) {
            address.function = detail::ReadCount(*function, fields.PathOf("function"), 0, 7);
        }
        return address;
    }

    static std::int32_t ReadRegisterOffset(std::uint64_t offset, const std::string& path) {
        if (offset % 4 != 0 || offset > kPciConfigSpaceBytes - 4) {
            throw FieldError(path, "out of range: a register offset is a multiple of 4 from 0x0 to 0xFFC");
        }
        return static_cast<std::int32_t>(offset);
    }

    static std::string DescribeAddress(const PciAddressKey& address) {
        return std::to_string(address.bus) + ":" + std::to_string(address.device) + "." +
               std::to_string(address.function);
    }

    void ReadPci(const json& list, const std::string& path) {
        std::map<PciAddressKey, std::size_t> seen;
        for (std::size_t i = 0; i < ExpectArray(list, path).size(); ++i) {
            ObjectFields fields(list[i], detail::JoinIndex(path, i));
            PciDevice device;
            device.address = ReadPciAddress(fields);
            if (const auto registers = fields.Optional("registers")) {
                const std::string registersPath = fields.PathOf("registers");
                for (const auto item : ExpectObject(*registers, registersPath).items()) {
                    const std::string itemPath = detail::JoinKey(registersPath, item.key());
                    const std::int32_t offset = ReadRegisterOffset(
                        detail::ReadKeyNumber(item.key(), itemPath, 0xFFFFFFFFu), itemPath);
                    if (device.registers.count(offset) != 0) {
                        throw FieldError(itemPath, "duplicate register offset");
                    }
                    device.registers[offset] = detail::ReadUnsigned32(item.value(), itemPath);
                }
            }
            fields.RejectUnknownKeys();
            if (const auto earlier = seen.find(device.address); earlier != seen.end()) {
                throw FieldError(fields.path(), "duplicate device " + DescribeAddress(device.address) +
                                                    " (also at " + detail::JoinIndex(path, earlier->second) +
                                                    ")");
            }
            seen.emplace(device.address, i);
            profile_.pci.emplace(device.address, std::move(device));
        }
    }

    void ReadSystemFaults(const json& value, const std::string& path) {
        ObjectFields fields(value, path);
        SystemFaults& faults = profile_.faults;
        OptionalCode(fields, "processorCount", &faults.processorCount);
        OptionalCode(fields, "systemCounts", &faults.systemCounts);
        OptionalCode(fields, "processorAccessInterface", &faults.processorAccessInterface);
        OptionalCode(fields, "registerFieldsInterface", &faults.registerFieldsInterface);
        OptionalCode(fields, "pciConfigInterface", &faults.pciConfigInterface);
        if (const auto list = fields.Optional("pci")) {
            const std::string listPath = fields.PathOf("pci");
            for (std::size_t i = 0; i < ExpectArray(*list, listPath).size(); ++i) {
                ObjectFields entry((*list)[i], detail::JoinIndex(listPath, i));
                PciFaultKey key;
                key.address = ReadPciAddress(entry);
                key.offset = detail::ReadCount(entry.Required("offset"), entry.PathOf("offset"), 0,
                                               kPciConfigSpaceBytes - 1);
                const std::int32_t code =
                    detail::ReadCode(entry.Required("code"), entry.PathOf("code"), false);
                entry.RejectUnknownKeys();
                if (!faults.pci.emplace(key, code).second) {
                    throw FieldError(entry.path(), "duplicate fault for this register");
                }
            }
        }
        fields.RejectUnknownKeys();
    }

    Profile profile_;
    std::uint32_t revision_ = 0;
};

LoadError Malformed(const std::string& path, std::string field, std::string problem) {
    return LoadError{LoadError::Kind::kMalformed, path, std::move(field), std::move(problem)};
}

}  // namespace

LoadResult ParseProfile(std::string_view text, const std::string& path) {
    try {
        detail::JsonDocument document;
        detail::JsonProblem problem;
        if (!detail::ReadJsonDocument(text, &document, &problem)) {
            return Malformed(path, problem.field, problem.problem);
        }
        return ProfileParser(path).Parse(document.Root());
    } catch (const FieldError& error) {
        return Malformed(path, error.field(), error.what());
    } catch (const std::bad_alloc&) {
        return Malformed(path, "", "out of memory while reading the profile");
    } catch (const std::exception& error) {
        return Malformed(path, "", std::string("cannot be read: ") + error.what());
    } catch (...) {
        return Malformed(path, "", "cannot be read");
    }
}

LoadResult LoadProfile(const std::string& path) {
    try {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            return LoadError{LoadError::Kind::kUnreadable, path, "", "cannot open: is a directory"};
        }
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            const int cause = errno;
            return LoadError{LoadError::Kind::kUnreadable, path, "",
                             std::string("cannot open: ") + std::strerror(cause)};
        }
        std::string text;
        // One allocation for the whole file, not a doubling copy per chunk.
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(path, sizeError);
        if (!sizeError) {
            text.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxFileBytes + 1)));
        }
        char buffer[65536];
        while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
            text.append(buffer, static_cast<std::size_t>(file.gcount()));
            if (text.size() > kMaxFileBytes) {
                return Malformed(path, "",
                                 "larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MiB");
            }
        }
        if (file.bad()) {
            return LoadError{LoadError::Kind::kUnreadable, path, "", "cannot be read"};
        }
        return ParseProfile(text, path);
    } catch (...) {
        return LoadError{LoadError::Kind::kUnreadable, path, "", "cannot be read"};
    }
}

}  // namespace sondrel::profile
