// A system record of a test's own. The record of the program lives as long
// as the process; a test's record lets go of the logo bitmap it still holds
// when the test ends.
#pragma once

#include "sondrel/app/system_record.h"

namespace sondrel::testing {

struct ReleasedRecord : app::SystemRecord {
    ReleasedRecord() = default;
    ~ReleasedRecord() { app::ResetSystemRecord(*this); }
    ReleasedRecord(const ReleasedRecord&) = delete;
    ReleasedRecord& operator=(const ReleasedRecord&) = delete;
};

}  // namespace sondrel::testing
