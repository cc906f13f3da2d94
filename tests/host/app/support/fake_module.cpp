#include "fake_module.h"

#include <cstdio>

#include "sondrel/interface_ids.h"

namespace sondrel::testing {

namespace {

void CopyOut(char* destination, std::size_t size, const std::string& text) {
    std::snprintf(destination, size, "%s", text.c_str());
}

}  // namespace

ResultCode FakeModule::Answer(const std::string& operation, std::int32_t processor) {
    calls.push_back(operation);
    processorsAsked.insert(processor);
    const auto found = failures.find(operation);
    return found == failures.end() ? result::kSuccess : found->second;
}

ResultCode SONDREL_CALL FakeModule::LookupInterface(std::int32_t interfaceId, void** out) {
    calls.push_back("Lookup " + std::to_string(interfaceId));
    *out = nullptr;
    if (absent.count(interfaceId) != 0) {
        return result::kInterfaceNotImplemented;
    }
    if (const auto found = lookupFailures.find(interfaceId); found != lookupFailures.end()) {
        return found->second;
    }
    switch (interfaceId) {
        case interface_id::kRoot:
        case interface_id::kInitializePM:
            *out = static_cast<IInitializePM*>(this);
            break;
        case interface_id::kCPUInfo:
            *out = static_cast<ICPUInfo*>(this);
            break;
        case interface_id::kCPUSignature:
            *out = static_cast<ICPUSignature*>(this);
            break;
        case interface_id::kCPUFeatures:
            *out = static_cast<ICPUFeatures*>(this);
            break;
        case interface_id::kSpeeds:
            *out = static_cast<ISpeeds*>(this);
            break;
        case interface_id::kCacheSizes:
            *out = static_cast<ICacheSizes*>(this);
            break;
        case interface_id::kCPUDetails:
            *out = static_cast<ICPUDetails*>(this);
            break;
        case interface_id::kCPUCMPDetails:
            *out = static_cast<ICPUCMPDetails*>(this);
            break;
        case interface_id::kCPUPCIDetails:
            *out = static_cast<ICPUPCIDetails*>(this);
            break;
        case interface_id::kTDP:
            *out = static_cast<ITDP*>(this);
            break;
        default:
            return result::kInterfaceNotImplemented;
    }
    AddReference();
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeModule::Initialize(std::int32_t processor) {
    return Answer("Initialize", processor);
}

ResultCode SONDREL_CALL FakeModule::GetLogoBitmap(std::int32_t processor, BitmapHandle* bitmap) {
    const ResultCode code = Answer("GetLogoBitmap", processor);
    if (logo != nullptr) {
        *bitmap = logo;
        logo = nullptr;
    }
    return code == result::kSuccess && *bitmap == nullptr ? result::kNoLogoBitmap : code;
}

ResultCode SONDREL_CALL FakeModule::GetProcessorName(std::int32_t processor, char* name) {
    CopyOut(name, kNameBufferSize, answers.name);
    return Answer("GetProcessorName", processor);
}

ResultCode SONDREL_CALL FakeModule::GetProductCode(std::int32_t processor, std::int32_t* code) {
    *code = answers.productCode;
    return Answer("GetProductCode", processor);
}

ResultCode SONDREL_CALL FakeModule::GetPackage(std::int32_t processor, std::int32_t* packageCode,
                                               char* packageName) {
    *packageCode = 1;
    CopyOut(packageName, kNameBufferSize, answers.package);
    return Answer("GetPackage", processor);
}

ResultCode SONDREL_CALL FakeModule::GetInfoItem(std::int32_t processor, std::int32_t item,
                                                std::int32_t* value) {
    const auto found = answers.infoItems.find(item);
    *value = found == answers.infoItems.end() ? 0 : found->second;
    return Answer("GetInfoItem" + std::to_string(item), processor);
}

ResultCode SONDREL_CALL FakeModule::GetRevision(std::int32_t processor, std::int32_t* revision) {
    const ResultCode code = Answer("GetRevision", processor);
    if (code == result::kSuccess) {
        *revision = answers.revision;
    }
    return code;
}

ResultCode SONDREL_CALL FakeModule::GetExtendedFamily(std::int32_t processor, std::int32_t* value) {
    *value = answers.extendedFamily;
    return Answer("GetExtendedFamily", processor);
}

ResultCode SONDREL_CALL FakeModule::GetFamily(std::int32_t processor, std::int32_t* value) {
    *value = answers.family;
    return Answer("GetFamily", processor);
}

ResultCode SONDREL_CALL FakeModule::GetExtendedModel(std::int32_t processor, std::int32_t* value) {
    *value = answers.extendedModel;
    return Answer("GetExtendedModel", processor);
}

ResultCode SONDREL_CALL FakeModule::GetModel(std::int32_t processor, std::int32_t* value) {
    *value = answers.model;
    return Answer("GetModel", processor);
}

ResultCode SONDREL_CALL FakeModule::GetStepping(std::int32_t processor, std::int32_t* value) {
    *value = answers.stepping;
    return Answer("GetStepping", processor);
}

ResultCode SONDREL_CALL FakeModule::GetProcessorType(std::int32_t processor, std::int32_t* value) {
    *value = answers.processorType;
    return Answer("GetProcessorType", processor);
}

ResultCode SONDREL_CALL FakeModule::GetFeature(std::int32_t processor, std::int32_t featureCode,
                                               std::int32_t* state) {
    const auto found = answers.features.find(featureCode);
    *state = found == answers.features.end() ? 0 : found->second;
    return Answer("GetFeature" + std::to_string(featureCode), processor);
}

ResultCode SONDREL_CALL FakeModule::GetExpectedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) {
    *cpuMHz = answers.expectedCpuMHz;
    *busMHz = answers.expectedBusMHz;
    return Answer("GetExpectedSpeeds", processor);
}

ResultCode SONDREL_CALL FakeModule::GetReportedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) {
    *cpuMHz = answers.reportedCpuMHz;
    *busMHz = answers.reportedBusMHz;
    return Answer("GetReportedSpeeds", processor);
}

ResultCode SONDREL_CALL FakeModule::MeasureSpeeds(std::int32_t processor, float*, float*, std::int32_t,
                                                  std::int32_t*, std::int32_t) {
    return Answer("MeasureSpeeds", processor);
}

ResultCode SONDREL_CALL FakeModule::GetCacheSize(std::int32_t processor, std::int32_t level,
                                                 std::int32_t* size, std::int32_t* unit) {
    const auto index = static_cast<std::size_t>(level);
    *size = answers.cacheSizes.at(index);
    *unit = answers.cacheUnits.at(index);
    return Answer("GetCacheSize" + std::to_string(level), processor);
}

ResultCode SONDREL_CALL FakeModule::GetCompatibilityGuide(std::int32_t processor, char* guide) {
    CopyOut(guide, kGuideBufferSize, answers.guide);
    return Answer("GetCompatibilityGuide", processor);
}

ResultCode SONDREL_CALL FakeModule::GetActiveCoreCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.activeCores;
    return Answer("GetActiveCoreCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetThreadCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.threadCount;
    return Answer("GetThreadCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetMultiCoreEnabled(std::int32_t processor, std::int32_t* enabled) {
    *enabled = answers.multiCoreEnabled;
    return Answer("GetMultiCoreEnabled", processor);
}

ResultCode SONDREL_CALL FakeModule::GetMaxCoreCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.maxCoreCount;
    return Answer("GetMaxCoreCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetPackageThreadCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.packageThreadCount;
    return Answer("GetPackageThreadCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetPackageCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.packageCount;
    return Answer("GetPackageCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetDisabledCoreCount(std::int32_t processor, std::int32_t* count) {
    *count = answers.disabledCores;
    return Answer("GetDisabledCoreCount", processor);
}

ResultCode SONDREL_CALL FakeModule::GetCacheCounts(std::int32_t processor, std::int32_t* level1Data,
                                                   std::int32_t* level1Instruction, std::int32_t* level2,
                                                   std::int32_t* level3) {
    *level1Data = answers.sharing[0];
    *level1Instruction = answers.sharing[1];
    *level2 = answers.sharing[2];
    *level3 = answers.sharing[3];
    return Answer("GetCacheCounts", processor);
}

ResultCode SONDREL_CALL FakeModule::GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                                     std::int32_t* second) {
    *first = 0;
    *second = 0;
    return Answer("GetPciLinkValues", processor);
}

ResultCode SONDREL_CALL FakeModule::GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                            float* memoryControllerMHz) {
    *interconnectMHz = answers.expectedInterconnect;
    *memoryControllerMHz = answers.expectedMemoryController;
    return Answer("GetExpectedInterconnect", processor);
}

ResultCode SONDREL_CALL FakeModule::GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                            float* memoryControllerMHz) {
    *interconnectMHz = answers.reportedInterconnect;
    *memoryControllerMHz = answers.reportedMemoryController;
    return Answer("GetReportedInterconnect", processor);
}

ResultCode SONDREL_CALL FakeModule::GetChipsetDeviceId(std::int32_t processor, std::int32_t* deviceId) {
    *deviceId = answers.chipsetId;
    return Answer("GetChipsetDeviceId", processor);
}

ResultCode SONDREL_CALL FakeModule::GetGraphicsCode(std::int32_t processor, std::int32_t* code) {
    *code = answers.graphicsCode;
    return Answer("GetGraphicsCode", processor);
}

ResultCode SONDREL_CALL FakeModule::GetBaseTDP(std::int32_t processor, std::int32_t* watts) {
    *watts = answers.baseTdpWatts;
    return Answer("GetBaseTDP", processor);
}

ResultCode FakeSession::Answer(const std::string& operation) {
    calls.push_back(operation);
    if (onCall) {
        onCall(operation);
    }
    const auto found = failures.find(operation);
    return found == failures.end() ? result::kSuccess : found->second;
}

ResultCode SONDREL_CALL FakeSession::LookupInterface(std::int32_t interfaceId, void** out) {
    *out = nullptr;
    if (interfaceId != interface_id::kBrokerSession) {
        return result::kInterfaceNotImplemented;
    }
    AddReference();
    *out = static_cast<IBrokerSession*>(this);
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeSession::Open(void* brokerLibrary) {
    openedWith = brokerLibrary;
    return Answer("Open");
}

ResultCode SONDREL_CALL FakeSession::GetProcessorCount(std::int32_t* count) {
    *count = processorCount;
    return Answer("GetProcessorCount");
}

ResultCode SONDREL_CALL FakeSession::GetMaxCpuidLeaf(std::int32_t processor, std::int32_t* leaf) {
    *leaf = maxCpuidLeaf;
    return Answer("GetMaxCpuidLeaf " + std::to_string(processor));
}

ResultCode SONDREL_CALL FakeSession::GetProcessorModule(std::int32_t processor, void** root) {
    const ResultCode code = Answer("GetProcessorModule " + std::to_string(processor));
    if (code != result::kSuccess) {
        return code;
    }
    module_->AddReference();
    *root = static_cast<IInitializePM*>(module_);
    return result::kSuccess;
}

ResultCode SONDREL_CALL FakeSession::GetModuleNumber(std::int32_t* number) {
    *number = moduleNumber;
    return Answer("GetModuleNumber");
}

}  // namespace sondrel::testing
