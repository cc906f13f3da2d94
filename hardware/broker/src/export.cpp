// Hwbroker.so's single export.
#include "broker.h"
#include "sondrel/call.h"

SONDREL_EXPORT sondrel::ResultCode GetBrokerModuleInterface(std::int32_t interfaceId, void** out) {
    return sondrel::broker::CreateBrokerRoot(interfaceId, out);
}
