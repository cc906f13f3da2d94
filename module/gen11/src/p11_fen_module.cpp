#include "sondrel/gen11/p11_fen_module.h"

#include <array>

#include "sondrel/gen11/tables.h"
#include "sondrel/gen12/cache_descriptor_table.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/frequency.h"

namespace sondrel::gen11 {

namespace {

constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,       interface_id::kCPUSignature,  interface_id::kCPUFeatures,
    interface_id::kSpeeds,        interface_id::kCacheSizes,    interface_id::kCPUDetails,
    interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP,
};

// Model nibbles 5 to 7 and 15 (extended model 4), 5 to 7 (extended model 5)
// and 12, 13, 15 (extended model 3) reach the decision table.
constexpr std::array kDecisionModels = {5, 6, 7, 12, 13, 15};
constexpr std::array kDecisionExtendedModels = {3, 4, 5};

// "BaseTDP" is field 57 here, and a power of 0 is not treated apart.
constexpr module::TdpRule kTdpRule{kBaseTdpFieldId, false};

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.loadThreads = module::LoadThreadPolicy::kOnePerLogicalProcessor;
    generation.measurementSlot = module::MeasurementSlot::kFrequencies;
    generation.features = module::StandardFeatureRows();
    generation.mobileRuleProductCodes = MappedProductCodes();
    generation.graphicsCodes = GraphicsCodeTable();
    generation.nominalBusMHz = module::kNominalBusMHz;
    generation.tdpRule = kTdpRule;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = gen12::CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.expectedBusMHz = module::kNominalBusMHz;
    generation.pciActiveCoreProductCodes = PciActiveCoreProductCodes();
    generation.reconcile = module::ReconcileRule::kWhilePreproduction;
    generation.activeCoreReads = &ActiveCoreReads();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod11Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP11FenModule::CP11FenModule() : CProcessorModule(Cpumod11Generation()) {}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP11FenModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen11
