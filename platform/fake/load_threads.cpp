#include <vector>

#include "sondrel/platform/load_threads.h"
#include "state.h"

namespace sondrel::platform {

namespace fake {
void FailLoadThreadAt(int index) {
    GetState().failingThread = index;
}
std::vector<std::string> LoadThreadLog() {
    return GetState().threadLog;
}
int RunningLoadThreads() {
    return GetState().runningThreads;
}
}  // namespace fake

// Records what a real set of load threads would do, without starting any.
struct LoadThreads::Impl {
    std::vector<int> started;
};

LoadThreads::LoadThreads() : impl_(std::make_unique<Impl>()) {}

LoadThreads::~LoadThreads() {
    Stop();
}

bool LoadThreads::Start(int count) {
    fake::State& state = fake::GetState();
    for (int index = 0; index < count; ++index) {
        if (index == state.failingThread) {
            Stop();
            return false;
        }
        impl_->started.push_back(index);
        state.threadLog.push_back("start " + std::to_string(index));
        ++state.runningThreads;
    }
    return true;
}

void LoadThreads::Stop() {
    fake::State& state = fake::GetState();
    while (!impl_->started.empty()) {
        state.threadLog.push_back("stop " + std::to_string(impl_->started.back()));
        impl_->started.pop_back();
        --state.runningThreads;
    }
}

int LoadThreads::RunningCount() const {
    return static_cast<int>(impl_->started.size());
}

}  // namespace sondrel::platform
