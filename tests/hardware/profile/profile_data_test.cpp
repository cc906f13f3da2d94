// ProfileData.so through its export and interfaces, loaded as a processor
// module loads it.
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "profile_test_support.h"
#include "sondrel/data_module_interfaces.h"
#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"
#include "sondrel/result_codes.h"

namespace sondrel {
namespace {

using ::testing::HasSubstr;

constexpr const char* kProfileVariable = "SONDREL_PROFILE";
const std::string kLibraryPath = SONDREL_OUTPUT_DIR "/ProfileData.so";
constexpr std::uint32_t kVendor = 0x5A17;

// An interface pointer that drops its reference when it goes.
template <typename Interface>
class Held {
public:
    Held() = default;
    explicit Held(void* pointer) : pointer_(static_cast<Interface*>(pointer)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (pointer_ != nullptr) {
            pointer_->DropReference();
        }
    }
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

std::string WriteProfile(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + "/" + name + ".json";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// ProfileData.so loaded afresh for one profile.
class DataModule {
public:
    explicit DataModule(const std::string& profilePath) {
        ::setenv(kProfileVariable, profilePath.c_str(), 1);
        handle_ = ::dlopen(kLibraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            ADD_FAILURE() << ::dlerror();
            return;
        }
        entry_ = reinterpret_cast<GetDataModuleInterfaceFunction>(::dlsym(handle_, export_name::kDataModule));
        EXPECT_NE(entry_, nullptr);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    ~DataModule() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
        ::unsetenv(kProfileVariable);
    }

    ResultCode Get(std::int32_t id, void** out) const {
        return entry_ == nullptr ? -1 : entry_(handle_, id, out);
    }

    template <typename Interface>
    Interface* Obtain(std::int32_t id) const {
        void* out = nullptr;
        EXPECT_EQ(Get(id, &out), result::kSuccess);
        return static_cast<Interface*>(out);
    }

private:
    void* handle_ = nullptr;
    GetDataModuleInterfaceFunction entry_ = nullptr;
};

// A data module with its three interfaces obtained for one profile.
struct Session {
    explicit Session(const std::string& profilePath)
        : module(profilePath),
          access(module.Obtain<IProcessorAccess>(interface_id::kProcessorAccess)),
          pci(module.Obtain<IPciConfig>(interface_id::kPciConfig)),
          fields(LookupFields(access.get())) {}

    static void* LookupFields(IProcessorAccess* access) {
        void* out = nullptr;
        if (access != nullptr) {
            EXPECT_EQ(access->LookupInterface(interface_id::kRegisterFields, &out), result::kSuccess);
        }
        return out;
    }

    DataModule module;
    Held<IProcessorAccess> access;
    Held<IPciConfig> pci;
    Held<IRegisterFields> fields;
};

Session Desktop() {
    return Session(profile::testing::kDesktopFixture);
}

std::string Profile(const std::string& name, const std::string& text) {
    return WriteProfile(name, text);
}

// A register-field list as a processor module builds it.
class FieldList {
public:
    struct FieldRequest {
        std::string name;
        std::uint32_t msr;
        std::int32_t lowBit;
        std::int32_t width;
    };

    explicit FieldList(const std::vector<FieldRequest>& requests) {
        for (const FieldRequest& request : requests) {
            Entry& entry = entries_.emplace_back();
            entry.name = request.name;
            entry.bits = BitRecord{request.lowBit, request.width, 0};
            entry.reg = RegisterRecord{request.msr, &entry.bits, 0};
            entry.node = RegisterFieldNode{0, entry.name.data(), 0xDEADu, 0, &entry.reg, nullptr, 0};
        }
        for (std::size_t i = 0; i + 1 < entries_.size(); ++i) {
            entries_[i].node.next = &entries_[i + 1].node;
        }
        header_.first = entries_.empty() ? nullptr : &entries_.front().node;
    }

    RegisterFieldList* header() { return &header_; }
    RegisterFieldNode& node(std::size_t i) { return entries_[i].node; }

private:
    struct Entry {
        std::string name;
        BitRecord bits{};
        RegisterRecord reg{};
        RegisterFieldNode node{};
    };
    std::deque<Entry> entries_;  // stable addresses
    RegisterFieldList header_{nullptr, -1, -1, -1, 0};
};

TEST(DataModuleExport, HandsOutTheInterfacesByIdOnly) {
    DataModule module(profile::testing::kDesktopFixture);
    EXPECT_EQ(module.Get(interface_id::kProcessorAccess, nullptr), result::kNullArgument);
    for (const std::int32_t id : {interface_id::kRegisterFields, interface_id::kRoot, 0, -1}) {
        void* out = &out;
        EXPECT_EQ(module.Get(id, &out), result::kInterfaceNotImplemented) << id;
        EXPECT_EQ(out, nullptr);
    }
    Held<IProcessorAccess> access(module.Obtain<IProcessorAccess>(interface_id::kProcessorAccess));
    ASSERT_NE(access.get(), nullptr);
    EXPECT_EQ(access->AddReference(), 2);
    EXPECT_EQ(access->DropReference(), 0);
    void* out = &out;
    EXPECT_EQ(access->LookupInterface(interface_id::kPciConfig, &out), result::kInterfaceNotImplemented);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(access->LookupInterface(interface_id::kRegisterFields, nullptr), result::kNullArgument);
    Held<IPciConfig> pci(module.Obtain<IPciConfig>(interface_id::kPciConfig));
    ASSERT_NE(pci.get(), nullptr);
    EXPECT_EQ(pci->Reserved3(), result::kReservedSlot);
    EXPECT_EQ(access->Reserved8(), result::kReservedSlot);
}

TEST(ProcessorAccess, AnswersFromTheDesktopProfile) {
    Session session = Desktop();
    IProcessorAccess* access = session.access.get();
    std::int32_t count = 0;
    ASSERT_EQ(access->GetProcessorCount(&count), result::kSuccess);
    EXPECT_EQ(count, 8);
    std::int32_t present = 0;
    EXPECT_EQ(access->GetPresence(8, &present), result::kSuccess);
    EXPECT_EQ(present, 1);

    CpuidRegisters registers{};
    ASSERT_EQ(access->RunCpuid(1, 0, 0, &registers), result::kSuccess);
    EXPECT_EQ(registers.eax, 0x16u);
    ASSERT_EQ(access->RunCpuid(3, 1, 1, &registers), result::kSuccess);
    EXPECT_EQ(registers.eax, 0x000906E9u);
    // Sub-leaf from ECX; EBX and EDX inputs make no difference.
    ASSERT_EQ(access->RunCpuidWithInputs(1, 4, 0x12345678u, 1, 0x9ABCDEF0u, 0x16, &registers),
              result::kSuccess);
    EXPECT_EQ(registers.eax, 0x0C004122u);
    ASSERT_EQ(access->RunCpuidWithInputs(1, 0xB, 0, 1, 0, 0x16, &registers), result::kSuccess);
    EXPECT_EQ(registers.ebx, 8u);
    ASSERT_EQ(access->RunCpuid(1, 4, 0x16, &registers), result::kSuccess);  // sub-leaf 0
    EXPECT_EQ(registers.eax, 0x0C004121u);
    // Unlisted leaf and sub-leaf: zeros.
    registers = CpuidRegisters{1, 1, 1, 1};
    ASSERT_EQ(access->RunCpuidWithInputs(1, 4, 0, 9, 0, 0x16, &registers), result::kSuccess);
    EXPECT_EQ(registers.eax | registers.ebx | registers.ecx | registers.edx, 0u);

    char brand[61];
    std::memset(brand, 'x', sizeof brand);
    ASSERT_EQ(access->GetBrandString(2, brand), result::kSuccess);
    EXPECT_STREQ(brand, "Quarn(R) Vantor(TM) i7-7789K CPU @ 4.20GHz");

    std::int32_t first = 0, second = 0, third = 0;
    ASSERT_EQ(access->GetSystemCounts(&first, &second, &third), result::kSuccess);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 8);
    EXPECT_EQ(third, 4);
}

TEST(ProcessorAccess, RefusesNullOutputsAndProcessorsOutOfRange) {
    Session session = Desktop();
    IProcessorAccess* access = session.access.get();
    std::int32_t value = 0;
    CpuidRegisters registers{};
    char brand[61];
    float cpu = 0, bus = 0;
    EXPECT_EQ(access->GetProcessorCount(nullptr), result::kNullArgument);
    EXPECT_EQ(access->GetPresence(1, nullptr), result::kNullArgument);
    EXPECT_EQ(access->GetBrandString(1, nullptr), result::kNullArgument);
    EXPECT_EQ(access->RunCpuid(1, 0, 0, nullptr), result::kNullArgument);
    EXPECT_EQ(access->MeasureFrequencies(1, 0, 1, &cpu, nullptr, nullptr, 0), result::kNullArgument);
    EXPECT_EQ(access->MeasureProcessorFrequency(1, 0, 1, nullptr, nullptr, 0), result::kNullArgument);
    EXPECT_EQ(access->GetSystemCounts(&value, nullptr, &value), result::kNullArgument);
    for (const std::int32_t processor : {0, -1, 9, 0x7FFFFFFF}) {
        EXPECT_EQ(access->GetPresence(processor, &value), result::kProcessorOutOfRange);
        EXPECT_EQ(access->GetBrandString(processor, brand), result::kProcessorOutOfRange);
        EXPECT_EQ(access->RunCpuid(processor, 0, 0, &registers), result::kProcessorOutOfRange);
        EXPECT_EQ(access->RunCpuidWithInputs(processor, 0, 0, 0, 0, 0, &registers),
                  result::kProcessorOutOfRange);
        EXPECT_EQ(access->MeasureFrequencies(processor, 0, 1, &cpu, &bus, nullptr, 0),
                  result::kProcessorOutOfRange);
        EXPECT_EQ(access->MeasureProcessorFrequency(processor, 0, 1, &cpu, nullptr, 0),
                  result::kProcessorOutOfRange);
        RegisterFieldList list{nullptr, 0, 0, 0, 0};
        EXPECT_EQ(session.fields->ReadRegisterFields(processor, &list), result::kProcessorOutOfRange);
        std::uint32_t pciValue = 0;
        EXPECT_EQ(session.pci->ReadByAddress(processor, 0, kVendor, 31, 0, 0, 4, &pciValue),
                  result::kProcessorOutOfRange);
    }
}

TEST(ProcessorAccess, AbsentProcessorReportsAbsenceAndRunsNothing) {
    Session session(Profile("absent", R"({"packages": [
        {"logicalProcessors": 2, "absent": [2], "measurements": [{"cpuMHz": 1}]}]})"));
    std::int32_t present = 7;
    ASSERT_EQ(session.access->GetPresence(2, &present), result::kSuccess);
    EXPECT_EQ(present, 0);
    CpuidRegisters registers{};
    char brand[61];
    float cpu = 0, bus = 0;
    RegisterFieldList list{nullptr, 0, 0, 0, 0};
    EXPECT_EQ(session.access->RunCpuid(2, 0, 0, &registers), result::kProcessorNotPresent);
    EXPECT_EQ(session.access->GetBrandString(2, brand), result::kProcessorNotPresent);
    EXPECT_EQ(session.access->MeasureFrequencies(2, 0, 1, &cpu, &bus, nullptr, 0),
              result::kProcessorNotPresent);
    EXPECT_EQ(session.fields->ReadRegisterFields(2, &list), result::kProcessorNotPresent);
    EXPECT_EQ(session.access->RunCpuid(1, 0, 0, &registers), result::kSuccess);
}

TEST(ProcessorAccess, BrandStringIsCutToSixtyCharactersAndTerminated) {
    const std::string longBrand(75, 'B');
    Session session(Profile("long_brand",
                            R"({"packages": [{"logicalProcessors": 1, "brand": ")" + longBrand + R"("}]})"));
    char brand[62];
    std::memset(brand, 'x', sizeof brand);
    ASSERT_EQ(session.access->GetBrandString(1, brand), result::kSuccess);
    EXPECT_EQ(std::string(brand), std::string(60, 'B'));
    EXPECT_EQ(brand[61], 'x');  // nothing written past text[61]
}

TEST(Measurement, NthCallReturnsNthEntryPerProcessorAndTheLastRepeats) {
    Session session(Profile("sequence", R"({"packages": [{"logicalProcessors": 2, "measurements": [
        {"cpuMHz": 3395.0, "busMHz": 99.8}, {"cpuMHz": 3400.5}, {"cpuMHz": 3365.25, "busMHz": 100.0}]}]})"));
    IProcessorAccess* access = session.access.get();
    float cpu = 0, bus = -1;
    ASSERT_EQ(access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 3395.0f);
    EXPECT_FLOAT_EQ(bus, 99.8f);
    std::int32_t aux = 1;
    // Slots 9 and 10 share one sequence.
    ASSERT_EQ(access->MeasureProcessorFrequency(1, 500, 20, &cpu, &aux, 0), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 3400.5f);
    EXPECT_EQ(aux, 1);
    for (int repeat = 0; repeat < 3; ++repeat) {
        ASSERT_EQ(access->MeasureFrequencies(1, 0, 20, &cpu, &bus, &aux, 0), result::kSuccess);
        EXPECT_FLOAT_EQ(cpu, 3365.25f);
        EXPECT_FLOAT_EQ(bus, 100.0f);
    }
    // Processor 2 has its own position.
    ASSERT_EQ(access->MeasureFrequencies(2, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 3395.0f);
}

TEST(Measurement, FailingEntryFailsThatCallOnlyAndOutputsStayUntouched) {
    Session session(Profile("failing_entry", R"({"packages": [
        {"logicalProcessors": 1, "measurements": [{"cpuMHz": 1000}, {"fail": "0x80041F40"}, {"cpuMHz": 2000}]},
        {"logicalProcessors": 1}]})"));
    float cpu = 0, bus = 0;
    ASSERT_EQ(session.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
    cpu = -1;
    bus = -1;
    EXPECT_EQ(session.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0),
              result::kUnexpectedFailure);
    EXPECT_EQ(cpu, -1);
    EXPECT_EQ(bus, -1);
    ASSERT_EQ(session.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 2000.0f);
    // No measurements described: the call fails.
    EXPECT_EQ(session.access->MeasureFrequencies(2, 0, 1, &cpu, &bus, nullptr, 0),
              result::kUnexpectedFailure);
}

TEST(DataModuleLifetime, UnloadingForgetsTheMeasurementPosition) {
    const std::string path = Profile("reload", R"({"packages": [{"logicalProcessors": 1, "measurements": [
        {"cpuMHz": 1111}, {"cpuMHz": 2222}]}]})");
    float cpu = 0, bus = 0;
    {
        Session session(path);
        ASSERT_EQ(session.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
        ASSERT_EQ(session.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
        EXPECT_FLOAT_EQ(cpu, 2222.0f);
    }
    EXPECT_EQ(::dlopen(kLibraryPath.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr)
        << "still loaded after dlclose";
    Session again(path);
    ASSERT_EQ(again.access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 1111.0f);
}

TEST(DataModuleLifetime, BrokenProfileFailsEveryRequestAndIsReportedOnce) {
    const std::string path = Profile("broken", R"({"packages": [{"logicalProcessors": 1,
        "cpuid": [{"leaf": 1, "eax": "0x1FFFFFFFF"}]}]})");
    ::testing::internal::CaptureStderr();
    {
        DataModule module(path);
        void* out = &out;
        EXPECT_EQ(module.Get(interface_id::kProcessorAccess, &out), result::kUnexpectedFailure);
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(module.Get(interface_id::kPciConfig, &out), result::kUnexpectedFailure);
    }
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(written,
              "ProfileData: " + path + ": packages[0].cpuid[0].eax: out of range: at most 0xFFFFFFFF\n");
}

TEST(DataModuleLifetime, MissingProfileIsFileNotFound) {
    const std::string path = ::testing::TempDir() + "/no_such_profile.json";
    ::testing::internal::CaptureStderr();
    {
        DataModule module(path);
        void* out = nullptr;
        EXPECT_EQ(module.Get(interface_id::kProcessorAccess, &out), result::kFileNotFound);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "ProfileData: " + path + ": cannot open: No such file or directory\n");
}

// Every MSR value 0xFFFFFFFFFFFFFFFF except 0x10 (bit 63 only) and 0x11 (bit 0 only).
const char* const kBitEdgeProfile = R"({"revision": "0x8400001F", "packages": [{"logicalProcessors": 1,
    "msr": {"0x10": "0x8000000000000000", "0x11": 1, "0x12": "0xFEDCBA9876543210"}}]})";

TEST(RegisterFields, ReadsEachFieldShiftedDownAndFillsTheHeader) {
    Session session(Profile("bit_edges", kBitEdgeProfile));
    FieldList list({
        {"Bit63", 0x10, 63, 1},          // 0
        {"WholeRegister", 0x12, 0, 64},  // 1
        {"TopNibble", 0x12, 60, 4},      // 2
        {"Middle", 0x12, 8, 16},         // 3
        {"LowBit", 0x11, 0, 1},          // 4
        {"TooWide", 0x12, 1, 64},        // 5: runs past bit 63
        {"LowBit64", 0x12, 64, 1},       // 6
        {"WidthZero", 0x12, 0, 0},       // 7
        {"NegativeLow", 0x12, -1, 2},    // 8
        {"NoSuchMsr", 0x99, 0, 8},       // 9
    });
    ASSERT_EQ(session.fields->ReadRegisterFields(1, list.header()), result::kSuccess);
    EXPECT_EQ(list.header()->revision, static_cast<std::int32_t>(0x8400001Fu));
    EXPECT_EQ(list.header()->errorCode, 0);
    EXPECT_EQ(list.header()->revisionUnavailable, 0);
    const std::uint64_t expected[] = {1, 0xFEDCBA9876543210ull, 0xF, 0x5432, 1};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_NE(list.node(i).readFlag, 0) << list.node(i).name;
        EXPECT_EQ(list.node(i).value, expected[i]) << list.node(i).name;
    }
    for (std::size_t i = std::size(expected); i < 10; ++i) {
        EXPECT_EQ(list.node(i).readFlag, 0) << list.node(i).name;
        EXPECT_EQ(list.node(i).value, 0xDEADu) << list.node(i).name;
    }
}

TEST(RegisterFields, EmptyNullAndRecordlessLists) {
    Session session(Profile("lists", kBitEdgeProfile));
    EXPECT_EQ(session.fields->ReadRegisterFields(1, nullptr), result::kNullArgument);
    RegisterFieldList empty{nullptr, 0, 0, 0, 0};
    ASSERT_EQ(session.fields->ReadRegisterFields(1, &empty), result::kSuccess);
    EXPECT_EQ(empty.revision, static_cast<std::int32_t>(0x8400001Fu));
    FieldList list({{"NoRecord", 0x11, 0, 1}, {"NoBits", 0x11, 0, 1}});
    list.node(0).reg = nullptr;
    list.node(1).reg->bits = nullptr;
    ASSERT_EQ(session.fields->ReadRegisterFields(1, list.header()), result::kSuccess);
    EXPECT_EQ(list.node(0).readFlag, 0);
    EXPECT_EQ(list.node(1).readFlag, 0);
    EXPECT_EQ(session.fields->Reserved3(), result::kReservedSlot);
    EXPECT_EQ(session.fields->Reserved4(), result::kReservedSlot);
}

TEST(RegisterFields, CircularListEndsWithAFailure) {
    Session session(Profile("circular", kBitEdgeProfile));
    FieldList list({{"A", 0x11, 0, 1}, {"B", 0x11, 0, 1}});
    list.node(1).next = &list.node(0);
    EXPECT_EQ(session.fields->ReadRegisterFields(1, list.header()), result::kUnexpectedFailure);
    EXPECT_NE(list.node(0).readFlag, 0);
}

TEST(RegisterFields, DesktopFieldsOfTheCurrentGeneration) {
    Session session = Desktop();
    FieldList list({{"CoreCount", 0x35, 16, 16},
                    {"ThreadCount", 0x35, 0, 16},
                    {"MaxFSBRatio", 0xCE, 8, 8},
                    {"EQRTEnabled", 0x1A0, 16, 1},
                    {"BaseTDP", 0x614, 0, 15},
                    {"TDPPowerUnit", 0x606, 0, 8},
                    {"EPTEnabled", 0x48B, 33, 1}});
    ASSERT_EQ(session.fields->ReadRegisterFields(1, list.header()), result::kSuccess);
    const std::uint64_t expected[] = {4, 8, 42, 1, 728, 3, 1};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_NE(list.node(i).readFlag, 0) << list.node(i).name;
        EXPECT_EQ(list.node(i).value, expected[i]) << list.node(i).name;
    }
    EXPECT_EQ(list.header()->revision, 0xB4);
}

TEST(PciConfig, ReadsConfigurationRegistersOfTheProfile) {
    Session session = Desktop();
    IPciConfig* pci = session.pci.get();
    std::uint32_t value = 3;
    // Offset 2 spans the device identifier and the low half of the next register.
    ASSERT_EQ(pci->ReadByAddress(1, 0, kVendor, 31, 0, 2, 4, &value), result::kSuccess);
    EXPECT_EQ(value, 0x00075D31u);
    ASSERT_EQ(pci->ReadByDevice(1, kVendor, 2, 0, 0, 4, nullptr, &value), result::kSuccess);
    EXPECT_EQ(value, 0x5C055A17u);
    PciAddress record{0, static_cast<std::int32_t>(kVendor), 0, 0, 0x54, 4};
    ASSERT_EQ(pci->ReadByDevice(1, kVendor, 0, 0, 0x54, 4, &record, &value), result::kSuccess);
    EXPECT_EQ(value, 0x11u);
    ASSERT_EQ(pci->ReadByAddress(1, 0, kVendor, 0, 0, 0x80, 4, &value), result::kSuccess);
    EXPECT_EQ(value, 0u) << "unlisted register of a present device";
    ASSERT_EQ(pci->ReadByAddress(1, 0, kVendor, 0, 0, 3, 1, &value), result::kSuccess);
    EXPECT_EQ(value, 0x5Bu);
    ASSERT_EQ(pci->ReadByAddress(1, 0, kVendor, 0, 0, 2, 2, &value), result::kSuccess);
    EXPECT_EQ(value, 0x5B1Fu);
    ASSERT_EQ(pci->ReadByAddress(1, 0, 0xFFFF, 31, 0, 0, 4, &value), result::kSuccess);
    EXPECT_EQ(value, 0x5D315A17u) << "vendor 0xFFFF accepts any device";
}

TEST(PciConfig, AbsentDevicesReadAllOnesAndBadRequestsFailWithoutWriting) {
    Session session = Desktop();
    IPciConfig* pci = session.pci.get();
    std::uint32_t value = 0;
    ASSERT_EQ(pci->ReadByDevice(1, kVendor, 1, 0, 0x80, 4, nullptr, &value), result::kSuccess);
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_EQ(pci->ReadByAddress(1, 3, kVendor, 0, 0, 0, 2, &value), result::kSuccess);
    EXPECT_EQ(value, 0xFFFFu);

    struct Bad {
        std::int32_t bus, vendor, device, function, offset, size;
    };
    const Bad bad[] = {
        {0, 0x1234, 31, 0, 0, 4},  // another vendor's device
        {0, static_cast<std::int32_t>(kVendor), 31, 0, 0, 3},
        {0, static_cast<std::int32_t>(kVendor), 31, 0, 0, 8},
        {0, static_cast<std::int32_t>(kVendor), 31, 0, 0, 0},
        {0, static_cast<std::int32_t>(kVendor), 31, 0, -4, 4},
        {0, static_cast<std::int32_t>(kVendor), 31, 0, 0xFFE, 4},
        {256, static_cast<std::int32_t>(kVendor), 0, 0, 0, 4},
        {0, static_cast<std::int32_t>(kVendor), 32, 0, 0, 4},
        {0, static_cast<std::int32_t>(kVendor), 0, 8, 0, 4},
    };
    for (const Bad& b : bad) {
        value = 0x600D;
        EXPECT_EQ(pci->ReadByAddress(1, b.bus, b.vendor, b.device, b.function, b.offset, b.size, &value),
                  result::kUnexpectedFailure)
            << b.bus << ":" << b.device << "." << b.function << " offset " << b.offset << " size " << b.size;
        EXPECT_EQ(value, 0x600Du);
    }
    EXPECT_EQ(pci->ReadByAddress(1, 0, kVendor, 31, 0, 0, 4, nullptr), result::kNullArgument);
    EXPECT_EQ(pci->ReadByDevice(1, kVendor, 31, 0, 0, 4, nullptr, nullptr), result::kNullArgument);
}

const char* const kFaultProfile = R"({
  "packages": [{"logicalProcessors": 1,
      "cpuid": [{"leaf": 4, "subleaf": 1, "eax": 1}],
      "msr": {"0x35": "0x00040008", "0x199": "0x100002A00"},
      "measurements": [{"cpuMHz": 1000}],
      "faults": {"presence": 1, "brand": 2, "measurement": 3,
                 "cpuid": [{"leaf": 4, "subleaf": 1, "code": 4}, {"leaf": 6, "code": 6}]}},
    {"logicalProcessors": 1,
      "msr": {"0x35": "0x00040008", "0x199": "0x100002A00"},
      "faults": {"unreadFields": ["CoreCount", "TurboDisable"], "listErrorCode": 5, "revisionUnavailable": true}},
    {"logicalProcessors": 1, "faults": {"registerFields": "0x80041F40", "listErrorCode": 9}}],
  "pci": [{"device": 31, "registers": {"0x0": "0x5D315A17"}}],
  "faults": {"systemCounts": 11, "pci": [{"device": 31, "offset": 2, "code": 12}]}
})";

TEST(Faults, ProcessorOperationsFailWithTheGivenCodes) {
    Session session(Profile("faults", kFaultProfile));
    IProcessorAccess* access = session.access.get();
    std::int32_t value = 0;
    char brand[61];
    float cpu = 0, bus = 0;
    CpuidRegisters registers{};
    EXPECT_EQ(access->GetPresence(1, &value), 1);
    EXPECT_EQ(access->GetBrandString(1, brand), 2);
    EXPECT_EQ(access->MeasureFrequencies(1, 0, 1, &cpu, &bus, nullptr, 0), 3);
    EXPECT_EQ(access->MeasureProcessorFrequency(1, 0, 1, &cpu, nullptr, 0), 3);
    EXPECT_EQ(access->RunCpuidWithInputs(1, 4, 0, 1, 0, 0, &registers), 4);
    EXPECT_EQ(access->RunCpuidWithInputs(1, 4, 0, 0, 0, 0, &registers), result::kSuccess);
    EXPECT_EQ(access->RunCpuid(1, 6, 6, &registers), 6);
    EXPECT_EQ(access->RunCpuidWithInputs(1, 6, 0, 3, 0, 0, &registers), 6) << "every sub-leaf of leaf 6";
    EXPECT_EQ(access->GetSystemCounts(&value, &value, &value), 11);
    // Faults belong to their processor.
    EXPECT_EQ(access->GetPresence(2, &value), result::kSuccess);
    EXPECT_EQ(access->RunCpuid(2, 6, 6, &registers), result::kSuccess);

    std::uint32_t pciValue = 0x77;
    EXPECT_EQ(session.pci->ReadByAddress(1, 0, kVendor, 31, 0, 2, 4, &pciValue), 12);
    EXPECT_EQ(pciValue, 0x77u);
    EXPECT_EQ(session.pci->ReadByAddress(1, 0, kVendor, 31, 0, 0, 4, &pciValue), result::kSuccess);
}

TEST(Faults, RegisterFieldsLeftUnreadAndHeaderFaults) {
    Session session(Profile("field_faults", kFaultProfile));
    FieldList list(
        {{"CoreCount", 0x35, 16, 16}, {"ThreadCount", 0x35, 0, 16}, {"TurboDisable", 0x199, 32, 1}});
    ASSERT_EQ(session.fields->ReadRegisterFields(2, list.header()), result::kSuccess);
    EXPECT_EQ(list.node(0).readFlag, 0);
    EXPECT_NE(list.node(1).readFlag, 0);
    EXPECT_EQ(list.node(1).value, 8u);
    EXPECT_EQ(list.node(2).readFlag, 0);
    EXPECT_EQ(list.header()->errorCode, 5);
    EXPECT_EQ(list.header()->revisionUnavailable, 1);

    FieldList failing({{"ThreadCount", 0x35, 0, 16}});
    EXPECT_EQ(session.fields->ReadRegisterFields(3, failing.header()), result::kUnexpectedFailure);
    EXPECT_EQ(failing.header()->errorCode, 9) << "the header is filled even when the call fails";
    EXPECT_EQ(failing.node(0).readFlag, 0);
}

TEST(Faults, SystemWideFaultsOfCountAndInterfaces) {
    DataModule module(Profile("count_fault", R"({"packages": [{"logicalProcessors": 1}],
        "faults": {"processorCount": "0x80041F5A", "registerFieldsInterface": 7}})"));
    Held<IProcessorAccess> access(module.Obtain<IProcessorAccess>(interface_id::kProcessorAccess));
    ASSERT_NE(access.get(), nullptr);
    std::int32_t count = 0;
    EXPECT_EQ(access->GetProcessorCount(&count), result::kFileNotFound);
    void* out = &out;
    EXPECT_EQ(access->LookupInterface(interface_id::kRegisterFields, &out), 7);
    EXPECT_EQ(out, nullptr);
}

TEST(Faults, InterfacesRefusedByTheExport) {
    DataModule module(Profile("interface_faults", R"({"packages": [{"logicalProcessors": 1}],
        "faults": {"processorAccessInterface": "0x80041F4F", "pciConfigInterface": 8}})"));
    void* out = &out;
    EXPECT_EQ(module.Get(interface_id::kProcessorAccess, &out), result::kInterfaceUnavailable);
    EXPECT_EQ(out, nullptr);
    out = &out;
    EXPECT_EQ(module.Get(interface_id::kPciConfig, &out), 8);
    EXPECT_EQ(out, nullptr);
}

}  // namespace
}  // namespace sondrel
