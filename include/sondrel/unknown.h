// The three root operations that begin every interface table.
#pragma once

#include <cstdint>

#include "sondrel/call.h"
#include "sondrel/result_codes.h"

namespace sondrel {

class IFreqIDUnknown {
public:
    // Slot 0: on success *out holds the interface asked for, with one reference.
    virtual ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) = 0;
    // Slot 1: returns the new reference count.
    virtual std::int32_t SONDREL_CALL AddReference() = 0;
    // Slot 2: always returns 0.
    virtual std::int32_t SONDREL_CALL DropReference() = 0;

protected:
    // Objects are destroyed by DropReference, never through an interface pointer.
    ~IFreqIDUnknown() = default;
};

}  // namespace sondrel
