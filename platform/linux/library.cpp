#include "sondrel/platform/library.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace sondrel::platform {

namespace {

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string ProgramDirectory() {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

std::optional<std::string> FindLibrary(std::string_view fileName) {
    if (fileName.empty()) {
        return std::nullopt;
    }
    std::string name(fileName);
    if (name.find('/') != std::string::npos) {
        return IsRegularFile(name) ? std::optional(name) : std::nullopt;
    }
    for (const std::string& directory : {ProgramDirectory(), std::string(SONDREL_INSTALLED_LIBRARY_DIR)}) {
        if (directory.empty()) {
            continue;
        }
        std::string candidate = directory;
        candidate.append("/").append(name);
        if (IsRegularFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

LibraryHandle LoadLibrary(const std::string& path) {
    // A bare name would make dlopen search on its own; the search above
    // already decided where the file is.
    if (path.find('/') == std::string::npos) {
        return nullptr;
    }
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindEntryPoint(LibraryHandle library, const char* name) {
    if (library == nullptr || name == nullptr) {
        return nullptr;
    }
    return ::dlsym(library, name);
}

void UnloadLibrary(LibraryHandle library) {
    if (library != nullptr) {
        ::dlclose(library);
    }
}

}  // namespace sondrel::platform
