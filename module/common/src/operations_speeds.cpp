// ISpeeds: expected and reported frequencies, and a fresh measurement.
#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/frequency.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

ResultCode SONDREL_CALL CProcessorModule::GetExpectedSpeeds(std::int32_t processor, float* cpuMHz,
                                                            float* busMHz) {
    const ResultCode status = CheckQuery(processor, {cpuMHz, busMHz});
    if (status != result::kSuccess) {
        return status;
    }
    *cpuMHz = snapshot_.expectedCpuMHz;
    *busMHz = snapshot_.expectedBusMHz;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetReportedSpeeds(std::int32_t processor, float* cpuMHz,
                                                            float* busMHz) {
    const ResultCode status = CheckQuery(processor, {cpuMHz, busMHz});
    if (status != result::kSuccess) {
        return status;
    }
    *cpuMHz = snapshot_.reportedCpuMHz;
    *busMHz = snapshot_.reportedBusMHz;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::MeasureSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz,
                                                        std::int32_t sampleCount, std::int32_t* auxOut,
                                                        std::int32_t auxIn) {
    ResultCode status = CheckQuery(processor, {cpuMHz, busMHz});
    if (status != result::kSuccess) {
        return status;
    }
    HeldInterface<IProcessorAccess> access;
    status = ObtainDataModuleInterface(interface_id::kProcessorAccess, access.Out());
    if (status != result::kSuccess) {
        return status;
    }
    float measuredCpuMHz = 0.0f;
    float measuredBusMHz = 0.0f;
    status = Measure(*access.Get(), processor, sampleCount, &measuredCpuMHz, &measuredBusMHz, auxOut, auxIn);
    if (status != result::kSuccess) {
        return status;
    }
    // A failing refresh is reported, but the measurement is kept all the same.
    const ResultCode refresh = RunSnapshotPass(processor);
    ComputeRatioFrequency();
    snapshot_.reportedCpuMHz =
        snapshot_.expectedCpuMHz > 0.0f ? Snap(measuredCpuMHz, snapshot_.expectedCpuMHz) : measuredCpuMHz;
    snapshot_.measuredBusMHz = measuredBusMHz;
    snapshot_.reportedBusMHz = NominalBusQuery();
    *cpuMHz = snapshot_.reportedCpuMHz;
    *busMHz = snapshot_.reportedBusMHz;
    return refresh;
}

}  // namespace sondrel::module
