#include <algorithm>
#include <cstring>
#include <new>

#include "interfaces.h"
#include "module_state.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::profile_data {

namespace {

// Range first, then presence: an absent processor cannot run anything.
ResultCode Find(const profile::Profile& profile, std::int32_t number, bool needPresent,
                const profile::Processor** processor) {
    *processor = profile.FindProcessor(number);
    if (*processor == nullptr) {
        return result::kProcessorOutOfRange;
    }
    if (needPresent && !(*processor)->present) {
        return result::kProcessorNotPresent;
    }
    return result::kSuccess;
}

ResultCode Cpuid(const profile::Profile& profile, std::int32_t number, std::uint32_t leaf,
                 std::uint32_t subleaf, CpuidRegisters* out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    const profile::Processor* processor = nullptr;
    if (const ResultCode code = Find(profile, number, true, &processor); code != result::kSuccess) {
        return code;
    }
    if (const auto fault = processor->CpuidFault(leaf, subleaf)) {
        return *fault;
    }
    const profile::CpuidValue value = processor->Cpuid(leaf, subleaf);
    *out = CpuidRegisters{value.eax, value.ebx, value.ecx, value.edx};
    return result::kSuccess;
}

}  // namespace

ResultCode ProcessorAccess::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    *out = nullptr;
    if (interfaceId == interface_id::kProcessorAccess) {
        AddReference();
        *out = static_cast<IProcessorAccess*>(this);
        return result::kSuccess;
    }
    if (interfaceId != interface_id::kRegisterFields) {
        return result::kInterfaceNotImplemented;
    }
    if (profile_.faults.registerFieldsInterface) {
        return *profile_.faults.registerFieldsInterface;
    }
    auto* fields = new (std::nothrow) RegisterFields(profile_);
    if (fields == nullptr) {
        return result::kOutOfMemory;
    }
    *out = static_cast<IRegisterFields*>(fields);
    return result::kSuccess;
}

ResultCode ProcessorAccess::GetPresence(std::int32_t number, std::int32_t* present) {
    if (present == nullptr) {
        return result::kNullArgument;
    }
    const profile::Processor* processor = nullptr;
    if (const ResultCode code = Find(profile_, number, false, &processor); code != result::kSuccess) {
        return code;
    }
    if (processor->faults.presence) {
        return *processor->faults.presence;
    }
    *present = processor->present ? 1 : 0;
    return result::kSuccess;
}

ResultCode ProcessorAccess::GetBrandString(std::int32_t number, char* brand) {
    if (brand == nullptr) {
        return result::kNullArgument;
    }
    const profile::Processor* processor = nullptr;
    if (const ResultCode code = Find(profile_, number, true, &processor); code != result::kSuccess) {
        return code;
    }
    if (processor->faults.brand) {
        return *processor->faults.brand;
    }
    std::memset(brand, 0, kNameBufferSize);
    std::memcpy(brand, processor->brand.data(), std::min(processor->brand.size(), kNameBufferSize - 1));
    return result::kSuccess;
}

ResultCode ProcessorAccess::GetProcessorCount(std::int32_t* count) {
    if (count == nullptr) {
        return result::kNullArgument;
    }
    if (profile_.faults.processorCount) {
        return *profile_.faults.processorCount;
    }
    *count = profile_.ProcessorCount();
    return result::kSuccess;
}

// The profile answers exactly what it lists, so the caller's limit changes nothing.
ResultCode ProcessorAccess::RunCpuid(std::int32_t processor, std::uint32_t leaf, std::uint32_t,
                                     CpuidRegisters* out) {
    return Cpuid(profile_, processor, leaf, 0, out);
}

ResultCode ProcessorAccess::RunCpuidWithInputs(std::int32_t processor, std::uint32_t eax, std::uint32_t,
                                               std::uint32_t ecx, std::uint32_t, std::uint32_t,
                                               CpuidRegisters* out) {
    return Cpuid(profile_, processor, eax, ecx, out);
}

ResultCode ProcessorAccess::Measure(std::int32_t number, float* cpuMHz, float* busMHz) {
    const profile::Processor* processor = nullptr;
    if (const ResultCode code = Find(profile_, number, true, &processor); code != result::kSuccess) {
        return code;
    }
    if (processor->faults.measurement) {
        return *processor->faults.measurement;
    }
    const profile::Measurement* measurement = ModuleState::Instance().NextMeasurement(*processor);
    if (measurement == nullptr) {
        return result::kUnexpectedFailure;
    }
    if (measurement->failure != result::kSuccess) {
        return measurement->failure;
    }
    *cpuMHz = measurement->cpuMHz;
    if (busMHz != nullptr) {
        *busMHz = measurement->busMHz;
    }
    return result::kSuccess;
}

// mode, sampleCount, auxOut and auxIn shape a real measurement; a profile's
// answers are fixed, so they are accepted and left alone (auxOut is never
// touched).
ResultCode ProcessorAccess::MeasureProcessorFrequency(std::int32_t processor, std::int32_t, std::int32_t,
                                                      float* cpuMHz, std::int32_t*, std::int32_t) {
    if (cpuMHz == nullptr) {
        return result::kNullArgument;
    }
    return Measure(processor, cpuMHz, nullptr);
}

ResultCode ProcessorAccess::MeasureFrequencies(std::int32_t processor, std::int32_t, std::int32_t,
                                               float* cpuMHz, float* busMHz, std::int32_t*, std::int32_t) {
    if (cpuMHz == nullptr || busMHz == nullptr) {
        return result::kNullArgument;
    }
    return Measure(processor, cpuMHz, busMHz);
}

ResultCode ProcessorAccess::GetSystemCounts(std::int32_t* first, std::int32_t* second, std::int32_t* third) {
    if (first == nullptr || second == nullptr || third == nullptr) {
        return result::kNullArgument;
    }
    if (profile_.faults.systemCounts) {
        return *profile_.faults.systemCounts;
    }
    *first = profile_.systemCounts[0];
    *second = profile_.systemCounts[1];
    *third = profile_.systemCounts[2];
    return result::kSuccess;
}

}  // namespace sondrel::profile_data
