// The main sheet's members and the host-wide selection state that the
// broker session, the collection and the derived counts read and write.
#pragma once

#include <cstdint>

#include "sondrel/unknown.h"

namespace sondrel::app {

struct MainSheetState {
    std::int32_t logicalProcessorCount = 0;  // the broker session's processor count
    std::int32_t processorsInSystem = 0;     // DeriveProcessorCount
    std::int32_t maxCpuidLeaf = 0;           // set by each collection
    // The root of the processor module during a collection; empty otherwise.
    IFreqIDUnknown* processorModule = nullptr;
    std::int32_t selectedProcessor = 1;
    bool processorMenuOffered = false;
};

}  // namespace sondrel::app
