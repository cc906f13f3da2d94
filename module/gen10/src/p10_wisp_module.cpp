#include "sondrel/gen10/p10_wisp_module.h"

#include <array>

#include "sondrel/gen10/tables.h"
#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/frequency.h"

namespace sondrel::gen10 {

namespace {

// Every interface of Cpumod12 but ITDP.
constexpr std::array kInterfaces = {
    interface_id::kCPUInfo,       interface_id::kCPUSignature,  interface_id::kCPUFeatures,
    interface_id::kSpeeds,        interface_id::kCacheSizes,    interface_id::kCPUDetails,
    interface_id::kCPUCMPDetails, interface_id::kCPUPCIDetails,
};

constexpr std::array kDecisionModels = {6, 7, 12, 13};
constexpr std::array kDecisionExtendedModels = {2, 3, 4};

constexpr std::int32_t kItem6Bit = 1 << 5;
constexpr std::int32_t kItem7Bit = 1 << 6;

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.registerFields = RegisterFieldTable();
    generation.loadThreads = module::LoadThreadPolicy::kOnePerLogicalProcessor;
    // The processor frequency alone: no bus clock is measured.
    generation.measurementSlot = module::MeasurementSlot::kProcessorFrequency;
    generation.features = module::StandardFeatureRows();
    generation.nominalBusMHz = module::kNominalBusMHz;
    generation.decisionModels = kDecisionModels;
    generation.decisionExtendedModels = kDecisionExtendedModels;
    generation.cacheDescriptors = CacheDescriptorTable();
    generation.frequencyDecisions = FrequencyDecisionTable();
    generation.expectedBusMHz = module::kNominalBusMHz;
    // No "CoreCount" is read: every product code counts against the active cores.
    generation.pciActiveCoreProductCodes = MappedProductCodes();
    generation.naming = &NamingRules();
    generation.information = &InformationRules();
    return generation;
}

}  // namespace

const module::GenerationDescription& Cpumod10Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CP10WispModule::CP10WispModule() : CProcessorModule(Cpumod10Generation()) {}

ResultCode SONDREL_CALL CP10WispModule::GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                                         std::int32_t* second) {
    return CheckQuery(processor, {first, second});
}

ResultCode SONDREL_CALL CP10WispModule::GetExpectedInterconnect(std::int32_t processor,
                                                                float* interconnectMHz,
                                                                float* memoryControllerMHz) {
    return CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
}

ResultCode SONDREL_CALL CP10WispModule::GetReportedInterconnect(std::int32_t processor,
                                                                float* interconnectMHz,
                                                                float* memoryControllerMHz) {
    return CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
}

ResultCode SONDREL_CALL CP10WispModule::GetGraphicsCode(std::int32_t processor, std::int32_t* code) {
    const ResultCode status = CheckQuery(processor, {code});
    if (status != result::kSuccess) {
        return status;
    }
    const module::ProcessorSnapshot& s = Snapshot();
    if (const auto graphics = gen10::GraphicsCode(s.family, s.extendedModel, s.model, s.graphicsDeviceId)) {
        *code = *graphics;
    }
    return result::kSuccess;
}

void CP10WispModule::CountDisabledCores() {
    // This generation reads no core and thread counts from register fields;
    // after the decision it takes them from PCI and CPUID, so that the
    // active cores, the thread count and the package count mean what they
    // mean in the other generations.
    module::ProcessorSnapshot& s = Snapshot();
    s.fields.values[module::field_id::kCoreCount] = s.pciActiveCores;
    s.fields.values[module::field_id::kThreadCount] = s.packageThreads;
    CProcessorModule::CountDisabledCores();
}

void CP10WispModule::ComputeInfoItemWord() {
    CProcessorModule::ComputeInfoItemWord();
    module::ProcessorSnapshot& s = Snapshot();
    if (s.infoItemWord == 0) {
        return;  // product code 0: no item at all
    }
    s.infoItemWord &= ~(kItem6Bit | kItem7Bit);
    if (s.mobileFlag == 0) {
        s.infoItemWord |= kItem6Bit;
    }
}

ResultCode CP10WispModule::LoadLogoBitmap(BitmapHandle* bitmap) {
    const module::ProcessorSnapshot& s = Snapshot();
    const auto bitmapId = FindLogo(s.productCode, s.extendedModel);
    if (!bitmapId) {
        return result::kNoLogoBitmap;
    }
    // Written even when the picture cannot be loaded; the caller owns it.
    *bitmap = language::ResourceReader(LanguageFile()).LoadPicture(*bitmapId);
    return result::kSuccess;
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CP10WispModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                         out);
}

}  // namespace sondrel::gen10
