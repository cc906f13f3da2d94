#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "sondrel/platform/library_hook.h"

#include "sondrel/platform/library.h"

namespace fs = std::filesystem;
using namespace sondrel::platform;

namespace {

// A library of our own that every build has, with an export to look up.
constexpr const char* kCompanion = "Cpumod12Glossa.so";
constexpr const char* kCompanionExport = "SondrelFindResource";

class ScratchDirectory {
public:
    ScratchDirectory() {
        path_ = fs::temp_directory_path() /
                ("sondrel-platform-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~ScratchDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

    // Copies the companion and the build's manifest here.
    fs::path CopyCompanion() const {
        fs::copy_file(fs::path(SONDREL_OUTPUT_DIR) / kCompanion, path_ / kCompanion);
        fs::copy_file(fs::path(SONDREL_OUTPUT_DIR) / kTrustManifestName, path_ / kTrustManifestName);
        return path_ / kCompanion;
    }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

// A second library with the same export but other content.
constexpr const char* kOtherCompanion = "Glossa.so";

void AppendByte(const fs::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out.put('\0');
}

using FindResource = std::int32_t (*)(std::int32_t, std::int32_t, const void**, std::uint32_t*);

// String 102 of a loaded language library: tells two libraries apart.
std::string String102(LibraryHandle library) {
    auto* find = reinterpret_cast<FindResource>(FindEntryPoint(library, kCompanionExport));
    const void* data = nullptr;
    std::uint32_t size = 0;
    if (find == nullptr || find(1, 102, &data, &size) != 1) {
        return {};
    }
    return std::string(static_cast<const char*>(data), size);
}

// Rewrites the manifest beside `library` so that it vouches for the file's
// present content.
void Vouch(const fs::path& library) {
    const std::string command = "cd '" + library.parent_path().string() + "' && sha256sum '" +
                                library.filename().string() + "' > " + kTrustManifestName;
    ASSERT_EQ(std::system(command.c_str()), 0);
}

fs::path swapSource;

// Renames another library over the checked one, as an attacker racing the
// load would.
void SwapInOtherLibrary(const std::string& path) {
    fs::rename(swapSource, path);
}

}  // namespace

TEST(LibrarySearch, BareNameIsFoundInTheProgramDirectory) {
    const auto found = FindLibrary(kCompanion);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(*found), fs::path(SONDREL_OUTPUT_DIR) / kCompanion);
    EXPECT_EQ(fs::path(ProgramDirectory()), fs::path(SONDREL_OUTPUT_DIR));
}

TEST(LibrarySearch, NameWithDirectoryIsTakenAsItIs) {
    ScratchDirectory scratch;
    const fs::path copy = scratch.CopyCompanion();
    EXPECT_EQ(FindLibrary(copy.string()), copy.string());
    EXPECT_FALSE(FindLibrary((scratch.path() / "Absent.so").string()).has_value());
    // A directory is not a library.
    EXPECT_FALSE(FindLibrary(scratch.path().string()).has_value());
}

TEST(LibrarySearch, CurrentDirectoryIsNeverSearched) {
    ScratchDirectory scratch;
    std::ofstream(scratch.path() / "OnlyHere.so") << "x";
    const fs::path previous = fs::current_path();
    fs::current_path(scratch.path());
    const auto found = FindLibrary("OnlyHere.so");
    fs::current_path(previous);
    EXPECT_FALSE(found.has_value());
    EXPECT_FALSE(FindLibrary("").has_value());
}

TEST(LibraryVerification, TheBuildsManifestVouchesForItsLibraries) {
    const LoadedLibrary loaded = LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / kCompanion).string());
    EXPECT_EQ(loaded.status, LoadStatus::kLoaded);
    UnloadLibrary(loaded.handle);
}

TEST(LibraryVerification, TamperedMissingOrUnlistedFilesAreRefused) {
    const auto refused = [](const fs::path& path) {
        const LoadedLibrary loaded = LoadVerifiedLibrary(path.string());
        EXPECT_EQ(loaded.handle, nullptr) << path;
        return loaded.status == LoadStatus::kUntrusted;
    };
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        AppendByte(copy);
        EXPECT_TRUE(refused(copy));
    }
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        fs::remove(scratch.path() / kTrustManifestName);
        EXPECT_TRUE(refused(copy));
    }
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        const fs::path renamed = scratch.path() / "Renamed.so";
        fs::rename(copy, renamed);
        EXPECT_TRUE(refused(renamed));
    }
    EXPECT_TRUE(refused("/nonexistent/Absent.so"));
    // A bare name is never handed to the loader's own search.
    EXPECT_TRUE(refused(kCompanion));
}

TEST(LibraryVerification, TheBytesCheckedAreTheBytesLoaded) {
    ScratchDirectory scratch;
    const fs::path copy = scratch.CopyCompanion();
    swapSource = scratch.path() / "Other.so";
    fs::copy_file(fs::path(SONDREL_OUTPUT_DIR) / kOtherCompanion, swapSource);

    const LoadedLibrary genuine = LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / kCompanion).string());
    const LoadedLibrary other =
        LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / kOtherCompanion).string());
    ASSERT_EQ(genuine.status, LoadStatus::kLoaded);
    ASSERT_EQ(other.status, LoadStatus::kLoaded);
    const std::string expected = String102(genuine.handle);
    ASSERT_NE(expected, String102(other.handle));
    UnloadLibrary(other.handle);
    UnloadLibrary(genuine.handle);

    sondrel::platform::testing::SetAfterVerificationHook(SwapInOtherLibrary);
    const LoadedLibrary loaded = LoadVerifiedLibrary(copy.string());
    sondrel::platform::testing::SetAfterVerificationHook(nullptr);
    ASSERT_FALSE(fs::exists(swapSource));  // the swap happened
    // The file checked was unlinked by the swap: what the path names now is
    // not what was verified, so nothing is loaded.
    EXPECT_EQ(loaded.status, LoadStatus::kUntrusted);
    EXPECT_EQ(loaded.handle, nullptr);
    UnloadLibrary(loaded.handle);
}

TEST(LibraryLoading, LoadsLooksUpAndUnloads) {
    const auto path = FindLibrary(kCompanion);
    ASSERT_TRUE(path.has_value());
    // Twice at once, and again after both are gone: each handle answers
    // from the library it loaded.
    for (int round = 0; round < 2; ++round) {
        const LoadedLibrary first = LoadVerifiedLibrary(*path);
        const LoadedLibrary second = LoadVerifiedLibrary(*path);
        ASSERT_EQ(first.status, LoadStatus::kLoaded);
        ASSERT_EQ(second.status, LoadStatus::kLoaded);
        EXPECT_FALSE(String102(first.handle).empty());
        EXPECT_EQ(String102(first.handle), String102(second.handle));
        EXPECT_EQ(FindEntryPoint(first.handle, "NoSuchExport"), nullptr);
        UnloadLibrary(first.handle);
        UnloadLibrary(second.handle);
    }
    EXPECT_EQ(FindEntryPoint(nullptr, kCompanionExport), nullptr);
    UnloadLibrary(nullptr);
}

// Libraries whose manifest entry matches their bytes but that cannot be
// mapped: refused as not loadable, never a crash in the loader.
TEST(LibraryLoading, TruncatedOrMalformedLibrariesAreNotLoadable) {
    const std::uintmax_t size = fs::file_size(fs::path(SONDREL_OUTPUT_DIR) / kCompanion);
    for (const std::uintmax_t kept :
         {std::uintmax_t{0}, std::uintmax_t{40}, std::uintmax_t{64}, size / 4, size / 2, size - 1}) {
        SCOPED_TRACE(kept);
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        fs::resize_file(copy, kept);
        Vouch(copy);
        const LoadedLibrary loaded = LoadVerifiedLibrary(copy.string());
        EXPECT_EQ(loaded.status, LoadStatus::kNotLoadable);
        EXPECT_EQ(loaded.handle, nullptr);
    }
    ScratchDirectory scratch;
    const fs::path text = scratch.path() / "Broken.so";
    std::ofstream(text) << "not a library";
    Vouch(text);
    EXPECT_EQ(LoadVerifiedLibrary(text.string()).status, LoadStatus::kNotLoadable);
}
