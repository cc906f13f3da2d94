// Frequency steps: the ratio frequency, the frequency support decision and
// the reconciliation of measured with expected values.
#include <cmath>

#include "sondrel/module/frequency.h"
#include "sondrel/module/processor_module.h"
#include "sondrel/module/text.h"

namespace sondrel::module {

namespace {

constexpr std::int32_t kReconcileSampleCount = 20;

}  // namespace

void CProcessorModule::ComputeRatioFrequency() {
    snapshot_.ratioFrequencyMHz = RatioFrequency(snapshot_.fields, snapshot_.measuredBusMHz);
}

float CProcessorModule::NominalBusQuery() {
    ComputeRatioFrequency();
    if (generation_.reportedBus == ReportedBusRule::kCoreOverRatioFrequency &&
        snapshot_.ratioFrequencyMHz > 0.0f) {
        return snapshot_.reportedCpuMHz / snapshot_.ratioFrequencyMHz;
    }
    return generation_.nominalBusMHz;
}

void CProcessorModule::DecideFrequencySupport() {
    ProcessorSnapshot& s = snapshot_;
    switch (DecideFrequencyOutcome(generation_.frequencyDecisions, s.extendedModel, s.model, s.stepping,
                                   s.productCode, s.preproductionFlag)) {
        case FrequencyOutcome::kDerive:
            CollapseSpaces(s.processorName, kCollapsedNameLimit);
            s.expectedBusMHz = generation_.expectedBusMHz;
            s.expectedCpuMHz = BrandStringFrequency(s.processorName);
            if (s.expectedCpuMHz <= 0.0f) {
                // No rated frequency: no expected values at all, the bus included.
                s.productCode = kProductUnclassified;
                s.expectedCpuMHz = 0.0f;
                s.expectedBusMHz = 0.0f;
            }
            if (generation_.reconcile == ReconcileRule::kAlways || s.preproductionFlag == 1) {
                Reconcile();
            }
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
            MarkNotHandled();
            break;
    }
}

void CProcessorModule::Reconcile() {
    ProcessorSnapshot& s = snapshot_;
    if (s.productCode == kProductUnclassified || s.productCode == kProductNotHandled) {
        return;
    }
    if (s.expectedCpuMHz < 0.0f) {
        s.productCode = kProductUnclassified;
        s.expectedCpuMHz = 0.0f;
        return;
    }
    s.reportedCpuMHz = Snap(s.reportedCpuMHz, s.expectedCpuMHz);
    s.reportedBusMHz = Snap(NominalBusQuery(), s.expectedBusMHz);
    // Whole megahertz compared; truncated as floats so that no value is out of range.
    if (std::trunc(s.reportedCpuMHz) >= std::trunc(s.expectedCpuMHz) &&
        std::trunc(s.expectedBusMHz) == std::trunc(s.reportedBusMHz)) {
        return;
    }
    // MeasureSpeeds answers only a ready module.
    const float reconciledCpuMHz = s.reportedCpuMHz;
    const float reconciledBusMHz = s.reportedBusMHz;
    float cpuMHz = 0.0f;
    float busMHz = 0.0f;
    std::int32_t auxOut = 1;
    bookkeeping_.readyFlag = 1;
    const ResultCode status =
        MeasureSpeeds(bookkeeping_.currentProcessor, &cpuMHz, &busMHz, kReconcileSampleCount, &auxOut, 0);
    bookkeeping_.readyFlag = 0;
    if (status != result::kSuccess) {
        // Not an error of initialisation; the first reconciliation stands.
        s.reportedCpuMHz = reconciledCpuMHz;
        s.reportedBusMHz = reconciledBusMHz;
        return;
    }
    s.reportedCpuMHz = Snap(cpuMHz, s.expectedCpuMHz);
    ComputeRatioFrequency();
    s.reportedBusMHz = Snap(busMHz, s.expectedBusMHz);
}

}  // namespace sondrel::module
