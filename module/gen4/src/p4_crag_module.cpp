#include "sondrel/gen4/p4_crag_module.h"

#include <array>

#include "sondrel/gen4/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"

namespace sondrel::gen4 {

namespace {

constexpr std::array kInterfaces = {
    interface_id::kCPUInfo, interface_id::kCPUSignature, interface_id::kCPUFeatures,
    interface_id::kSpeeds,  interface_id::kCacheSizes,
};

// Every product code the module gives is taken again once the register
// fields are read.
constexpr std::array kRegisterClassifiedCodes = {module::ProductCodeRange{48, 53}};

constexpr std::array kDecisionModels = {kModel};
constexpr std::array kDecisionExtendedModels = {0};

// The data module's measuring mode for this generation's processors.
constexpr std::int32_t kMeasurementMode = 500;

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.requiredFamily = kFamily;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.dispatchOverrides = DispatchOverrides();
    // No register field holds the core and thread counts.
    generation.packageCores = module::PackageCoreRule::kCacheLeaf;
    generation.countsFromCpuid = true;
    generation.loadThreads = module::LoadThreadPolicy::kNone;
    generation.measurementSlot = module::MeasurementSlot::kProcessorFrequency;
    generation.measurementMode = kMeasurementMode;
    generation.discardInvalidMeasurements = true;
    generation.features = FeatureRows();
    generation.mobileRuleProductCodes = kRegisterClassifiedCodes;
    generation.instructionCacheUnit = module::kThousandMicroOperationsUnit;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod4Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP4CragModule::CP4CragModule() : CFrontSideBusModule(Cpumod4Generation(), SpeedModel()) {}

// Once Initialize has decided the product code, the refreshes of
// MeasureSpeeds keep it: a processor found not handled (an "FSBSel" outside
// the table, say) must not turn back into a classified one.
void CP4CragModule::ClassifyBrand() {
    if (State().readyFlag == 1) {
        return;
    }
    module::ProcessorSnapshot& s = Snapshot();
    s.brandClass = 0;
    s.productCode = ProductCodeBySignature(s);
    if (s.productCode == module::kProductNotHandled) {
        s.expectedCpuMHz = 0.0f;
    }
}

void CP4CragModule::ApplyMobileRule() {
    module::ProcessorSnapshot& s = Snapshot();
    DecodeMaxRatio(s);
    if (State().readyFlag == 1) {
        return;
    }
    s.productCode = ProductCode(s);
    if (s.productCode == module::kProductNotHandled) {
        s.expectedCpuMHz = 0.0f;
    }
}

void CP4CragModule::ComputeInfoItemWord() {
    Snapshot().infoItemWord = InfoItemWord(Snapshot());
}

ResultCode CP4CragModule::LoadLogoBitmap(BitmapHandle* bitmap) {
    const auto bitmapId = LogoBitmap(Snapshot().productCode, Snapshot().stepping);
    if (!bitmapId) {
        return result::kNoLogoBitmap;
    }
    // Written even when the picture cannot be loaded; the caller owns it.
    *bitmap = language::ResourceReader(LanguageFile()).LoadPicture(*bitmapId);
    return result::kSuccess;
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP4CragModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen4
