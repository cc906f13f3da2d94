#include "sondrel/gen5/p5_glen_module.h"

#include <array>

#include "sondrel/gen5/naming.h"
#include "sondrel/gen5/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"

namespace sondrel::gen5 {

namespace {

// Up to ICPUDetails: no multi-core or PCI details.
constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,   interface_id::kCPUSignature, interface_id::kCPUFeatures,
    interface_id::kSpeeds,    interface_id::kCacheSizes,   interface_id::kCPUDetails,
};

// Models 9, 13 and 14 of extended model 0; anything else is not handled.
constexpr std::array kDecisionModels = {9, 13, 14};
constexpr std::array kDecisionExtendedModels = {0};

constexpr std::uint32_t Bit(std::int32_t item) {
    return 1u << static_cast<std::uint32_t>(item - 1);
}
constexpr std::uint32_t kNotHandledItems = Bit(1);
constexpr std::uint32_t kAlwaysItems = Bit(11) | Bit(15);

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.dispatchOverrides = DispatchOverrides();
    // Package cores from leaf 4 where the processor has it (two-core parts
    // of model 14), one otherwise; no register field holds the counts.
    generation.packageCores = module::PackageCoreRule::kCacheLeaf;
    generation.countsFromCpuid = true;
    generation.loadThreads = module::LoadThreadPolicy::kOnePerLogicalProcessor;
    generation.measurementSlot = module::MeasurementSlot::kProcessorFrequency;
    generation.features = FeatureRows();
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod5Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP5GlenModule::CP5GlenModule() : CFrontSideBusModule(Cpumod5Generation(), SpeedModel()) {}

void CP5GlenModule::ClassifyBrand() {
    gen5::ClassifyBrand(Snapshot());
}

void CP5GlenModule::ComputeInfoItemWord() {
    CProcessorModule::ComputeInfoItemWord();
    Snapshot().infoItemWord = AdjustInfoItemWord(Snapshot().infoItemWord, Snapshot().productCode);
}

ResultCode CP5GlenModule::LoadLogoBitmap(BitmapHandle* bitmap) {
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
    return module::CreateProcessorModule<CP5GlenModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen5
