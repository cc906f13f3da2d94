// ICPUSignature: the fields of CPUID leaf 1.
#include "answer.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetExtendedFamily(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.extendedFamily, value);
}

ResultCode SONDREL_CALL CProcessorModule::GetFamily(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.family, value);
}

ResultCode SONDREL_CALL CProcessorModule::GetExtendedModel(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.extendedModel, value);
}

ResultCode SONDREL_CALL CProcessorModule::GetModel(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.model, value);
}

ResultCode SONDREL_CALL CProcessorModule::GetStepping(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.stepping, value);
}

ResultCode SONDREL_CALL CProcessorModule::GetProcessorType(std::int32_t processor, std::int32_t* value) {
    return Answer(CheckQuery(processor, {value}), snapshot_.processorType, value);
}

}  // namespace sondrel::module
