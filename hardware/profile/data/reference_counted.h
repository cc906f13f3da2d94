// Reference counting shared by the data module's interface objects.
#pragma once

#include <atomic>
#include <cstdint>

#include "sondrel/call.h"

namespace sondrel::profile_data {

template <typename Interface>
class ReferenceCounted : public Interface {
public:
    ReferenceCounted() = default;
    ReferenceCounted(const ReferenceCounted&) = delete;
    ReferenceCounted& operator=(const ReferenceCounted&) = delete;

    std::int32_t SONDREL_CALL AddReference() override { return ++references_; }

    std::int32_t SONDREL_CALL DropReference() override {
        if (--references_ == 0) {
            delete this;
        }
        return 0;
    }

protected:
    virtual ~ReferenceCounted() = default;

private:
    std::atomic<std::int32_t> references_{1};
};

}  // namespace sondrel::profile_data
