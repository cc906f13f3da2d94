#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

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

void AppendByte(const fs::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out.put('\0');
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
    EXPECT_TRUE(VerifyLibrary((fs::path(SONDREL_OUTPUT_DIR) / kCompanion).string()));
}

TEST(LibraryVerification, TamperedMissingOrUnlistedFilesAreRefused) {
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        EXPECT_TRUE(VerifyLibrary(copy.string()));
        AppendByte(copy);
        EXPECT_FALSE(VerifyLibrary(copy.string()));
    }
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        fs::remove(scratch.path() / kTrustManifestName);
        EXPECT_FALSE(VerifyLibrary(copy.string()));
    }
    {
        ScratchDirectory scratch;
        const fs::path copy = scratch.CopyCompanion();
        const fs::path renamed = scratch.path() / "Renamed.so";
        fs::rename(copy, renamed);
        EXPECT_FALSE(VerifyLibrary(renamed.string()));
    }
    EXPECT_FALSE(VerifyLibrary("/nonexistent/Absent.so"));
}

TEST(LibraryLoading, LoadsLooksUpAndUnloads) {
    const auto path = FindLibrary(kCompanion);
    ASSERT_TRUE(path.has_value());
    LibraryHandle library = LoadLibrary(*path);
    ASSERT_NE(library, nullptr);
    using Find = std::int32_t (*)(std::int32_t, std::int32_t, const void**, std::uint32_t*);
    auto* find = reinterpret_cast<Find>(FindEntryPoint(library, kCompanionExport));
    ASSERT_NE(find, nullptr);
    const void* data = nullptr;
    std::uint32_t size = 0;
    EXPECT_EQ(find(1, 102, &data, &size), 1);  // a string the module has
    EXPECT_NE(data, nullptr);
    EXPECT_EQ(FindEntryPoint(library, "NoSuchExport"), nullptr);
    UnloadLibrary(library);
}

TEST(LibraryLoading, ANonLibraryOrABareNameDoesNotLoad) {
    ScratchDirectory scratch;
    std::ofstream(scratch.path() / "Broken.so") << "not a library";
    EXPECT_EQ(LoadLibrary((scratch.path() / "Broken.so").string()), nullptr);
    EXPECT_EQ(LoadLibrary(kCompanion), nullptr);
    EXPECT_EQ(FindEntryPoint(nullptr, kCompanionExport), nullptr);
    UnloadLibrary(nullptr);
}
