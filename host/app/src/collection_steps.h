// The steps of CollectProcessorData after the session calls. A step that
// fails throws CollectionFailure; the collection turns it into 0x80041F40.
#pragma once

#include <cstdint>

#include "sondrel/app/system_record.h"
#include "sondrel/unknown.h"

namespace sondrel::app::collection {

struct CollectionFailure {};

inline void Require(bool condition) {
    if (!condition) {
        throw CollectionFailure{};
    }
}

inline void Succeeds(ResultCode code) {
    Require(code == result::kSuccess);
}

// Each step looks up its interface on the module, asks it, and drops it.
void CollectInformation(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectSignature(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectFeatures(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectCaches(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectSpeeds(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectMultiCoreDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectPciDetails(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);
void CollectThermalDesignPower(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record);

}  // namespace sondrel::app::collection
