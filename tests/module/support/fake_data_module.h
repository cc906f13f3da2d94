// A data module for in-process tests: answers IProcessorAccess,
// IRegisterFields and IPciConfig from scripted values, records what the
// module asked, and counts the references it hands out.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {

enum class DataOperation {
    kProcessorAccessInterface,  // GetDataModuleInterface(2000)
    kPciConfigInterface,        // GetDataModuleInterface(14000)
    kRegisterFieldsLookup,      // LookupInterface(3000) on IProcessorAccess
    kGetPresence,
    kGetBrandString,
    kGetProcessorCount,
    kGetSystemCounts,
    kMeasureFrequencies,
    kMeasureProcessorFrequency,
    kReadRegisterFields,
};

// One node as the module handed it over.
struct ListedField {
    std::int32_t fieldId;
    std::string name;
    std::uint32_t msr;
    std::int32_t lowBit;
    std::int32_t width;
};

struct MeasureCall {
    std::int32_t processor;
    std::int32_t mode;
    std::int32_t sampleCount;
    std::int32_t auxOutValue;  // what auxOut pointed to
    std::int32_t auxIn;
};

// A PCI configuration register: bus, device, function and offset.
struct PciRegister {
    std::int32_t bus;
    std::int32_t device;
    std::int32_t function;
    std::int32_t offset;
    auto operator<=>(const PciRegister&) const = default;
};

struct PciCall {
    bool byDevice;  // the read by device, else the read by address
    std::int32_t vendor;
    PciRegister reg;
    std::int32_t size;
    std::uint32_t preset;  // what the value output held
    PciAddress address{};  // the address record of a read by device
};

// What a scripted PCI read throws to stand for a fault inside the data module.
struct PciFault {};

// One answer of the measurement operations; code nonzero: the call fails.
struct Measurement {
    float cpuMHz;
    float busMHz;
    ResultCode code = 0;
};

struct CpuidCall {
    std::uint32_t leaf;
    std::uint32_t subleaf;
    std::uint32_t limit;
};

class FakeDataModule final : public IProcessorAccess, public IRegisterFields, public IPciConfig {
public:
    FakeDataModule();
    ~FakeDataModule();
    FakeDataModule(const FakeDataModule&) = delete;
    FakeDataModule& operator=(const FakeDataModule&) = delete;

    // Registers this object with the platform fake as library `name`, whose
    // GetDataModuleInterface answers from it.
    void Install(const std::string& name, platform::fake::FakeLibrary library = {});

    // ---- Script.
    std::int32_t processorCount = 4;
    std::set<std::int32_t> absentProcessors;
    std::string brandString;
    std::map<std::pair<std::uint32_t, std::uint32_t>, CpuidRegisters> cpuid;  // (leaf, sub-leaf)
    std::map<std::uint32_t, ResultCode> failingLeaves;
    std::map<std::int32_t, std::uint64_t> fieldValues;  // by field id; absent: 0
    std::set<std::string> unreadFields;                 // by name
    std::int32_t headerRevision = 0;
    std::int32_t headerErrorCode = 0;
    std::int32_t headerRevisionUnavailable = 0;
    float measuredCpuMHz = 0.0f;
    float measuredBusMHz = 0.0f;
    std::array<std::int32_t, 3> systemCounts{1, 1, 1};
    std::map<DataOperation, ResultCode> failures;

    // When not empty, the n-th measurement call answers the n-th entry (the
    // last repeats) instead of measuredCpuMHz and measuredBusMHz.
    std::vector<Measurement> measurements;
    // PCI: a register not listed reads 0.
    std::map<PciRegister, std::uint32_t> pciRegisters;
    std::map<PciRegister, ResultCode> pciFailures;
    std::set<PciRegister> pciFaults;  // reads that throw PciFault

    void SetLeaf(std::uint32_t leaf, CpuidRegisters registers, std::uint32_t subleaf = 0) {
        cpuid[{leaf, subleaf}] = registers;
    }

    // ---- Observations.
    std::int32_t OutstandingReferences() const { return references_; }
    std::vector<std::vector<ListedField>> registerLists;  // one per ReadRegisterFields call
    std::vector<MeasureCall> measureCalls;
    std::vector<CpuidCall> cpuidCalls;
    std::vector<PciCall> pciCalls;

    // ---- The three interfaces.
    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override;
    std::int32_t SONDREL_CALL DropReference() override;

    ResultCode SONDREL_CALL GetPresence(std::int32_t processor, std::int32_t* present) override;
    ResultCode SONDREL_CALL GetBrandString(std::int32_t processor, char* brand) override;
    ResultCode SONDREL_CALL GetProcessorCount(std::int32_t* count) override;
    ResultCode SONDREL_CALL RunCpuid(std::int32_t processor, std::uint32_t leaf, std::uint32_t limit,
                                     CpuidRegisters* out) override;
    ResultCode SONDREL_CALL RunCpuidWithInputs(std::int32_t processor, std::uint32_t eax, std::uint32_t ebx,
                                               std::uint32_t ecx, std::uint32_t edx, std::uint32_t limit,
                                               CpuidRegisters* out) override;
    ResultCode SONDREL_CALL Reserved8() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL MeasureProcessorFrequency(std::int32_t processor, std::int32_t mode,
                                                      std::int32_t sampleCount, float* cpuMHz,
                                                      std::int32_t* auxOut, std::int32_t auxIn) override;
    ResultCode SONDREL_CALL MeasureFrequencies(std::int32_t processor, std::int32_t mode,
                                               std::int32_t sampleCount, float* cpuMHz, float* busMHz,
                                               std::int32_t* auxOut, std::int32_t auxIn) override;
    ResultCode SONDREL_CALL GetSystemCounts(std::int32_t* first, std::int32_t* second,
                                            std::int32_t* third) override;

    ResultCode SONDREL_CALL Reserved3() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL Reserved4() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL ReadRegisterFields(std::int32_t processor, RegisterFieldList* list) override;

    ResultCode SONDREL_CALL ReadByDevice(std::int32_t processor, std::int32_t vendor, std::int32_t device,
                                         std::int32_t function, std::int32_t offset, std::int32_t size,
                                         PciAddress* address, std::uint32_t* value) override;
    ResultCode SONDREL_CALL ReadByAddress(std::int32_t processor, std::int32_t bus, std::int32_t vendor,
                                          std::int32_t device, std::int32_t function, std::int32_t offset,
                                          std::int32_t size, std::uint32_t* value) override;

private:
    static ResultCode Entry(void* library, std::int32_t interfaceId, void** out);
    ResultCode Failure(DataOperation operation) const;
    CpuidRegisters Leaf(std::uint32_t leaf, std::uint32_t subleaf) const;
    ResultCode ReadPci(PciCall call, std::uint32_t* value);
    // The scripted answer of the current measurement call.
    Measurement NextMeasurement() const;

    std::int32_t references_ = 0;
};

}  // namespace sondrel::test
