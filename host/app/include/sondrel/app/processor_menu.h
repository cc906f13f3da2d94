// The Processor menu's entries and the processor a command selects.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sondrel/app/command_ids.h"

namespace sondrel::app {

// The menu has command ids for this many processors only; the ids beyond
// them belong to other commands (32856 opens the web page).
inline constexpr std::int32_t kProcessorMenuCapacity =
    command_id::kSelectLastProcessor - command_id::kSelectFirstProcessor + 1;

struct ProcessorMenuEntry {
    std::int32_t processor;  // 1-based
    std::int32_t commandId;
};

// Processors 1 to processorsInSystem, at most kProcessorMenuCapacity of
// them: processors above 32 are not offered rather than given the id of
// another command.
std::vector<ProcessorMenuEntry> ProcessorMenuEntries(std::int32_t processorsInSystem);

// The processor a Processor-menu command selects; empty for other ids.
std::optional<std::int32_t> ProcessorForCommand(std::int32_t commandId);

}  // namespace sondrel::app
