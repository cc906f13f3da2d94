// CollectProcessorData: the session calls, then the module's interfaces in
// a fixed order.
#include "sondrel/app/collection.h"

#include "collection_steps.h"
#include "sondrel/app/derived_counts.h"

namespace sondrel::app {

namespace {

// Drops the module held in the sheet's slot on every way out.
class ModuleSlotGuard {
public:
    explicit ModuleSlotGuard(MainSheetState& sheet) : sheet_(sheet) { Clear(); }
    ~ModuleSlotGuard() { Clear(); }
    ModuleSlotGuard(const ModuleSlotGuard&) = delete;
    ModuleSlotGuard& operator=(const ModuleSlotGuard&) = delete;

    void Clear() {
        if (sheet_.processorModule != nullptr) {
            sheet_.processorModule->DropReference();
            sheet_.processorModule = nullptr;
        }
    }

private:
    MainSheetState& sheet_;
};

void CollectFromModule(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    using namespace collection;
    CollectInformation(module, processor, record);
    CollectSignature(module, processor, record);
    CollectFeatures(module, processor, record);
    CollectCaches(module, processor, record);
    CollectSpeeds(module, processor, record);
    CollectDetails(module, processor, record);
    CollectMultiCoreDetails(module, processor, record);
    CollectPciDetails(module, processor, record);
    CollectThermalDesignPower(module, processor, record);
}

}  // namespace

ResultCode CollectProcessorData(MainSheetState& sheet, IBrokerSession& session, std::int32_t processor,
                                SystemRecord& record) {
    ResetSystemRecord(record);
    record.logicalProcessorCount = sheet.logicalProcessorCount;
    record.currentProcessor = processor;

    ModuleSlotGuard slot(sheet);
    void* root = nullptr;
    ResultCode code = session.GetProcessorModule(processor, &root);
    if (code != result::kSuccess) {
        return code;
    }
    if (root == nullptr) {
        return result::kUnexpectedFailure;
    }
    sheet.processorModule = static_cast<IFreqIDUnknown*>(root);
    code = session.GetMaxCpuidLeaf(processor, &sheet.maxCpuidLeaf);
    if (code != result::kSuccess) {
        return code;
    }
    code = session.GetModuleNumber(&record.moduleNumber);
    if (code != result::kSuccess) {
        return code;
    }

    try {
        CollectFromModule(*sheet.processorModule, processor, record);
    } catch (...) {
        return result::kUnexpectedFailure;
    }
    slot.Clear();
    DeriveCacheCounts(record);
    return result::kSuccess;
}

}  // namespace sondrel::app
