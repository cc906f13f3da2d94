// One reference to an interface of a processor module, dropped at scope end.
#pragma once

#include <cstdint>

#include "sondrel/unknown.h"

namespace sondrel::app {

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

    // A success that hands out no interface counts as a failure.
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

    Interface& operator*() const { return *interface_; }
    Interface* operator->() const { return interface_; }

private:
    Interface* interface_ = nullptr;
};

}  // namespace sondrel::app
