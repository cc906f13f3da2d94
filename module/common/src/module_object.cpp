// Construction, interface lookup, reference counting and destruction.
#include <algorithm>
#include <string>

#include "sondrel/interface_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/create_module.h"
#include "sondrel/module/processor_module.h"

namespace sondrel::module {

namespace {

std::string LanguageFileName(std::int32_t moduleNumber) {
    return "Cpumod" + std::to_string(moduleNumber) + "Glossa.so";
}

// A file that fails verification counts as missing.
platform::LibraryHandle FindVerifyLoad(const std::string& name, ResultCode notLoadable, ResultCode* status) {
    const auto path = platform::FindLibrary(name);
    const platform::LoadedLibrary loaded =
        path ? platform::LoadVerifiedLibrary(*path) : platform::LoadedLibrary{};
    *status = loaded.status == platform::LoadStatus::kLoaded      ? result::kSuccess
              : loaded.status == platform::LoadStatus::kUntrusted ? result::kFileNotFound
                                                                  : notLoadable;
    return loaded.handle;
}

}  // namespace

CProcessorModule::CProcessorModule(const GenerationDescription& generation)
    : generation_(generation), registerListMemory_(std::pmr::new_delete_resource()) {}

CProcessorModule::~CProcessorModule() {
    // The language file goes first, then the data module.
    if (languageFile_ != nullptr) {
        platform::UnloadLibrary(languageFile_);
    }
    if (dataModule_ != nullptr) {
        platform::UnloadLibrary(dataModule_);
    }
}

ResultCode CProcessorModule::Construct(void* verificationHandle, const char* dataModuleFileName) {
    verificationHandle_ = verificationHandle;
    ResultCode status = LoadLanguageFile();
    if (status == result::kSuccess) {
        status = LoadDataModule(dataModuleFileName);
        if (status != result::kSuccess) {
            platform::UnloadLibrary(languageFile_);
            languageFile_ = nullptr;
        }
    }
    constructionStatus_ = status;
    return status;
}

ResultCode CProcessorModule::LoadLanguageFile() {
    const language::OpenedLanguageModule opened =
        language::OpenLanguageModule(LanguageFileName(generation_.moduleNumber));
    languageFile_ = opened.library;
    return opened.status;
}

ResultCode CProcessorModule::LoadDataModule(const char* dataModuleFileName) {
    if (dataModuleFileName == nullptr) {
        return result::kNoDataModuleNamed;
    }
    if (dataModule_ != nullptr) {
        platform::UnloadLibrary(dataModule_);
        dataModule_ = nullptr;
        dataModuleEntry_ = nullptr;
    }
    ResultCode status = result::kSuccess;
    dataModule_ = FindVerifyLoad(dataModuleFileName, result::kDataModuleUnloadable, &status);
    return status;
}

bool CProcessorModule::Answers(std::int32_t interfaceId) const {
    return std::find(generation_.interfaces.begin(), generation_.interfaces.end(), interfaceId) !=
           generation_.interfaces.end();
}

ResultCode SONDREL_CALL CProcessorModule::LookupInterface(std::int32_t interfaceId, void** out) {
    if (out == nullptr) {
        return result::kNullArgument;
    }
    void* found = nullptr;
    if (interfaceId == interface_id::kRoot || interfaceId == interface_id::kInitializePM) {
        found = static_cast<IInitializePM*>(this);
    } else if (Answers(interfaceId)) {
        switch (interfaceId) {
            case interface_id::kCPUInfo:
                found = static_cast<ICPUInfo*>(this);
                break;
            case interface_id::kCPUSignature:
                found = static_cast<ICPUSignature*>(this);
                break;
            case interface_id::kCPUFeatures:
                found = static_cast<ICPUFeatures*>(this);
                break;
            case interface_id::kSpeeds:
                found = static_cast<ISpeeds*>(this);
                break;
            case interface_id::kCacheSizes:
                found = static_cast<ICacheSizes*>(this);
                break;
            case interface_id::kCPUDetails:
                found = static_cast<ICPUDetails*>(this);
                break;
            case interface_id::kCPUCMPDetails:
                found = static_cast<ICPUCMPDetails*>(this);
                break;
            case interface_id::kCPUPCIDetails:
                found = static_cast<ICPUPCIDetails*>(this);
                break;
            case interface_id::kTDP:
                found = static_cast<ITDP*>(this);
                break;
            default:
                break;
        }
    }
    *out = found;
    if (found == nullptr) {
        return result::kInterfaceNotImplemented;
    }
    AddReference();
    return result::kSuccess;
}

std::int32_t SONDREL_CALL CProcessorModule::AddReference() {
    return ++referenceCount_;
}

std::int32_t SONDREL_CALL CProcessorModule::DropReference() {
    if (--referenceCount_ == 0) {
        delete this;
    }
    return 0;
}

ResultCode CProcessorModule::CheckQuery(std::int32_t processor,
                                        std::initializer_list<const void*> outputs) const {
    for (const void* output : outputs) {
        if (output == nullptr) {
            return result::kNullArgument;
        }
    }
    if (processor != bookkeeping_.currentProcessor || bookkeeping_.readyFlag == 0) {
        return result::kNotInitialized;
    }
    if (processor < 1 || processor > bookkeeping_.processorCount) {
        return result::kProcessorOutOfRange;
    }
    return result::kSuccess;
}

ResultCode CProcessorModule::ObtainDataModuleInterface(std::int32_t interfaceId, void** out) {
    *out = nullptr;
    if (dataModule_ == nullptr) {
        return result::kCompanionMissing;
    }
    if (dataModuleEntry_ == nullptr) {
        dataModuleEntry_ = reinterpret_cast<GetDataModuleInterfaceFunction>(
            platform::FindEntryPoint(dataModule_, export_name::kDataModule));
        if (dataModuleEntry_ == nullptr) {
            return result::kEntryPointMissing;
        }
    }
    // A success without an interface is no interface either.
    if (dataModuleEntry_(dataModule_, interfaceId, out) != result::kSuccess || *out == nullptr) {
        *out = nullptr;
        return result::kInterfaceUnavailable;
    }
    return result::kSuccess;
}

ResultCode HandOutModule(CProcessorModule* module, std::int32_t interfaceId, void* verificationHandle,
                         const char* dataModuleFileName, void** out) {
    const ResultCode status = module->Construct(verificationHandle, dataModuleFileName);
    if (status != result::kSuccess) {
        *out = nullptr;
        delete module;
        return status;
    }
    module->AddReference();
    const ResultCode lookup = module->LookupInterface(interfaceId, out);
    module->DropReference();
    return lookup;
}

}  // namespace sondrel::module
