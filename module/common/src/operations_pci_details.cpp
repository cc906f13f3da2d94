// ICPUPCIDetails: values read from PCI configuration space.
#include <algorithm>

#include "sondrel/module/processor_module.h"

namespace sondrel::module {

namespace {
constexpr std::int32_t kNoGraphics = -3;
constexpr std::int32_t kUnknownGraphics = 0;
}  // namespace

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
    // The identifier whose code depends on the base TDP joins this lookup
    // with the PCI work's graphics table.
    const std::int32_t deviceId = snapshot_.graphicsDeviceId;
    const auto& rows = generation_.graphicsCodes;
    const auto row = std::find_if(rows.begin(), rows.end(), [deviceId](const GraphicsCodeRow& candidate) {
        return candidate.deviceId == deviceId;
    });
    if (deviceId == 0) {
        *code = kNoGraphics;
    } else {
        *code = row == rows.end() ? kUnknownGraphics : row->code;
    }
    return result::kSuccess;
}

}  // namespace sondrel::module
