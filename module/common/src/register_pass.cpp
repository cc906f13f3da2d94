// The register pass: build the list from the generation's table, have the
// data module read it, dispatch every node and free the list again.
#include <new>

#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/processor_module.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_list.h"

namespace sondrel::module {

ResultCode CProcessorModule::RunRegisterPass(IRegisterFields& fields, std::int32_t processor) {
    if (processor < 1 || processor > bookkeeping_.processorCount) {
        return result::kProcessorOutOfRange;
    }
    const ResultCode status = ReadRegisterFields(fields, processor);
    if (generation_.countsFromCpuid) {
        TakeCountsFromCpuid(snapshot_);
    }
    if (InRanges(generation_.mobileRuleProductCodes, snapshot_.productCode)) {
        ApplyMobileRule();
    }
    return status;
}

ResultCode CProcessorModule::ReadRegisterFields(IRegisterFields& fields, std::int32_t processor) {
    RegisterFieldListStorage list(registerListMemory_);
    // A processor this module does not handle gets an empty list, which
    // still yields the revision.
    if (snapshot_.productCode != kProductNotHandled) {
        const FieldConditionFlags conditions{.virtualization = snapshot_.virtualization != 0,
                                             .secondThermalMonitor = snapshot_.secondThermalMonitor != 0,
                                             .frequencyScaling = snapshot_.eqrtSupported != 0};
        const ResultCode built = list.Build(generation_.registerFields, conditions);
        if (built != result::kSuccess) {
            return built;
        }
    }
    RegisterFieldList* header = list.Header();
    const ResultCode call = fields.ReadRegisterFields(processor, header);
    if (header->errorCode != result::kSuccess) {
        return header->errorCode;
    }
    if (call != result::kSuccess) {
        return call;
    }
    const DispatchRules rules{.tdpRule = generation_.tdpRule,
                              .overrides = generation_.dispatchOverrides,
                              .productionValue = generation_.productionValue};
    bool allRead = true;
    for (const RegisterFieldNode* node = header->first; node != nullptr; node = node->next) {
        allRead = DispatchRegisterField(*node, snapshot_, rules) && allRead;
    }
    snapshot_.revision = header->revision;
    snapshot_.revisionAvailable = header->revisionUnavailable != 0 ? 0 : 1;
    return allRead ? result::kSuccess : result::kRegisterFieldUnread;
}

}  // namespace sondrel::module
