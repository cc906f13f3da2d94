// Companion libraries: search, verification, loading and entry points.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sondrel::platform {

// Opaque handle of a loaded library; null means none.
using LibraryHandle = void*;

// Name of the trust manifest that lies beside the libraries it vouches for.
inline constexpr const char* kTrustManifestName = "trust.manifest";

// A name with a directory part is taken as it is; any other name is looked
// for in the program's directory, then in the installed library directory.
// Never the current directory, never an environment variable. Returns the
// path of the first existing regular file.
std::optional<std::string> FindLibrary(std::string_view fileName);

// What became of a request to load a companion library.
enum class LoadStatus {
    kLoaded,
    // Missing, not listed in the trust manifest beside it, or its content
    // does not match the digest recorded there: treated as a missing file.
    kUntrusted,
    // Trusted but malformed, truncated or refused by the loader.
    kNotLoadable,
};

struct LoadedLibrary {
    LibraryHandle handle = nullptr;  // set only with kLoaded
    LoadStatus status = LoadStatus::kUntrusted;
};

// The only way a companion library is loaded. The file at `path` (a path
// with a directory part, as FindLibrary returns it) is opened once; the
// SHA-256 digest of what that open file holds is compared with the trust
// manifest beside it, its ELF headers are checked against its size, and the
// same open file is loaded. A file renamed into place after the check is
// therefore never the one loaded; and since the checked file then changed
// (unlinked, or written in place), nothing is loaded (kUntrusted). A file
// cut short is refused rather than mapped.
LoadedLibrary LoadVerifiedLibrary(const std::string& path);

// Null when the library has no such export.
void* FindEntryPoint(LibraryHandle library, const char* name);

void UnloadLibrary(LibraryHandle library);

// Directory of the running program, with no trailing slash.
std::string ProgramDirectory();

}  // namespace sondrel::platform
