// The front-side-bus speed model as module steps: ratio selection, the bus
// rule, the Derive outcome with its reconciliation, and MeasureSpeeds.
#include "sondrel/module/front_side_bus_module.h"

#include <cmath>

#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module/frequency.h"
#include "sondrel/module/text.h"
#include "sondrel/platform/load_threads.h"

namespace sondrel::module {

namespace {

constexpr std::int32_t kReconcileSampleCount = 20;

}  // namespace

CFrontSideBusModule::CFrontSideBusModule(const GenerationDescription& generation,
                                         const FrontSideBusModel& bus)
    : CProcessorModule(generation), bus_(bus) {}

void CFrontSideBusModule::ComputeRatioFrequency() {
    Snapshot().frontSideBus.coreRatio = SelectCoreRatio(bus_.ratioRules, Snapshot());
}

float CFrontSideBusModule::NominalBusQuery() {
    return ReportedBus(bus_, Snapshot());
}

void CFrontSideBusModule::NotHandled() {
    Snapshot().productCode = kProductNotHandled;
    Snapshot().expectedCpuMHz = 0.0f;
}

void CFrontSideBusModule::DecideFrequencySupport() {
    ProcessorSnapshot& s = Snapshot();
    switch (DecideFrequencyOutcome(Generation().frequencyDecisions, s.extendedModel, s.model, s.stepping,
                                   s.productCode, s.preproductionFlag)) {
        case FrequencyOutcome::kDerive:
            Derive();
            break;
        case FrequencyOutcome::kClear:
            s.expectedCpuMHz = 0.0f;
            s.preproductionFlag = 0;
            s.processorName[0] = '\0';
            break;
        case FrequencyOutcome::kUnclassified:
            s.productCode = kProductUnclassified;
            s.expectedCpuMHz = 0.0f;
            break;
        case FrequencyOutcome::kDeriveOrClear:  // resolved by the decision
        case FrequencyOutcome::kUnsupported:
            NotHandled();
            break;
    }
    if (bus_.multiCoreEnabledField != 0) {
        s.multiCoreEnabled = s.fields.Value(bus_.multiCoreEnabledField);
    }
    if (bus_.multiCoreSetField != 0) {
        s.frontSideBus.multiCoreSet = s.fields.Value(bus_.multiCoreSetField);
    }
}

void CFrontSideBusModule::NormaliseName() {
    CollapseSpaces(Snapshot().processorName, kCollapsedNameLimit);
    RewriteName();
}

void CFrontSideBusModule::Derive() {
    ProcessorSnapshot& s = Snapshot();
    const auto busClock = BusClock(bus_, s);
    if (!busClock) {
        NotHandled();
        return;
    }
    s.frontSideBus.busClockMHz = *busClock;
    s.expectedCpuMHz = BrandStringFrequency(s.processorName);
    if (s.expectedCpuMHz <= 0.0f) {
        // No rated frequency: no expected values at all, the bus included.
        s.productCode = kProductUnclassified;
        s.expectedCpuMHz = 0.0f;
        s.expectedBusMHz = 0.0f;
    } else {
        s.expectedBusMHz = ExpectedBus(bus_, s, *busClock);
    }
    NormaliseName();
    Reconcile();
}

void CFrontSideBusModule::Reconcile() {
    ProcessorSnapshot& s = Snapshot();
    if (s.productCode == kProductUnclassified || s.productCode == kProductNotHandled ||
        s.preproductionFlag == 0) {
        return;
    }
    if (s.expectedCpuMHz < 0.0f) {
        s.productCode = kProductUnclassified;
        s.expectedCpuMHz = 0.0f;
        return;
    }
    s.reportedCpuMHz = Snap(s.reportedCpuMHz, s.expectedCpuMHz);
    s.reportedBusMHz = ReportedBus(bus_, s);
    // Whole megahertz compared; truncated as floats so that no value is out of range.
    if (std::trunc(s.expectedCpuMHz) == std::trunc(s.reportedCpuMHz) &&
        std::trunc(s.expectedBusMHz) == std::trunc(s.reportedBusMHz)) {
        return;
    }
    const float reconciledCpuMHz = s.reportedCpuMHz;
    const float reconciledBusMHz = s.reportedBusMHz;
    float cpuMHz = 0.0f;
    float busMHz = 0.0f;
    std::int32_t auxOut = 1;
    // MeasureSpeeds answers only a ready module.
    State().readyFlag = 1;
    const ResultCode status =
        MeasureSpeeds(State().currentProcessor, &cpuMHz, &busMHz, kReconcileSampleCount, &auxOut, 0);
    State().readyFlag = 0;
    // The measurement's refresh read the brand string afresh.
    NormaliseName();
    if (status != result::kSuccess) {
        // Not an error of initialisation; the first reconciliation stands.
        s.reportedCpuMHz = reconciledCpuMHz;
        s.reportedBusMHz = reconciledBusMHz;
        return;
    }
    s.reportedCpuMHz = Snap(cpuMHz, s.expectedCpuMHz);
    s.reportedBusMHz = ReportedBus(bus_, s);
}

ResultCode SONDREL_CALL CFrontSideBusModule::MeasureSpeeds(std::int32_t processor, float* cpuMHz,
                                                           float* busMHz, std::int32_t sampleCount,
                                                           std::int32_t* auxOut, std::int32_t auxIn) {
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
    float unusedBusMHz = 0.0f;
    status = Measure(*access.Get(), processor, sampleCount, &measuredCpuMHz, &unusedBusMHz, auxOut, auxIn);
    if (status != result::kSuccess) {
        return status;
    }
    ProcessorSnapshot& s = Snapshot();
    platform::LoadThreads load;
    if (bus_.loadWhileRefreshing && !load.Start(s.packageCores)) {
        return result::kLoadThreadFailed;
    }
    // A failing refresh is reported, but the measurement is kept all the same.
    const ResultCode refresh = RunSnapshotPass(State().currentProcessor);
    if (MaxRatio(s) > s.frontSideBus.coreRatio) {
        s.frontSideBus.coreRatio = SelectCoreRatio(bus_.ratioRules, s);
    }
    load.Stop();
    s.reportedCpuMHz = s.expectedCpuMHz > 0.0f ? Snap(measuredCpuMHz, s.expectedCpuMHz) : measuredCpuMHz;
    s.reportedBusMHz = ReportedBus(bus_, s);
    *cpuMHz = s.reportedCpuMHz;
    *busMHz = s.reportedBusMHz;
    return refresh;
}

}  // namespace sondrel::module
