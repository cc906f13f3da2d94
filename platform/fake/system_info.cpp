#include "sondrel/platform/system_info.h"
#include "state.h"

namespace sondrel::platform {

namespace fake {
void SetLogicalProcessorCount(int count) {
    GetState().processorCount = count;
}
}  // namespace fake

int LogicalProcessorCount() {
    return fake::GetState().processorCount;
}

}  // namespace sondrel::platform
