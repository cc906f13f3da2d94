// The data module's three interfaces and the register-field list that is
// exchanged with it. Unused slots are declared so the numbering holds.
#pragma once

#include <cstdint>

#include "sondrel/unknown.h"

extern "C" {

// Register-field list records. Pointers have the native width.
struct SondrelBitRecord {
    std::int32_t lowBit;
    std::int32_t width;
    std::int32_t reserved;  // 0
};

struct SondrelRegisterRecord {
    std::uint32_t msr;
    SondrelBitRecord* bits;
    std::int32_t reserved;  // 0
};

struct SondrelRegisterFieldNode {
    std::int32_t fieldId;
    char* name;             // private zero-terminated copy
    std::uint64_t value;    // right-aligned, written by the data module
    std::int32_t readFlag;  // nonzero once the data module has read the field
    SondrelRegisterRecord* reg;
    SondrelRegisterFieldNode* next;  // null: last node
    std::int32_t reserved;           // not read
};

struct SondrelRegisterFieldList {
    SondrelRegisterFieldNode* first;   // null: empty list
    std::int32_t revision;             // written by the data module
    std::int32_t errorCode;            // written by the data module, 0: none
    std::int32_t revisionUnavailable;  // written by the data module, caller sets 0
    std::int32_t reserved;             // 0
};

// Address record of a PCI read by device.
struct SondrelPciAddress {
    std::int32_t bus;  // always 0
    std::int32_t vendor;
    std::int32_t device;
    std::int32_t function;
    std::int32_t offset;
    std::int32_t size;
};

}  // extern "C"

namespace sondrel {

using BitRecord = SondrelBitRecord;
using RegisterRecord = SondrelRegisterRecord;
using RegisterFieldNode = SondrelRegisterFieldNode;
using RegisterFieldList = SondrelRegisterFieldList;
using PciAddress = SondrelPciAddress;

// The four CPUID output registers in the order EAX, EBX, ECX, EDX.
struct CpuidRegisters {
    std::uint32_t eax;
    std::uint32_t ebx;
    std::uint32_t ecx;
    std::uint32_t edx;
};

class IProcessorAccess : public IFreqIDUnknown {
public:
    // Slot 3: *present is nonzero when the processor is present.
    virtual ResultCode SONDREL_CALL GetPresence(std::int32_t processor, std::int32_t* present) = 0;
    // Slot 4: brand: text[61], zero-terminated.
    virtual ResultCode SONDREL_CALL GetBrandString(std::int32_t processor, char* brand) = 0;
    // Slot 5: number of logical processors.
    virtual ResultCode SONDREL_CALL GetProcessorCount(std::int32_t* count) = 0;
    // Slot 6: CPUID with EAX = leaf; limit is the highest standard leaf the
    // caller knows, or the leaf itself while it knows none.
    virtual ResultCode SONDREL_CALL RunCpuid(std::int32_t processor, std::uint32_t leaf, std::uint32_t limit,
                                             CpuidRegisters* out) = 0;
    // Slot 7: CPUID with all four input registers (ECX selects the sub-leaf).
    virtual ResultCode SONDREL_CALL RunCpuidWithInputs(std::int32_t processor, std::uint32_t eax,
                                                       std::uint32_t ebx, std::uint32_t ecx,
                                                       std::uint32_t edx, std::uint32_t limit,
                                                       CpuidRegisters* out) = 0;
    virtual ResultCode SONDREL_CALL Reserved8() = 0;
    // Slot 9: a measured processor frequency without a bus clock.
    virtual ResultCode SONDREL_CALL MeasureProcessorFrequency(std::int32_t processor, std::int32_t mode,
                                                              std::int32_t sampleCount, float* cpuMHz,
                                                              std::int32_t* auxOut, std::int32_t auxIn) = 0;
    // Slot 10: a measured processor and bus frequency.
    virtual ResultCode SONDREL_CALL MeasureFrequencies(std::int32_t processor, std::int32_t mode,
                                                       std::int32_t sampleCount, float* cpuMHz, float* busMHz,
                                                       std::int32_t* auxOut, std::int32_t auxIn) = 0;
    // Slot 11: three system-wide counts.
    virtual ResultCode SONDREL_CALL GetSystemCounts(std::int32_t* first, std::int32_t* second,
                                                    std::int32_t* third) = 0;

protected:
    ~IProcessorAccess() = default;
};

class IRegisterFields : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL Reserved3() = 0;
    virtual ResultCode SONDREL_CALL Reserved4() = 0;
    // Slot 5: reads every listed field on the processor and fills the header.
    virtual ResultCode SONDREL_CALL ReadRegisterFields(std::int32_t processor, RegisterFieldList* list) = 0;

protected:
    ~IRegisterFields() = default;
};

class IPciConfig : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL Reserved3() = 0;
    // Slot 4: read on bus 0; *value is written only on success.
    virtual ResultCode SONDREL_CALL ReadByDevice(std::int32_t processor, std::int32_t vendor,
                                                 std::int32_t device, std::int32_t function,
                                                 std::int32_t offset, std::int32_t size, PciAddress* address,
                                                 std::uint32_t* value) = 0;
    // Slot 5: read at the given address; *value is written only on success.
    virtual ResultCode SONDREL_CALL ReadByAddress(std::int32_t processor, std::int32_t bus,
                                                  std::int32_t vendor, std::int32_t device,
                                                  std::int32_t function, std::int32_t offset,
                                                  std::int32_t size, std::uint32_t* value) = 0;

protected:
    ~IPciConfig() = default;
};

}  // namespace sondrel
