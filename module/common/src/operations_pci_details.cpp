// ICPUPCIDetails: values read from PCI configuration space.
#include "sondrel/module/pci.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                                           std::int32_t* second) {
    const ResultCode status = CheckQuery(processor, {first, second});
    if (status != result::kSuccess) {
        return status;
    }
    if (snapshot_.pciDetailsValid == 0) {
        return result::kPciDetailsUnavailable;
    }
    // No generation computes these values.
    *first = 0;
    *second = 0;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetExpectedInterconnect(std::int32_t processor,
                                                                  float* interconnectMHz,
                                                                  float* memoryControllerMHz) {
    const ResultCode status = CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
    if (status != result::kSuccess) {
        return status;
    }
    *interconnectMHz = snapshot_.expectedInterconnectMHz;
    *memoryControllerMHz = snapshot_.expectedMemoryControllerMHz;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetReportedInterconnect(std::int32_t processor,
                                                                  float* interconnectMHz,
                                                                  float* memoryControllerMHz) {
    const ResultCode status = CheckQuery(processor, {interconnectMHz, memoryControllerMHz});
    if (status != result::kSuccess) {
        return status;
    }
    *interconnectMHz = snapshot_.reportedInterconnectMHz;
    *memoryControllerMHz = snapshot_.reportedMemoryControllerMHz;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetChipsetDeviceId(std::int32_t processor, std::int32_t* deviceId) {
    const ResultCode status = CheckQuery(processor, {deviceId});
    if (status != result::kSuccess) {
        return status;
    }
    *deviceId = snapshot_.chipsetDeviceId;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetGraphicsCode(std::int32_t processor, std::int32_t* code) {
    const ResultCode status = CheckQuery(processor, {code});
    if (status != result::kSuccess) {
        return status;
    }
    *code = GraphicsCode(generation_.graphicsCodes, snapshot_.graphicsDeviceId, snapshot_.tdpWatts);
    return result::kSuccess;
}

}  // namespace sondrel::module
