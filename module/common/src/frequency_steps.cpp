// Frequency steps.
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

void CProcessorModule::ComputeRatioFrequency() {
    // Filled by the frequency work: ratioFrequencyMHz from the register fields.
}

float CProcessorModule::NominalBusQuery() {
    ComputeRatioFrequency();
    return generation_.nominalBusMHz;
}

void CProcessorModule::DecideFrequencySupport() {
    // Filled by the frequency work: the decision table and the reconciliation.
}

}  // namespace sondrel::module
