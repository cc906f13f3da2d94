#include "sondrel/gen0/future_module.h"

#include <array>
#include <span>
#include <vector>

#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/information.h"
#include "sondrel/module/information_rules.h"
#include "sondrel/module/text.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::gen0 {

namespace {

using module::ProcessorSnapshot;

constexpr std::array kInterfaces = {interface_id::kCPUInfo, interface_id::kCPUSignature,
                                    interface_id::kCPUFeatures};

constexpr std::array kFeatureCodes = {10, 20, 30, 60, 70, 80, 100};

std::span<const module::FeatureRow> Features() {
    static const std::vector<module::FeatureRow> rows = [] {
        std::vector<module::FeatureRow> kept;
        for (const module::FeatureRow& row : module::StandardFeatureRows()) {
            if (module::Contains(kFeatureCodes, row.code)) {
                kept.push_back(row);
            }
        }
        return kept;
    }();
    return rows;
}

constexpr module::PackageChoice kNoPackage{-2, kUnknownPackage};

// No package, logo or item tables: every processor has the unknown package.
const module::InformationRules& Information() {
    static const module::InformationRules information = [] {
        module::InformationRules rules{};
        rules.otherPackage = kNoPackage;
        return rules;
    }();
    return information;
}

module::GenerationDescription Describe() {
    module::GenerationDescription generation{};
    generation.moduleNumber = kModuleNumber;
    generation.interfaces = kInterfaces;
    generation.loadThreads = module::LoadThreadPolicy::kNone;
    generation.features = Features();
    generation.information = &Information();
    return generation;
}

constexpr std::uint32_t kVendorLeaf = 0x0;
constexpr std::uint32_t kSignatureLeaf = 0x1;
constexpr std::uint32_t kExtendedFeatureLeaf = 0x80000001;

std::int32_t Bit(std::uint32_t value, unsigned bit) {
    return BitsAsInt(value, bit, 1);
}

constexpr std::uint32_t ItemBit(std::int32_t item) {
    return 1u << static_cast<std::uint32_t>(item - 1);
}

constexpr std::array kAnsweredItems = {1, 2, 5, 11, 12, 14, 16};

// Item 2: family 5, type 0 with model 1 and stepping 3 or 5, or type 0 or 2
// with model 2 and stepping 1 or 2.
struct OldSignature {
    std::int32_t model;
    std::array<std::int32_t, 2> types;
    std::array<std::int32_t, 2> steppings;
};
constexpr std::int32_t kOldFamily = 5;
constexpr std::array kOldSignatures = {
    OldSignature{1, {0, 0}, {3, 5}},
    OldSignature{2, {0, 2}, {1, 2}},
};

bool OldSignatureHolds(const ProcessorSnapshot& s) {
    if (s.family != kOldFamily) {
        return false;
    }
    for (const OldSignature& old : kOldSignatures) {
        if (s.model == old.model && module::Contains(old.types, s.processorType) &&
            module::Contains(old.steppings, s.stepping)) {
            return true;
        }
    }
    return false;
}

// Drops the interface at scope end.
class AccessReference {
public:
    ~AccessReference() {
        if (access_ != nullptr) {
            access_->DropReference();
        }
    }
    void** Out() { return reinterpret_cast<void**>(&access_); }
    IProcessorAccess* Get() const { return access_; }

private:
    IProcessorAccess* access_ = nullptr;
};

}  // namespace

const module::GenerationDescription& Cpumod0Generation() {
    static const module::GenerationDescription generation = Describe();
    return generation;
}

CFutureModule::CFutureModule() : CProcessorModule(Cpumod0Generation()) {}

ResultCode SONDREL_CALL CFutureModule::Initialize(std::int32_t processor) {
    Snapshot() = ProcessorSnapshot{};
    State().readyFlag = 0;
    ResultCode status = result::kSuccess;
    {
        AccessReference access;
        status = ObtainDataModuleInterface(interface_id::kProcessorAccess, access.Out());
        if (status != result::kSuccess) {
            return status;
        }
        status = ReadSnapshot(*access.Get(), processor);
    }
    if (status != result::kSuccess) {
        return status;
    }
    ProcessorSnapshot& s = Snapshot();
    s.productCode = module::kProductNotHandled;
    // The brand string stays the name only when the language file lacks the string.
    char name[kNameBufferSize] = {};
    if (language::ResourceReader(LanguageFile()).LoadString(kFutureProcessorName, std::span(name))) {
        module::CopyBounded(s.processorName, sizeof s.processorName, name);
    }
    RunPackageStep();
    s.infoItemWord = FutureInfoItemWord(s);
    State().readyFlag = 1;
    return result::kSuccess;
}

ResultCode CFutureModule::ReadSnapshot(IProcessorAccess& access, std::int32_t processor) {
    ProcessorSnapshot& s = Snapshot();
    State().currentProcessor = -1;
    std::int32_t count = 0;
    if (access.GetProcessorCount(&count) != result::kSuccess) {
        return result::kFileNotFound;
    }
    State().processorCount = count;
    if (processor < 1 || processor > count) {
        return result::kProcessorOutOfRange;
    }
    State().currentProcessor = processor;
    std::int32_t present = 0;
    ResultCode status = access.GetPresence(processor, &present);
    if (status != result::kSuccess) {
        return status;
    }
    if (present == 0) {
        return result::kProcessorNotPresent;
    }

    CpuidRegisters regs{};
    status = access.RunCpuid(processor, kVendorLeaf, 0, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    s.maxStandardLeaf = Bits(regs.eax, 0, 8);
    status = access.RunCpuid(processor, kSignatureLeaf, kSignatureLeaf, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    s.stepping = BitsAsInt(regs.eax, 0, 4);
    s.model = BitsAsInt(regs.eax, 4, 4);
    s.family = BitsAsInt(regs.eax, 8, 4);
    s.processorType = BitsAsInt(regs.eax, 12, 2);
    s.extendedModel = BitsAsInt(regs.eax, 16, 4);
    s.extendedFamily = BitsAsInt(regs.eax, 20, 8);
    s.mmx = Bit(regs.edx, 23);
    s.sse = Bit(regs.edx, 25);
    s.sse2 = Bit(regs.edx, 26);
    s.sse3 = Bit(regs.ecx, 0);
    s.virtualization = Bit(regs.ecx, 5);
    s.eqrtSupported = Bit(regs.ecx, 7);
    s.sse4 = Bit(regs.ecx, 19) != 0 ? 1 : Bit(regs.ecx, 20);

    status = access.RunCpuid(processor, kExtendedFeatureLeaf, s.maxStandardLeaf, &regs);
    if (status != result::kSuccess) {
        return status;
    }
    s.arch64 = Bit(regs.edx, 29);
    s.executeDisable = Bit(regs.edx, 20);

    char brand[kNameBufferSize] = {};
    status = access.GetBrandString(processor, brand);
    if (status != result::kSuccess) {
        return status;
    }
    brand[kNameBufferSize - 1] = '\0';
    module::CopyBounded(s.processorName, sizeof s.processorName, brand);
    module::CollapseSpaces(s.processorName, module::kCollapsedNameLimit);
    return result::kSuccess;
}

ResultCode SONDREL_CALL CFutureModule::GetInfoItem(std::int32_t processor, std::int32_t item,
                                                   std::int32_t* value) {
    const ResultCode status = CheckQuery(processor, {value});
    if (status != result::kSuccess) {
        return status;
    }
    *value = AnswersInfoItem(item)
                 ? ((static_cast<std::uint32_t>(Snapshot().infoItemWord) & ItemBit(item)) != 0 ? 1 : 0)
                 : -1;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CFutureModule::GetRevision(std::int32_t processor, std::int32_t* revision) {
    const ResultCode status = CheckQuery(processor, {revision});
    return status != result::kSuccess ? status : result::kRevisionUndeterminable;
}

ResultCode SONDREL_CALL CFutureModule::GetFeature(std::int32_t processor, std::int32_t featureCode,
                                                  std::int32_t* state) {
    const ResultCode status = CheckQuery(processor, {state});
    if (status != result::kSuccess) {
        return status;
    }
    if (featureCode == kTwinstrandFeature) {
        return result::kFeatureUndeterminable;
    }
    return CProcessorModule::GetFeature(processor, featureCode, state);
}

std::int32_t FutureInfoItemWord(const ProcessorSnapshot& s) {
    std::uint32_t word = ItemBit(1) | ItemBit(5) | ItemBit(11);
    if (OldSignatureHolds(s)) {
        word |= ItemBit(2);
    }
    if (s.arch64 == 1) {
        word |= ItemBit(12);
    }
    if (s.eqrtSupported == 1) {
        word |= ItemBit(14);
    }
    if (s.virtualization == 1) {
        word |= ItemBit(16);
    }
    return static_cast<std::int32_t>(word);
}

bool AnswersInfoItem(std::int32_t item) {
    return module::Contains(kAnsweredItems, item);
}

ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out) {
    return module::CreateProcessorModule<CFutureModule>(interfaceId, verificationHandle, dataModuleFileName,
                                                        out);
}

}  // namespace sondrel::gen0
