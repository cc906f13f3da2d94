#include "sondrel/gen12/p12_larch_module.h"

#include <array>

#include "sondrel/gen12/cache_descriptor_table.h"
#include "sondrel/gen12/frequency_decision_table.h"
#include "sondrel/gen12/pci_tables.h"
#include "sondrel/gen12/naming_rules.h"
#include "sondrel/gen12/register_field_table.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/frequency.h"

namespace sondrel::gen12 {

namespace {

constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,       interface_id::kCPUSignature,  interface_id::kCPUFeatures,
    interface_id::kSpeeds,        interface_id::kCacheSizes,    interface_id::kCPUDetails,
    interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails, interface_id::kTDP,
};

constexpr std::array kMobileRuleProductCodes = {
    module::ProductCodeRange{112, 127},
    module::ProductCodeRange{131, 161},
};

constexpr std::array kDecisionModels = {0, 1, 2, 3, 4, 5, 14};
constexpr std::array kDecisionExtendedModels = {4, 5, 8, 9};

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
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.expectedBusMHz = module::kNominalBusMHz;
    generation.pciActiveCoreProductCodes = PciActiveCoreProductCodes();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod12Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP12LarchModule::CP12LarchModule() : CProcessorModule(Cpumod12Generation()) {}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP12LarchModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                          out);
}

}  // namespace sondrel::gen12
