// The module object of the generations whose bus clock is selected by
// "FSBSel": the framework with the front-side-bus speed model in place of
// the fixed nominal bus. A generation passes its FrontSideBusModel beside
// its GenerationDescription.
#pragma once

#include "sondrel/module/front_side_bus.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

class CFrontSideBusModule : public CProcessorModule {
public:
    CFrontSideBusModule(const GenerationDescription& generation, const FrontSideBusModel& bus);

    // Measures, refreshes the snapshot (with the package loaded where the
    // model says so) and reports the bus by the bus rule.
    ResultCode SONDREL_CALL MeasureSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz,
                                          std::int32_t sampleCount, std::int32_t* auxOut,
                                          std::int32_t auxIn) override;

protected:
    // The ratio selection, after every refresh.
    void ComputeRatioFrequency() override;
    // The bus rule.
    float NominalBusQuery() override;
    // The decision table, the bus-clock Derive outcome and the values copied
    // from the multi-core fields.
    void DecideFrequencySupport() override;
    // The generation's own form of a derived processor's name; called after
    // the name is normalised. The default keeps the name.
    virtual void RewriteName() {}

    const FrontSideBusModel& BusModel() const { return bus_; }

private:
    void Derive();
    void NormaliseName();
    void Reconcile();
    void NotHandled();

    const FrontSideBusModel& bus_;
};

}  // namespace sondrel::module
