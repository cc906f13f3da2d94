#include "sondrel/gen7/p7_brook_module.h"

#include <array>

#include "sondrel/gen7/naming.h"
#include "sondrel/gen7/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/create_module.h"

namespace sondrel::gen7 {

namespace {

constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,       interface_id::kCPUSignature,  interface_id::kCPUFeatures,
    interface_id::kSpeeds,        interface_id::kCacheSizes,    interface_id::kCPUDetails,
    interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails,
};

// The product codes of the classes the register flags can demote (11, 12,
// 15, 16 and 19).
constexpr std::array kDemotedProductCodes = {
    module::ProductCodeRange{65, 66},
    module::ProductCodeRange{70, 71},
    module::ProductCodeRange{75, 75},
};

// Model nibbles the decision table knows; it decides the extended model itself.
constexpr std::array kDecisionModels = {6, 7, 12, 13, 15};
constexpr std::array kDecisionExtendedModels = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

constexpr std::uint32_t Bit(std::int32_t item) {
    return 1u << static_cast<std::uint32_t>(item - 1);
}
constexpr std::uint32_t kNotHandledItems = Bit(1) | Bit(4) | Bit(5) | Bit(14);
constexpr std::uint32_t kAlwaysItems = Bit(11) | Bit(15);

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.dispatchOverrides = DispatchOverrides();
    generation.productionValue = &ProductionValue;
    // Package cores as the front-side-bus generations count them; no
    // register field holds the core and thread counts.
    generation.packageCores = module::PackageCoreRule::kCacheLeaf;
    generation.countsFromCpuid = true;
    generation.loadThreads = module::LoadThreadPolicy::kOnePerLogicalProcessor;
    generation.measurementSlot = module::MeasurementSlot::kProcessorFrequency;
    generation.features = FeatureRows();
    generation.mobileRuleProductCodes = kDemotedProductCodes;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod7Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP7BrookModule::CP7BrookModule() : CFrontSideBusModule(Cpumod7Generation(), SpeedModel()) {}

ResultCode SONDREL_CALL CP7BrookModule::GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                                         std::int32_t* second) {
    return CheckQuery(processor, {first, second});
}

ResultCode SONDREL_CALL CP7BrookModule::GetExpectedInterconnect(std::int32_t processor,
                                                                float* interconnectMHz,
                                                                float* memoryControllerMHz) {
    return CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
}

ResultCode SONDREL_CALL CP7BrookModule::GetReportedInterconnect(std::int32_t processor,
                                                                float* interconnectMHz,
                                                                float* memoryControllerMHz) {
    return CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
}

void CP7BrookModule::ClassifyBrand() {
    gen7::ClassifyBrand(Snapshot());
}

void CP7BrookModule::ApplyMobileRule() {
    ApplyRegisterDemotions(Snapshot());
}

void CP7BrookModule::RewriteName() {
    gen7::RewriteName(Snapshot());
}

void CP7BrookModule::ComputeInfoItemWord() {
    CProcessorModule::ComputeInfoItemWord();
    Snapshot().infoItemWord = AdjustInfoItemWord(Snapshot().infoItemWord, Snapshot().productCode);
}

std::int32_t AdjustInfoItemWord(std::int32_t word, std::int32_t productCode) {
    if (productCode == module::kProductUnclassified) {
        return word;
    }
    const auto bits = static_cast<std::uint32_t>(word);
    if (productCode == module::kProductNotHandled) {
        return static_cast<std::int32_t>(bits & kNotHandledItems);
    }
    return static_cast<std::int32_t>(bits | kAlwaysItems);
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP7BrookModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                         out);
}

}  // namespace sondrel::gen7
