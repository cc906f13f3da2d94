#include <cstdio>
#include <new>
#include <string>
#include <variant>

#include "broker.h"
#include "sondrel/interface_ids.h"

namespace sondrel::broker {

namespace {

constexpr const char* kLinePrefix = "Hwbroker: ";

std::string ModuleFileName(std::int32_t moduleNumber) {
    return "Cpumod" + std::to_string(moduleNumber) + ".so";
}

}  // namespace

BrokerRoot::~BrokerRoot() {
    for (const auto& [number, library] : moduleLibraries_) {
        platform::UnloadLibrary(library);
    }
}

ResultCode SONDREL_CALL BrokerRoot::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    *out = nullptr;
    if (interfaceId == interface_id::kRoot) {
        AddReference();
        *out = static_cast<IFreqIDUnknown*>(this);
        return result::kSuccess;
    }
    if (interfaceId != interface_id::kBrokerSession) {
        return result::kInterfaceNotImplemented;
    }
    auto* session = new (std::nothrow) BrokerSession(*this);
    if (session == nullptr) {
        return result::kOutOfMemory;
    }
    *out = static_cast<IBrokerSession*>(session);
    return result::kSuccess;
}

std::int32_t SONDREL_CALL BrokerRoot::AddReference() {
    return ++references_;
}

std::int32_t SONDREL_CALL BrokerRoot::DropReference() {
    if (--references_ == 0) {
        delete this;
    }
    return 0;
}

ResultCode BrokerRoot::Open(void* brokerLibrary) {
    if (machine_) {
        return result::kSuccess;
    }
    brokerLibrary_ = brokerLibrary;
    const std::string path = profile::ChooseProfilePath();
    profile::LoadResult loaded = profile::LoadProfile(path);
    if (const auto* error = std::get_if<profile::LoadError>(&loaded)) {
        std::fputs((kLinePrefix + error->Message() + "\n").c_str(), stderr);
        return error->kind == profile::LoadError::Kind::kUnreadable ? result::kFileNotFound
                                                                    : result::kUnexpectedFailure;
    }
    machine_ = std::move(std::get<profile::Profile>(loaded));
    return result::kSuccess;
}

ResultCode BrokerRoot::ModuleEntry(std::int32_t moduleNumber, GetProcessorModuleInterfaceFunction* entry) {
    platform::LibraryHandle library = nullptr;
    if (const auto found = moduleLibraries_.find(moduleNumber); found != moduleLibraries_.end()) {
        library = found->second;
    } else {
        // A module file that fails verification counts as missing.
        const auto path = platform::FindLibrary(ModuleFileName(moduleNumber));
        if (!path) {
            return result::kCompanionMissing;
        }
        library = platform::LoadVerifiedLibrary(*path).handle;
        if (library == nullptr) {
            return result::kCompanionMissing;
        }
        moduleLibraries_.emplace(moduleNumber, library);
    }
    *entry = reinterpret_cast<GetProcessorModuleInterfaceFunction>(
        platform::FindEntryPoint(library, export_name::kProcessorModule));
    return *entry == nullptr ? result::kEntryPointMissing : result::kSuccess;
}

ResultCode CreateBrokerRoot(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    *out = nullptr;
    if (interfaceId != interface_id::kRoot) {
        return result::kInterfaceNotImplemented;
    }
    auto* root = new (std::nothrow) BrokerRoot();
    if (root == nullptr) {
        return result::kOutOfMemory;
    }
    *out = static_cast<IFreqIDUnknown*>(root);
    return result::kSuccess;
}

}  // namespace sondrel::broker
