// Facts about the machine.
#pragma once

namespace sondrel::platform {

// Logical processors this process may run on (at least 1).
int LogicalProcessorCount();

}  // namespace sondrel::platform
