// One instance of the program at a time: a lock named by the program, and a
// channel through which a later start asks the running instance to bring
// its window forward.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace sondrel::platform {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Raise requests of later starts arrive at `onRaise` with the window
    // title they ask for, on a thread of the lock's own; the listening ends
    // when the lock is released (destroyed).
    virtual void ListenForRaiseRequests(std::function<void(std::string title)> onRaise) = 0;
};

enum class InstanceLockStatus {
    kAcquired,       // this process is the only instance
    kHeldByAnother,  // another instance runs
    kFailed,         // the lock could not be made
};

struct InstanceLockResult {
    InstanceLockStatus status = InstanceLockStatus::kFailed;
    std::unique_ptr<InstanceLock> lock;  // set with kAcquired
};

InstanceLockResult AcquireInstanceLock(std::string_view name);

// Asks the instance holding the lock `name` to bring forward its top-level
// window whose title equals `title`. False when no instance took the request.
bool AskRunningInstanceToRaise(std::string_view name, std::string_view title);

}  // namespace sondrel::platform
