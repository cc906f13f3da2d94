#include "sondrel/language/resource_reader.h"

namespace sondrel::language {

OpenedLanguageModule OpenLanguageModule(const std::string& fileName) {
    const auto path = platform::FindLibrary(fileName);
    // A file that fails verification counts as missing.
    if (!path || !platform::VerifyLibrary(*path)) {
        return {nullptr, result::kFileNotFound};
    }
    platform::LibraryHandle library = platform::LoadLibrary(*path);
    return {library, library == nullptr ? result::kLanguageUnavailable : result::kSuccess};
}

}  // namespace sondrel::language
