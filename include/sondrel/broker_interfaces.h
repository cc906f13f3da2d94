// The hardware broker's session interface, as the host uses it.
#pragma once

#include <cstdint>

#include "sondrel/unknown.h"

namespace sondrel {

class IBrokerSession : public IFreqIDUnknown {
public:
    // Slot 3: brokerLibrary is the broker library's own module handle.
    virtual ResultCode SONDREL_CALL Open(void* brokerLibrary) = 0;
    virtual ResultCode SONDREL_CALL GetProcessorCount(std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetMaxCpuidLeaf(std::int32_t processor, std::int32_t* leaf) = 0;
    // *root receives the root interface of an initialised module object,
    // holding one reference for the caller.
    virtual ResultCode SONDREL_CALL GetProcessorModule(std::int32_t processor, void** root) = 0;
    // Slots 7 and 8 keep the numbering; the host never calls them.
    virtual ResultCode SONDREL_CALL Reserved7() = 0;
    virtual ResultCode SONDREL_CALL Reserved8() = 0;
    virtual ResultCode SONDREL_CALL GetModuleNumber(std::int32_t* moduleNumber) = 0;

protected:
    ~IBrokerSession() = default;
};

}  // namespace sondrel
