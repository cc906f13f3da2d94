// The data module's three interfaces, answering from the loaded profile.
#pragma once

#include "reference_counted.h"
#include "sondrel/data_module_interfaces.h"
#include "sondrel/profile/profile.h"

namespace sondrel::profile_data {

// Lists longer than this are taken to be circular.
inline constexpr int kMaxRegisterFieldNodes = 4096;

class ProcessorAccess final : public ReferenceCounted<IProcessorAccess> {
public:
    explicit ProcessorAccess(const profile::Profile& profile) : profile_(profile) {}

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
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

private:
    ResultCode Measure(std::int32_t processor, float* cpuMHz, float* busMHz);

    const profile::Profile& profile_;
};

class RegisterFields final : public ReferenceCounted<IRegisterFields> {
public:
    explicit RegisterFields(const profile::Profile& profile) : profile_(profile) {}

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    ResultCode SONDREL_CALL Reserved3() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL Reserved4() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL ReadRegisterFields(std::int32_t processor, RegisterFieldList* list) override;

private:
    const profile::Profile& profile_;
};

class PciConfig final : public ReferenceCounted<IPciConfig> {
public:
    explicit PciConfig(const profile::Profile& profile) : profile_(profile) {}

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    ResultCode SONDREL_CALL Reserved3() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL ReadByDevice(std::int32_t processor, std::int32_t vendor, std::int32_t device,
                                         std::int32_t function, std::int32_t offset, std::int32_t size,
                                         PciAddress* address, std::uint32_t* value) override;
    ResultCode SONDREL_CALL ReadByAddress(std::int32_t processor, std::int32_t bus, std::int32_t vendor,
                                          std::int32_t device, std::int32_t function, std::int32_t offset,
                                          std::int32_t size, std::uint32_t* value) override;

private:
    const profile::Profile& profile_;
};

}  // namespace sondrel::profile_data
