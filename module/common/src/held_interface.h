// Holds one reference to a data-module interface and drops it at scope end.
#pragma once

namespace sondrel::module {

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

    // Where the interface is written; Get takes the reference over.
    void** Out() { return &raw_; }
    Interface* Get() {
        interface_ = static_cast<Interface*>(raw_);
        return interface_;
    }

private:
    void* raw_ = nullptr;
    Interface* interface_ = nullptr;
};

}  // namespace sondrel::module
