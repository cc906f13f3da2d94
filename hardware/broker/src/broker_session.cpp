#include "broker.h"
#include "catalogue.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::broker {

BrokerSession::BrokerSession(BrokerRoot& root) : root_(root) {
    root_.AddReference();
}

BrokerSession::~BrokerSession() {
    root_.DropReference();
}

ResultCode SONDREL_CALL BrokerSession::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    if (interfaceId != interface_id::kBrokerSession) {
        *out = nullptr;
        return result::kInterfaceNotImplemented;
    }
    AddReference();
    *out = static_cast<IBrokerSession*>(this);
    return result::kSuccess;
}

std::int32_t SONDREL_CALL BrokerSession::AddReference() {
    return ++references_;
}

std::int32_t SONDREL_CALL BrokerSession::DropReference() {
    if (--references_ == 0) {
        delete this;
    }
    return 0;
}

ResultCode SONDREL_CALL BrokerSession::Open(void* brokerLibrary) {
    try {
        return root_.Open(brokerLibrary);
    } catch (...) {
        return result::kUnexpectedFailure;
    }
}

ResultCode SONDREL_CALL BrokerSession::GetProcessorCount(std::int32_t* count) {
    if (count == nullptr) {
        return result::kNullArgument;
    }
    const profile::Profile* machine = root_.Machine();
    if (machine == nullptr) {
        return result::kNotInitialized;
    }
    *count = machine->ProcessorCount();
    return result::kSuccess;
}

ResultCode BrokerSession::CheckProcessor(std::int32_t processor, const void* output,
                                         const profile::Processor** found) const {
    if (output == nullptr) {
        return result::kNullArgument;
    }
    const profile::Profile* machine = root_.Machine();
    if (machine == nullptr) {
        return result::kNotInitialized;
    }
    *found = machine->FindProcessor(processor);
    if (*found == nullptr) {
        return result::kProcessorOutOfRange;
    }
    return (*found)->present ? result::kSuccess : result::kProcessorNotPresent;
}

ResultCode SONDREL_CALL BrokerSession::GetMaxCpuidLeaf(std::int32_t processor, std::int32_t* leaf) {
    const profile::Processor* found = nullptr;
    if (const ResultCode status = CheckProcessor(processor, leaf, &found); status != result::kSuccess) {
        return status;
    }
    *leaf = static_cast<std::int32_t>(found->MaxStandardLeaf());
    return result::kSuccess;
}

ResultCode SONDREL_CALL BrokerSession::GetProcessorModule(std::int32_t processor, void** root) {
    const profile::Processor* found = nullptr;
    if (const ResultCode status = CheckProcessor(processor, root, &found); status != result::kSuccess) {
        if (root != nullptr) {
            *root = nullptr;
        }
        return status;
    }
    *root = nullptr;
    const std::optional<std::int32_t> moduleNumber = ChooseModuleNumber(DecodeSignature(found->Signature()));
    if (!moduleNumber) {
        return result::kProcessorNotIdentified;
    }
    IFreqIDUnknown* module = nullptr;
    if (const ResultCode status = CreateModule(*moduleNumber, processor, &module);
        status != result::kSuccess) {
        return status;
    }
    moduleNumber_ = *moduleNumber;
    *root = module;
    return result::kSuccess;
}

ResultCode BrokerSession::CreateModule(std::int32_t moduleNumber, std::int32_t processor,
                                       IFreqIDUnknown** module) {
    GetProcessorModuleInterfaceFunction entry = nullptr;
    if (const ResultCode status = root_.ModuleEntry(moduleNumber, &entry); status != result::kSuccess) {
        return status;
    }
    void* created = nullptr;
    const ResultCode status =
        entry(interface_id::kRoot, root_.VerificationHandle(), kDataModuleFileName, &created);
    if (status != result::kSuccess) {
        return status;
    }
    if (created == nullptr) {
        return result::kModuleCreationFailed;
    }
    auto* moduleRoot = static_cast<IFreqIDUnknown*>(created);
    void* initializer = nullptr;
    ResultCode code = moduleRoot->LookupInterface(interface_id::kInitializePM, &initializer);
    if (code == result::kSuccess && initializer == nullptr) {
        code = result::kInterfaceUnavailable;
    }
    if (code == result::kSuccess) {
        auto* initialize = static_cast<IInitializePM*>(initializer);
        code = initialize->Initialize(processor);
        initialize->DropReference();
    }
    if (code != result::kSuccess) {
        moduleRoot->DropReference();
        return code;
    }
    *module = moduleRoot;
    return result::kSuccess;
}

ResultCode SONDREL_CALL BrokerSession::GetModuleNumber(std::int32_t* moduleNumber) {
    if (moduleNumber == nullptr) {
        return result::kNullArgument;
    }
    if (!moduleNumber_) {
        return result::kNotInitialized;
    }
    *moduleNumber = *moduleNumber_;
    return result::kSuccess;
}

}  // namespace sondrel::broker
