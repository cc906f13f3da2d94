// Writes a stored value to a query's output once its checks have passed;
// a failing check leaves the output untouched.
#pragma once

#include "sondrel/result_codes.h"

namespace sondrel::module {

template <typename Value>
ResultCode Answer(ResultCode status, Value value, Value* out) {
    if (status == result::kSuccess) {
        *out = value;
    }
    return status;
}

}  // namespace sondrel::module
