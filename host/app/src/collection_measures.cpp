// Collection steps 6 to 11: caches, frequencies with their excess, cores
// and packages, PCI details and the thermal design power.
#include <array>
#include <cmath>
#include <limits>

#include "collection_steps.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"
#include "sondrel/wrapping_arithmetic.h"
#include "text_copy.h"

namespace sondrel::app::collection {

namespace {

constexpr std::int32_t kThirdLevelCacheIndex = 3;
constexpr std::int32_t kRecognisedFlag = 1;

// Looks up an interface a module may lack: false when it is absent, a
// failure for any other refusal.
template <class Interface>
bool LookupOptional(IFreqIDUnknown& module, std::int32_t interfaceId, HeldInterface<Interface>& held) {
    const ResultCode code = held.Lookup(module, interfaceId);
    if (code == result::kInterfaceNotImplemented) {
        return false;
    }
    Succeeds(code);
    return true;
}

struct CacheRow {
    std::int32_t SystemRecord::*size;
    std::int32_t SystemRecord::*unit;
};

// By cache index 0 to 3.
constexpr std::array kCacheRows = {
    CacheRow{&SystemRecord::l1DataCacheSize, &SystemRecord::l1DataCacheUnit},
    CacheRow{&SystemRecord::l1InstructionCacheSize, &SystemRecord::l1InstructionCacheUnit},
    CacheRow{&SystemRecord::l2CacheSize, &SystemRecord::l2CacheUnit},
    CacheRow{&SystemRecord::l3CacheSize, &SystemRecord::l3CacheUnit},
};

std::int32_t TruncateMHz(float value) {
    return SaturatingTruncate(value);
}

// Model 15 of extended model 0 from stepping 9 on, with items 4, 9 and 17
// and feature 120: the module's excess is not shown.
constexpr std::int32_t kExemptModel = 15;
constexpr std::int32_t kExemptExtendedModel = 0;
constexpr std::int32_t kExemptFirstStepping = 9;

bool IsExcessExemptProcessor(const SystemRecord& record) {
    return record.item9Flag == kRecognisedFlag && record.item17Flag == kRecognisedFlag &&
           record.item4Flag == kRecognisedFlag && record.feature120Support == kSupported &&
           record.family == kFamily6 && record.model == kExemptModel &&
           record.extendedModel == kExemptExtendedModel && record.stepping >= kExemptFirstStepping;
}

std::int32_t FrequencyExcess(const SystemRecord& record) {
    if (IsExcessExemptProduct(record.productCode) || record.moduleNumber == kModule12 ||
        IsProduct56OnModule9Or11(record.productCode, record.moduleNumber)) {
        return 0;
    }
    if (record.item10Flag != kRecognisedFlag) {
        return 0;
    }
    const bool processorAbove = TruncateMHz(record.reportedCpuMHz) > TruncateMHz(record.expectedCpuMHz);
    const bool busAbove = TruncateMHz(record.reportedBusMHz) > TruncateMHz(record.expectedBusMHz);
    return (processorAbove ? kProcessorExcess : 0) + (busAbove ? kBusOrLinkExcess : 0);
}

std::int32_t WithLinkExcess(const SystemRecord& record) {
    const bool linkAbove = record.expectedInterconnect < record.reportedInterconnect ||
                           record.expectedMemoryController < record.reportedMemoryController;
    if (!linkAbove || record.item10Flag != kRecognisedFlag) {
        return 0;
    }
    return (record.frequencyExcess & kProcessorExcess) != 0 ? kProcessorExcess | kBusOrLinkExcess
                                                            : kBusOrLinkExcess;
}

constexpr std::int32_t kShown = 1;
constexpr std::int32_t kHidden = 0;

std::int32_t InterconnectShown(const SystemRecord& record) {
    if (IsFirstPageSignature(record)) {
        return kHidden;
    }
    return record.moduleNumber == kModule8 ? kShown : kHidden;
}

}  // namespace

void CollectCaches(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICacheSizes> caches;
    if (!LookupOptional(module, interface_id::kCacheSizes, caches)) {
        for (const CacheRow& row : kCacheRows) {
            record.*row.size = kNoCacheInterface;
        }
        return;
    }
    for (std::int32_t index = 0; index < static_cast<std::int32_t>(kCacheRows.size()); ++index) {
        const CacheRow& row = kCacheRows[static_cast<std::size_t>(index)];
        std::int32_t size = 0;
        std::int32_t unit = 0;
        const ResultCode code = caches->GetCacheSize(processor, index, &size, &unit);
        if (index == kThirdLevelCacheIndex && code == result::kNoSuchCache) {
            record.*row.size = kCacheLevelAbsent;
            continue;
        }
        Succeeds(code);
        record.*row.size = size;
        record.*row.unit = unit;
    }
}

void CollectSpeeds(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ISpeeds> speeds;
    if (!LookupOptional(module, interface_id::kSpeeds, speeds)) {
        return;
    }
    Succeeds(speeds->GetExpectedSpeeds(processor, &record.expectedCpuMHz, &record.expectedBusMHz));
    Succeeds(speeds->GetReportedSpeeds(processor, &record.reportedCpuMHz, &record.reportedBusMHz));
    record.frequencyExcess = FrequencyExcess(record);
    if (IsExcessExemptProcessor(record)) {
        record.frequencyExcess = 0;
    }
}

void CollectDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUDetails> details;
    if (!LookupOptional(module, interface_id::kCPUDetails, details)) {
        return;
    }
    std::int32_t activeCores = 0;
    Succeeds(details->GetActiveCoreCount(processor, &activeCores));
    if (activeCores > 1) {
        record.multiCore = 1;
        record.coresPerPackage = activeCores;
    } else {
        record.coresPerPackage = 1;
    }
    char guide[kGuideBufferSize] = {};
    Succeeds(details->GetCompatibilityGuide(processor, guide));
    CopyText(record.compatibilityGuide, guide, sizeof guide);
}

void CollectMultiCoreDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUCMPDetails> details;
    if (!LookupOptional(module, interface_id::kCPUCMPDetails, details)) {
        return;
    }
    Succeeds(details->GetThreadCount(processor, &record.threadsPerPackage));
    Succeeds(details->GetMultiCoreEnabled(processor, &record.multiCoreEnabled));
    Succeeds(details->GetMaxCoreCount(processor, &record.maxCoreCount));
    record.maxCoreCount2 = record.maxCoreCount;
    Succeeds(details->GetPackageThreadCount(processor, &record.packageThreadCount));
    record.packageThreadCount2 = record.packageThreadCount;
    Succeeds(details->GetPackageCount(processor, &record.packageCount));
    Succeeds(details->GetDisabledCoreCount(processor, &record.disabledCores));
    Succeeds(details->GetCacheCounts(processor, &record.l1DataSharing, &record.l1InstructionSharing,
                                     &record.l2Sharing, &record.l3Sharing));
}

void CollectPciDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUPCIDetails> pci;
    if (!LookupOptional(module, interface_id::kCPUPCIDetails, pci)) {
        record.interconnectShown = kHidden;
        return;
    }
    std::int32_t first = 0;
    std::int32_t second = 0;
    Succeeds(pci->GetPciLinkValues(processor, &first, &second));
    Succeeds(pci->GetChipsetDeviceId(processor, &record.chipsetId));
    Succeeds(pci->GetGraphicsCode(processor, &record.graphicsCode));
    Succeeds(pci->GetExpectedInterconnect(processor, &record.expectedInterconnect,
                                          &record.expectedMemoryController));
    Succeeds(pci->GetReportedInterconnect(processor, &record.reportedInterconnect,
                                          &record.reportedMemoryController));
    record.interconnectShown = InterconnectShown(record);
    record.frequencyExcess = WithLinkExcess(record);
}

void CollectThermalDesignPower(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ITDP> tdp;
    if (!LookupOptional(module, interface_id::kTDP, tdp)) {
        record.interconnectShown = kHidden;
        return;
    }
    if (record.moduleNumber == kModule11 || record.moduleNumber == kModule12) {
        Succeeds(tdp->GetBaseTDP(processor, &record.baseTdpWatts));
    }
}

}  // namespace sondrel::app::collection
