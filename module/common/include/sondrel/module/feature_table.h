// Feature codes of ICPUFeatures and how each is answered from the snapshot.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/module/snapshot.h"

namespace sondrel::module {

struct FeatureRow {
    std::int32_t code;
    std::int32_t (*answer)(const ProcessorSnapshot& snapshot);
};

// The full set of codes (10 … 150) answered by the newest generations.
std::span<const FeatureRow> StandardFeatureRows();

}  // namespace sondrel::module
