// One reference to an interface, dropped at scope end.
#pragma once

#include <cstdint>

#include "sondrel/unknown.h"

namespace sondrel {

template <class Interface>
class HeldInterface {
public:
    HeldInterface() = default;
    ~HeldInterface() {
        if (interface_ != nullptr) {
            interface_->DropReference();
        }
    }
    HeldInterface(const HeldInterface&) = delete;
    HeldInterface& operator=(const HeldInterface&) = delete;

    // Looks the interface up on `root`; a success that hands out no
    // interface counts as a failure.
    ResultCode Lookup(IFreqIDUnknown& root, std::int32_t interfaceId) {
        void* raw = nullptr;
        const ResultCode code = root.LookupInterface(interfaceId, &raw);
        if (code != result::kSuccess) {
            return code;
        }
        if (raw == nullptr) {
            return result::kUnexpectedFailure;
        }
        interface_ = static_cast<Interface*>(raw);
        return result::kSuccess;
    }

    // For callers that receive the interface through a `void**` of their
    // own: where it is written; Get takes the reference over.
    void** Out() { return &raw_; }
    Interface* Get() {
        interface_ = static_cast<Interface*>(raw_);
        return interface_;
    }

    Interface& operator*() const { return *interface_; }
    Interface* operator->() const { return interface_; }

private:
    void* raw_ = nullptr;
    Interface* interface_ = nullptr;
};

}  // namespace sondrel
