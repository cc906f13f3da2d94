#include "sondrel/gen9/p9_moor_module.h"

#include <array>

#include "sondrel/gen12/cache_descriptor_table.h"
#include "sondrel/gen9/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/frequency.h"

namespace sondrel::gen9 {

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
    module::ProductCodeRange{80, 81},
    module::ProductCodeRange{85, 86},
    module::ProductCodeRange{94, 97},
};

constexpr std::array kDecisionModels = {10, 13, 14};
constexpr std::array kDecisionExtendedModels = {2, 3};

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
    generation.nominalBusMHz = module::kNominalBusMHz;
    generation.reportedBus = module::ReportedBusRule::kCoreOverRatioFrequency;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = gen12::CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.expectedBusMHz = module::kNominalBusMHz;
    generation.pciActiveCoreProductCodes = PciActiveCoreProductCodes();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod9Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP9MoorModule::CP9MoorModule() : CProcessorModule(Cpumod9Generation()) {}

void CP9MoorModule::ApplyMobileRule() {
    module::ApplySuffixMobileRule(MobileRule(), Snapshot());
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP9MoorModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen9
