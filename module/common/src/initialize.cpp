// Initialize: load threads around the snapshot, the completion step and the
// closing steps.
#include <chrono>
#include <thread>

#include "sondrel/module/processor_module.h"
#include "sondrel/platform/load_threads.h"
#include "sondrel/platform/system_info.h"

namespace sondrel::module {

namespace {

// Stops the load threads on every path out of Initialize.
class LoadThreadsGuard {
public:
    ~LoadThreadsGuard() { threads_.Stop(); }
    platform::LoadThreads& Threads() { return threads_; }

private:
    platform::LoadThreads threads_;
};

bool StartLoadThreads(platform::LoadThreads& threads, LoadThreadPolicy policy, int logicalProcessors) {
    switch (policy) {
        case LoadThreadPolicy::kOnePerLogicalProcessor:
            return threads.Start(logicalProcessors);
        case LoadThreadPolicy::kSingleThenWait:
            if (!threads.Start(1)) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return true;
        case LoadThreadPolicy::kNone:
            return true;
    }
    return true;
}

}  // namespace

ResultCode SONDREL_CALL CProcessorModule::Initialize(std::int32_t processor) {
    const int logicalProcessors = platform::LogicalProcessorCount();
    snapshot_ = ProcessorSnapshot{};
    // A failing Initialize must leave the object unanswering, even after an
    // earlier success.
    bookkeeping_.readyFlag = 0;
    LoadThreadsGuard loadThreads;
    if (!StartLoadThreads(loadThreads.Threads(), generation_.loadThreads, logicalProcessors)) {
        return result::kLoadThreadFailed;
    }
    return RunSteps(processor);
}

ResultCode CProcessorModule::RunSteps(std::int32_t processor) {
    ResultCode status = RunSnapshotPass(processor);
    if (status != result::kSuccess) {
        return status;
    }
    status = RunCompletionStep();
    if (status != result::kSuccess) {
        return status;
    }
    RunPackageStep();
    RunNameFallback();
    ComputeInfoItemWord();
    bookkeeping_.readyFlag = 1;
    return result::kSuccess;
}

void CProcessorModule::MarkNotHandled() {
    snapshot_.productCode = kProductNotHandled;
    snapshot_.expectedCpuMHz = 0.0f;
}

ResultCode CProcessorModule::RunCompletionStep() {
    if (snapshot_.productCode == kProductNotHandled) {
        return result::kSuccess;
    }
    // The load threads of Initialize still run; the refresh starts none.
    const ResultCode refresh = RunSnapshotPass(bookkeeping_.currentProcessor);
    if (refresh == result::kSuccess) {
        ComputeRatioFrequency();
    }
    snapshot_.reportedBusMHz = NominalBusQuery();
    if (Contains(generation_.decisionModels, snapshot_.model)) {
        if (Contains(generation_.decisionExtendedModels, snapshot_.extendedModel)) {
            DecideFrequencySupport();
        } else {
            MarkNotHandled();
        }
        CountDisabledCores();
    } else {
        MarkNotHandled();
    }
    return refresh;
}

}  // namespace sondrel::module
