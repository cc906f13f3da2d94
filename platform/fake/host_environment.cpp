// The start-up check's facts and the single-instance lock of the fake.
#include "sondrel/platform/host_environment.h"
#include "sondrel/platform/single_instance.h"
#include "state.h"

namespace sondrel::platform {

namespace fake {

void Set64BitSystem(bool is64Bit) {
    GetState().is64BitSystem = is64Bit;
}

void SetAvailableDiskBytes(std::optional<std::uint64_t> bytes) {
    GetState().availableDiskBytes = bytes;
}

void SetAdministratorRights(bool administrator) {
    GetState().administrator = administrator;
}

std::vector<std::string> DiskQueryLog() {
    return GetState().diskQueryLog;
}

void SetInstanceLockHeldByAnother(bool held) {
    GetState().instanceLockHeld = held;
}

void FailInstanceLock(bool fail) {
    GetState().instanceLockFails = fail;
}

void SetRunningInstanceAnswers(bool answers) {
    GetState().runningInstanceAnswers = answers;
}

std::vector<std::string> RaiseRequests() {
    return GetState().raiseRequests;
}

bool DeliverRaiseRequest(const std::string& title) {
    if (!GetState().raiseListener) {
        return false;
    }
    GetState().raiseListener(title);
    return true;
}

}  // namespace fake

bool Is64BitSystem() {
    return fake::GetState().is64BitSystem;
}

std::optional<std::uint64_t> AvailableDiskBytes(const std::string& path) {
    fake::GetState().diskQueryLog.push_back(path);
    return fake::GetState().availableDiskBytes;
}

bool HasAdministratorRights() {
    return fake::GetState().administrator;
}

namespace {

class FakeInstanceLock : public InstanceLock {
public:
    FakeInstanceLock() { fake::GetState().ownLockAlive = true; }
    ~FakeInstanceLock() override {
        fake::GetState().ownLockAlive = false;
        fake::GetState().raiseListener = nullptr;
    }
    FakeInstanceLock(const FakeInstanceLock&) = delete;
    FakeInstanceLock& operator=(const FakeInstanceLock&) = delete;

    void ListenForRaiseRequests(std::function<void(std::string title)> onRaise) override {
        fake::GetState().raiseListener = std::move(onRaise);
    }
};

}  // namespace

InstanceLockResult AcquireInstanceLock(std::string_view /*name*/) {
    fake::State& state = fake::GetState();
    if (state.instanceLockFails) {
        return {InstanceLockStatus::kFailed, nullptr};
    }
    if (state.instanceLockHeld || state.ownLockAlive) {
        return {InstanceLockStatus::kHeldByAnother, nullptr};
    }
    return {InstanceLockStatus::kAcquired, std::make_unique<FakeInstanceLock>()};
}

bool AskRunningInstanceToRaise(std::string_view /*name*/, std::string_view title) {
    fake::State& state = fake::GetState();
    state.raiseRequests.emplace_back(title);
    return state.runningInstanceAnswers;
}

}  // namespace sondrel::platform
