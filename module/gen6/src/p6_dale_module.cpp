#include "sondrel/gen6/p6_dale_module.h"

#include <array>

#include "sondrel/gen6/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"

namespace sondrel::gen6 {

namespace {

constexpr std::array kInterfaces = {
    interface_id::kCPUInfo, interface_id::kCPUSignature, interface_id::kCPUFeatures,
    interface_id::kSpeeds,  interface_id::kCacheSizes,   interface_id::kCPUDetails,
};

// Every product code the brand step gives a handled processor: the end of
// each register pass sets its compatibility guide.
constexpr std::array kGuideProductCodes = {
    module::ProductCodeRange{48, 49},
    module::ProductCodeRange{52, 52},
    module::ProductCodeRange{56, 56},
    module::ProductCodeRange{58, 59},
};

// The family-15 models this module serves, all of extended model 0.
constexpr std::int32_t kFamily = 15;
constexpr std::array kDecisionModels = {3, 4, 6};
constexpr std::array kDecisionExtendedModels = {0};

constexpr std::uint32_t Bit(std::int32_t item) {
    return 1u << static_cast<std::uint32_t>(item - 1);
}
constexpr std::uint32_t kNotHandledItems = Bit(1);
constexpr std::uint32_t kAlwaysItems = Bit(3) | Bit(5) | Bit(11);

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    // The CPUID pass's family gate, read for this module: family 15 passes,
    // any other family is refused with 0x80041F57.
    generation.requiredFamily = kFamily;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.dispatchOverrides = DispatchOverrides();
    // "Production" reads 1 on a production part (the default value).
    generation.productionValue = nullptr;
    generation.packageCores = module::PackageCoreRule::kCacheLeaf;
    // No "CoreCount" or "ThreadCount" field: both counts come from CPUID.
    generation.countsFromCpuid = true;
    generation.loadThreads = module::LoadThreadPolicy::kSingleThenWait;
    generation.measurementSlot = module::MeasurementSlot::kProcessorFrequency;
    generation.features = FeatureRows();
    generation.mobileRuleProductCodes = kGuideProductCodes;
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

const module::GenerationDescription& Cpumod6Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP6DaleModule::CP6DaleModule() : CFrontSideBusModule(Cpumod6Generation(), SpeedModel()) {}

void CP6DaleModule::ClassifyBrand() {
    gen6::ClassifyBrand(Snapshot());
}

void CP6DaleModule::ApplyMobileRule() {
    SetCompatibilityGuide(Snapshot());
}

void CP6DaleModule::DecideFrequencySupport() {
    CFrontSideBusModule::DecideFrequencySupport();
    SetCompatibilityGuide(Snapshot());
}

void CP6DaleModule::ComputeInfoItemWord() {
    CProcessorModule::ComputeInfoItemWord();
    Snapshot().infoItemWord = AdjustInfoItemWord(Snapshot().infoItemWord, Snapshot().productCode);
}

ResultCode CP6DaleModule::LoadLogoBitmap(BitmapHandle* bitmap) {
    const module::ProcessorSnapshot& s = Snapshot();
    const auto bitmapId = FindLogo(s.productCode, s.model);
    if (!bitmapId) {
        return result::kNoLogoBitmap;
    }
    // Written even when the picture cannot be loaded; the caller owns it.
    *bitmap = language::ResourceReader(LanguageFile()).LoadPicture(*bitmapId);
    return result::kSuccess;
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
    return module::CreateProcessorModule<CP6DaleModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen6
