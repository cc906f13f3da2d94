// The interconnect and memory ratios this generation reads from PCI
// configuration space, and the frequencies derived from them.
#pragma once

#include <cstdint>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::gen8 {

struct LinkRatios {
    std::int32_t interconnect = 0;
    std::int32_t memory = 0;
};

// Reads the ratios the processor has (the others stay 0); a failing read
// ends the reads with its code.
ResultCode ReadLinkRatios(IPciConfig& pci, std::int32_t processor, const module::ProcessorSnapshot& snapshot,
                          LinkRatios& ratios);

// Interconnect = 2 x interconnect ratio x bus, memory controller = memory
// ratio x bus, 0 where the ratio is not positive: the reported values from
// reportedBusMHz, the expected ones from expectedBusMHz (which only a
// derived processor has).
void FillInterconnect(const LinkRatios& ratios, module::ProcessorSnapshot& snapshot);

}  // namespace sondrel::gen8
