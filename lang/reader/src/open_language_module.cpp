#include "sondrel/language/resource_reader.h"

namespace sondrel::language {

OpenedLanguageModule OpenLanguageModule(const std::string& fileName) {
    const auto path = platform::FindLibrary(fileName);
    const platform::LoadedLibrary loaded =
        path ? platform::LoadVerifiedLibrary(*path) : platform::LoadedLibrary{};
    // A file that fails verification counts as missing.
    if (loaded.status == platform::LoadStatus::kUntrusted) {
        return {nullptr, result::kFileNotFound};
    }
    return {loaded.handle, loaded.handle == nullptr ? result::kLanguageUnavailable : result::kSuccess};
}

}  // namespace sondrel::language
