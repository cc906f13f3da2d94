#include "sondrel/platform/library.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <new>
#include <vector>

#include "elf_image.h"
#include "sondrel/platform/library_hook.h"
#include "trust_manifest.h"

namespace sondrel::platform {

namespace {

// What a LibraryHandle points to: the loader's handle and the open file it
// was loaded through, kept open while the library is loaded so that no
// other file can take its number (the loader remembers libraries by the
// name they were opened under, here "/proc/self/fd/<number>").
struct OpenedLibrary {
    void* loaded = nullptr;
    int descriptor = -1;
};

// A few numbers are tried when a stale name would give another library.
constexpr int kLoadAttempts = 4;

testing::AfterVerificationHook afterVerification = nullptr;

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

class Descriptor {
public:
    explicit Descriptor(int number) : number_(number) {}
    ~Descriptor() {
        if (number_ >= 0) {
            ::close(number_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return number_; }
    // The caller closes it from now on.
    int release() {
        const int number = number_;
        number_ = -1;
        return number;
    }

private:
    int number_;
};

bool SameTime(const timespec& left, const timespec& right) {
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

// The file was not written to between the two looks.
bool Unchanged(const struct stat& before, const struct stat& after) {
    return before.st_dev == after.st_dev && before.st_ino == after.st_ino &&
           before.st_size == after.st_size && SameTime(before.st_mtim, after.st_mtim) &&
           SameTime(before.st_ctim, after.st_ctim);
}

// The device and inode of the file mapped at `address`, from /proc/self/maps.
bool MappedFile(std::uintptr_t address, dev_t* device, ino_t* inode) {
    std::FILE* maps = std::fopen("/proc/self/maps", "re");
    if (maps == nullptr) {
        return false;
    }
    bool found = false;
    std::array<char, 4096> line{};
    while (!found && std::fgets(line.data(), static_cast<int>(line.size()), maps) != nullptr) {
        std::uintptr_t start = 0;
        std::uintptr_t end = 0;
        unsigned int major = 0;
        unsigned int minor = 0;
        std::uintmax_t number = 0;
        if (std::sscanf(line.data(), "%" SCNxPTR "-%" SCNxPTR " %*s %*s %x:%x %ju", &start, &end, &major,
                        &minor, &number) == 5 &&
            address >= start && address < end) {
            *device = makedev(major, minor);
            *inode = static_cast<ino_t>(number);
            found = true;
        }
    }
    std::fclose(maps);
    return found;
}

// The loader hands back a library it already has when the name matches
// one it was loaded under; the library must be the very file checked.
bool IsLoadedFrom(void* loaded, const struct stat& file) {
    link_map* map = nullptr;
    if (::dlinfo(loaded, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_ld == nullptr) {
        return false;
    }
    dev_t device = 0;
    ino_t inode = 0;
    return MappedFile(reinterpret_cast<std::uintptr_t>(map->l_ld), &device, &inode) &&
           device == file.st_dev && inode == file.st_ino;
}

std::string DescriptorPath(int descriptor) {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

// Loads the open file `descriptor`, whose ownership passes here. On
// success `*kept` is the number it was loaded through (closed at unload);
// every other number is closed.
void* LoadThrough(int descriptor, const struct stat& identity, int* kept) {
    std::vector<int> numbers{descriptor};
    void* result = nullptr;
    for (int attempt = 0; attempt < kLoadAttempts; ++attempt) {
        const int number = numbers.back();
        void* loaded = ::dlopen(DescriptorPath(number).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (loaded == nullptr) {
            break;
        }
        if (IsLoadedFrom(loaded, identity)) {
            result = loaded;
            *kept = number;
            break;
        }
        // A stale name: the same file under a new number, the old one kept
        // open meanwhile so that the new number differs.
        ::dlclose(loaded);
        const int duplicate = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
        if (duplicate < 0) {
            break;
        }
        numbers.push_back(duplicate);
    }
    for (const int number : numbers) {
        if (result == nullptr || number != *kept) {
            ::close(number);
        }
    }
    return result;
}

}  // namespace

namespace testing {

void SetAfterVerificationHook(AfterVerificationHook hook) {
    afterVerification = hook;
}

}  // namespace testing

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
    // Beside the program (a build tree), then the library directory of the
    // installed tree the program runs from, wherever that tree was moved,
    // then the directory of the configured installation.
    const std::string program = ProgramDirectory();
    const std::string installedBeside =
        program.empty() ? std::string{} : program + "/" + SONDREL_RELATIVE_LIBRARY_DIR;
    for (const std::string& directory : {program, installedBeside, std::string(SONDREL_INSTALLED_LIBRARY_DIR)}) {
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

LoadedLibrary LoadVerifiedLibrary(const std::string& path) {
    // A bare name would make the loader search on its own; the search
    // already decided where the file is.
    if (path.find('/') == std::string::npos) {
        return {nullptr, LoadStatus::kUntrusted};
    }
    const auto recorded = detail::RecordedDigest(path);
    if (!recorded) {
        return {nullptr, LoadStatus::kUntrusted};
    }
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat before {};
    if (file.get() < 0 || ::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode)) {
        return {nullptr, LoadStatus::kUntrusted};
    }
    std::uint64_t bytes = 0;
    const auto actual = detail::DescriptorDigest(file.get(), &bytes);
    if (!actual || *actual != *recorded) {
        return {nullptr, LoadStatus::kUntrusted};
    }
    if (!detail::IsCompleteElfImage(file.get(), bytes)) {
        return {nullptr, LoadStatus::kNotLoadable};
    }
    if (afterVerification != nullptr) {
        afterVerification(path);
    }
    int kept = -1;
    void* loaded = LoadThrough(file.release(), before, &kept);
    if (loaded == nullptr) {
        return {nullptr, LoadStatus::kNotLoadable};
    }
    struct stat after {};
    // Written to in place after the check: what was loaded is not what
    // was verified.
    if (::fstat(kept, &after) != 0 || !Unchanged(before, after) ||
        static_cast<std::uint64_t>(after.st_size) != bytes) {
        ::dlclose(loaded);
        ::close(kept);
        return {nullptr, LoadStatus::kUntrusted};
    }
    auto* library = new (std::nothrow) OpenedLibrary{loaded, kept};
    if (library == nullptr) {
        ::dlclose(loaded);
        ::close(kept);
        return {nullptr, LoadStatus::kNotLoadable};
    }
    return {library, LoadStatus::kLoaded};
}

void* FindEntryPoint(LibraryHandle library, const char* name) {
    if (library == nullptr || name == nullptr) {
        return nullptr;
    }
    return ::dlsym(static_cast<OpenedLibrary*>(library)->loaded, name);
}

void UnloadLibrary(LibraryHandle library) {
    if (library == nullptr) {
        return;
    }
    auto* opened = static_cast<OpenedLibrary*>(library);
    ::dlclose(opened->loaded);
    ::close(opened->descriptor);
    delete opened;
}

}  // namespace sondrel::platform
