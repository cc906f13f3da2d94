#include <algorithm>
#include <cstring>

#include "interfaces.h"
#include "sondrel/interface_ids.h"

namespace sondrel::profile_data {

namespace {

bool LeftUnread(const profile::Processor& processor, const char* name) {
    if (name == nullptr) {
        return false;
    }
    return std::any_of(processor.faults.unreadFields->begin(), processor.faults.unreadFields->end(),
                       [name](const std::string& unread) { return unread == name; });
}

// A field the processor does not have (no such MSR, a bit range outside
// bits 0..63, a missing record) stays unread, its value untouched.
void ReadField(const profile::Processor& processor, RegisterFieldNode* node) {
    node->readFlag = 0;
    if (LeftUnread(processor, node->name) || node->reg == nullptr || node->reg->bits == nullptr) {
        return;
    }
    const auto value =
        processor.ReadMsrField(node->reg->msr, node->reg->bits->lowBit, node->reg->bits->width);
    if (value) {
        node->value = *value;
        node->readFlag = 1;
    }
}

}  // namespace

ResultCode RegisterFields::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    *out = nullptr;
    if (interfaceId != interface_id::kRegisterFields) {
        return result::kInterfaceNotImplemented;
    }
    AddReference();
    *out = static_cast<IRegisterFields*>(this);
    return result::kSuccess;
}

ResultCode RegisterFields::ReadRegisterFields(std::int32_t number, RegisterFieldList* list) {
    if (list == nullptr) {
        return result::kNullArgument;
    }
    const profile::Processor* processor = profile_.FindProcessor(number);
    if (processor == nullptr) {
        return result::kProcessorOutOfRange;
    }
    if (!processor->present) {
        return result::kProcessorNotPresent;
    }
    list->revision = static_cast<std::int32_t>(processor->revision);
    list->errorCode = processor->faults.listErrorCode;
    list->revisionUnavailable = processor->faults.revisionUnavailable ? 1 : 0;
    if (processor->faults.registerFields) {
        return *processor->faults.registerFields;
    }
    int visited = 0;
    for (RegisterFieldNode* node = list->first; node != nullptr; node = node->next) {
        if (++visited > kMaxRegisterFieldNodes) {
            return result::kUnexpectedFailure;
        }
        ReadField(*processor, node);
    }
    return result::kSuccess;
}

}  // namespace sondrel::profile_data
