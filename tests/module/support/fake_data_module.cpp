#include "fake_data_module.h"

#include <algorithm>
#include <cstring>

#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::test {

namespace {
FakeDataModule* installed = nullptr;
}  // namespace

FakeDataModule::FakeDataModule() = default;

FakeDataModule::~FakeDataModule() {
    if (installed == this) {
        installed = nullptr;
    }
}

void FakeDataModule::Install(const std::string& name, platform::fake::FakeLibrary library) {
    installed = this;
    library.entryPoints[export_name::kDataModule] = reinterpret_cast<void*>(&FakeDataModule::Entry);
    platform::fake::AddLibrary(name, std::move(library));
}

ResultCode FakeDataModule::Entry(void* /*library*/, std::int32_t interfaceId, void** out) {
    FakeDataModule* self = installed;
    if (self == nullptr || out == nullptr) {
        return result::kUnexpectedFailure;
    }
    if (interfaceId == interface_id::kProcessorAccess) {
        if (const ResultCode failure = self->Failure(DataOperation::kProcessorAccessInterface)) {
            return failure;
        }
        *out = static_cast<IProcessorAccess*>(self);
    } else if (interfaceId == interface_id::kPciConfig) {
        if (const ResultCode failure = self->Failure(DataOperation::kPciConfigInterface)) {
            return failure;
        }
        *out = static_cast<IPciConfig*>(self);
    } else {
        *out = nullptr;
        return result::kInterfaceNotImplemented;
    }
    self->AddReference();
    return result::kSuccess;
}

ResultCode FakeDataModule::Failure(DataOperation operation) const {
    const auto found = failures.find(operation);
    return found == failures.end() ? result::kSuccess : found->second;
}

CpuidRegisters FakeDataModule::Leaf(std::uint32_t leaf, std::uint32_t subleaf) const {
    const auto found = cpuid.find({leaf, subleaf});
    return found == cpuid.end() ? CpuidRegisters{} : found->second;
}

ResultCode SONDREL_CALL FakeDataModule::LookupInterface(std::int32_t interfaceId, void** out) {
    if (interfaceId != interface_id::kRegisterFields) {
        *out = nullptr;
        return result::kInterfaceNotImplemented;
    }
    if (const ResultCode failure = Failure(DataOperation::kRegisterFieldsLookup)) {
        *out = nullptr;
        return failure;
    }
    *out = static_cast<IRegisterFields*>(this);
    AddReference();
    return result::kSuccess;
}

std::int32_t SONDREL_CALL FakeDataModule::AddReference() {
    return ++references_;
}

std::int32_t SONDREL_CALL FakeDataModule::DropReference() {
    --references_;
    return 0;
}

ResultCode SONDREL_CALL FakeDataModule::GetPresence(std::int32_t processor, std::int32_t* present) {
    if (const ResultCode failure = Failure(DataOperation::kGetPresence)) {
        return failure;
    }
    *present = absentProcessors.count(processor) == 0 ? 1 : 0;
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::GetBrandString(std::int32_t /*processor*/, char* brand) {
    if (const ResultCode failure = Failure(DataOperation::kGetBrandString)) {
        return failure;
    }
    const std::size_t length = std::min<std::size_t>(brandString.size(), kNameBufferSize - 1);
    std::memcpy(brand, brandString.data(), length);
    brand[length] = '\0';
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::GetProcessorCount(std::int32_t* count) {
    if (const ResultCode failure = Failure(DataOperation::kGetProcessorCount)) {
        return failure;
    }
    *count = processorCount;
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::RunCpuid(std::int32_t /*processor*/, std::uint32_t leaf,
                                                 std::uint32_t limit, CpuidRegisters* out) {
    cpuidCalls.push_back({leaf, 0, limit});
    if (const auto failing = failingLeaves.find(leaf); failing != failingLeaves.end()) {
        return failing->second;
    }
    *out = Leaf(leaf, 0);
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::RunCpuidWithInputs(std::int32_t /*processor*/, std::uint32_t eax,
                                                           std::uint32_t /*ebx*/, std::uint32_t ecx,
                                                           std::uint32_t /*edx*/, std::uint32_t limit,
                                                           CpuidRegisters* out) {
    cpuidCalls.push_back({eax, ecx, limit});
    if (const auto failing = failingLeaves.find(eax); failing != failingLeaves.end()) {
        return failing->second;
    }
    *out = Leaf(eax, ecx);
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::MeasureProcessorFrequency(std::int32_t processor, std::int32_t mode,
                                                                  std::int32_t sampleCount, float* cpuMHz,
                                                                  std::int32_t* auxOut, std::int32_t auxIn) {
    measureCalls.push_back({processor, mode, sampleCount, auxOut != nullptr ? *auxOut : -1, auxIn});
    if (const ResultCode failure = Failure(DataOperation::kMeasureProcessorFrequency)) {
        return failure;
    }
    const Measurement answer = NextMeasurement();
    if (answer.code == result::kSuccess) {
        *cpuMHz = answer.cpuMHz;
    }
    return answer.code;
}

ResultCode SONDREL_CALL FakeDataModule::MeasureFrequencies(std::int32_t processor, std::int32_t mode,
                                                           std::int32_t sampleCount, float* cpuMHz,
                                                           float* busMHz, std::int32_t* auxOut,
                                                           std::int32_t auxIn) {
    measureCalls.push_back({processor, mode, sampleCount, auxOut != nullptr ? *auxOut : -1, auxIn});
    if (const ResultCode failure = Failure(DataOperation::kMeasureFrequencies)) {
        return failure;
    }
    const Measurement answer = NextMeasurement();
    if (answer.code == result::kSuccess) {
        *cpuMHz = answer.cpuMHz;
        *busMHz = answer.busMHz;
    }
    return answer.code;
}

ResultCode SONDREL_CALL FakeDataModule::GetSystemCounts(std::int32_t* first, std::int32_t* second,
                                                        std::int32_t* third) {
    if (const ResultCode failure = Failure(DataOperation::kGetSystemCounts)) {
        return failure;
    }
    *first = systemCounts[0];
    *second = systemCounts[1];
    *third = systemCounts[2];
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::ReadRegisterFields(std::int32_t /*processor*/,
                                                           RegisterFieldList* list) {
    std::vector<ListedField> listed;
    for (RegisterFieldNode* node = list->first; node != nullptr; node = node->next) {
        listed.push_back(
            {node->fieldId, node->name, node->reg->msr, node->reg->bits->lowBit, node->reg->bits->width});
        if (unreadFields.count(node->name) != 0) {
            continue;
        }
        const auto value = fieldValues.find(node->fieldId);
        node->value = value == fieldValues.end() ? 0 : value->second;
        node->readFlag = 1;
    }
    registerLists.push_back(std::move(listed));
    list->revision = headerRevision;
    list->errorCode = headerErrorCode;
    list->revisionUnavailable = headerRevisionUnavailable;
    return Failure(DataOperation::kReadRegisterFields);
}

Measurement FakeDataModule::NextMeasurement() const {
    if (measurements.empty()) {
        return {measuredCpuMHz, measuredBusMHz};
    }
    // measureCalls already holds the current call.
    const std::size_t index = std::min(measureCalls.size() - 1, measurements.size() - 1);
    return measurements[index];
}

ResultCode FakeDataModule::ReadPci(PciCall call, std::uint32_t* value) {
    call.preset = *value;
    pciCalls.push_back(call);
    if (pciFaults.count(call.reg) != 0) {
        throw PciFault{};
    }
    if (const auto failure = pciFailures.find(call.reg); failure != pciFailures.end()) {
        return failure->second;
    }
    const auto found = pciRegisters.find(call.reg);
    *value = found == pciRegisters.end() ? 0 : found->second;
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeDataModule::ReadByDevice(std::int32_t /*processor*/, std::int32_t vendor,
                                                     std::int32_t device, std::int32_t function,
                                                     std::int32_t offset, std::int32_t size,
                                                     PciAddress* address, std::uint32_t* value) {
    PciCall call{true, vendor, {0, device, function, offset}, size, 0};
    if (address != nullptr) {
        call.address = *address;
    }
    return ReadPci(call, value);
}

ResultCode SONDREL_CALL FakeDataModule::ReadByAddress(std::int32_t /*processor*/, std::int32_t bus,
                                                      std::int32_t vendor, std::int32_t device,
                                                      std::int32_t function, std::int32_t offset,
                                                      std::int32_t size, std::uint32_t* value) {
    return ReadPci({false, vendor, {bus, device, function, offset}, size, 0}, value);
}

}  // namespace sondrel::test
