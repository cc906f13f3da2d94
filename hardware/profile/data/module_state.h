// The data module's state for as long as the library is loaded: the profile,
// read when first needed, and each processor's measurement position.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "sondrel/profile/profile.h"
#include "sondrel/result_codes.h"

namespace sondrel::profile_data {

class ModuleState {
public:
    static ModuleState& Instance();

    // Reads the profile on the first call; a profile that cannot be loaded
    // is reported on standard error once and fails every later call alike.
    ResultCode Acquire(const profile::Profile** profile);

    // The measurement the next call for this processor returns: the n-th
    // call gets the n-th entry, the last entry repeats. Null when the
    // processor has none.
    const profile::Measurement* NextMeasurement(const profile::Processor& processor);

private:
    std::mutex mutex_;
    bool loaded_ = false;
    ResultCode loadResult_ = result::kSuccess;
    std::optional<profile::Profile> profile_;
    std::vector<std::size_t> measurementCalls_;
};

}  // namespace sondrel::profile_data
