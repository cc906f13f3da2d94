#include "sondrel/app/processor_menu.h"

#include <algorithm>

namespace sondrel::app {

std::vector<ProcessorMenuEntry> ProcessorMenuEntries(std::int32_t processorsInSystem) {
    const std::int32_t listed = std::clamp(processorsInSystem, 0, kProcessorMenuCapacity);
    std::vector<ProcessorMenuEntry> entries;
    entries.reserve(static_cast<std::size_t>(listed));
    for (std::int32_t processor = 1; processor <= listed; ++processor) {
        entries.push_back({processor, command_id::kSelectProcessorBase + processor});
    }
    return entries;
}

std::optional<std::int32_t> ProcessorForCommand(std::int32_t commandId) {
    if (commandId < command_id::kSelectFirstProcessor || commandId > command_id::kSelectLastProcessor) {
        return std::nullopt;
    }
    return commandId - command_id::kSelectProcessorBase;
}

}  // namespace sondrel::app
