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

// True when the trust manifest beside `path` lists the file's name with the
// SHA-256 digest of its present content. A missing manifest, a missing entry
// and a mismatch all give false.
bool VerifyLibrary(const std::string& path);

// Loads a library; null when it cannot be loaded.
LibraryHandle LoadLibrary(const std::string& path);

// Null when the library has no such export.
void* FindEntryPoint(LibraryHandle library, const char* name);

void UnloadLibrary(LibraryHandle library);

// Directory of the running program, with no trailing slash.
std::string ProgramDirectory();

}  // namespace sondrel::platform
