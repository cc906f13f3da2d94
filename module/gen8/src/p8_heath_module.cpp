#include "sondrel/gen8/p8_heath_module.h"

#include <array>

#include "sondrel/gen12/cache_descriptor_table.h"
#include "sondrel/gen8/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::gen8 {

namespace {

// Cpumod12's interfaces without ITDP.
constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,       interface_id::kCPUSignature,  interface_id::kCPUFeatures,
    interface_id::kSpeeds,        interface_id::kCacheSizes,    interface_id::kCPUDetails,
    interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails,
};

// The mobile rule runs for every product code the brand-class mapping
// gives (4, a processor not handled, excluded).
constexpr std::array kMobileRuleProductCodes = {
    module::ProductCodeRange{56, 56},
    module::ProductCodeRange{79, 81},
    module::ProductCodeRange{84, 86},
    module::ProductCodeRange{91, 92},
};

constexpr std::array kDecisionModels = {5, 10, 12, 14, 15};
constexpr std::array kDecisionExtendedModels = {1, 2};

// The bus this generation runs at: 133.33 MHz when no ratio tells the
// measured one, 133.3334 MHz as the rated value.
constexpr float kNominalBusMHz = 133.33f;
constexpr float kRatedBusMHz = 133.3334f;

constexpr std::int32_t kTwinstrandItemBit = 10;  // information item 11

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.loadThreads = module::LoadThreadPolicy::kOnePerLogicalProcessor;
    generation.measurementSlot = module::MeasurementSlot::kFrequencies;
    generation.features = module::StandardFeatureRows();
    generation.mobileRuleProductCodes = kMobileRuleProductCodes;
    generation.graphicsCodes = GraphicsCodeTable();
    generation.nominalBusMHz = kNominalBusMHz;
    generation.reportedBus = module::ReportedBusRule::kCoreOverRatioFrequency;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = gen12::CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.expectedBusMHz = kRatedBusMHz;
    generation.pciActiveCoreProductCodes = PciActiveCoreProductCodes();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod8Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP8HeathModule::CP8HeathModule() : CProcessorModule(Cpumod8Generation()) {}

void CP8HeathModule::ApplyMobileRule() {
    module::ApplySuffixMobileRule(MobileRule(), Snapshot());
}

ResultCode CP8HeathModule::RunPciReads(IPciConfig& pci, std::int32_t processor) {
    const ResultCode status = CProcessorModule::RunPciReads(pci, processor);
    if (status != result::kSuccess) {
        linkRatios_ = LinkRatios{};
        return status;
    }
    return ReadLinkRatios(pci, processor, Snapshot(), linkRatios_);
}

void CP8HeathModule::DecideFrequencySupport() {
    CProcessorModule::DecideFrequencySupport();
    FillInterconnect(linkRatios_, Snapshot());
}

void CP8HeathModule::ComputeInfoItemWord() {
    CProcessorModule::ComputeInfoItemWord();
    module::ProcessorSnapshot& s = Snapshot();
    if (s.fields.Value(module::field_id::kCoreCount) >= s.fields.Value(module::field_id::kThreadCount)) {
        s.infoItemWord &= ~(1 << kTwinstrandItemBit);
    }
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP8HeathModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                         out);
}

}  // namespace sondrel::gen8
