// Runs a real module library on processor profiles written by the test.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <string>

#include "sondrel/module_interfaces.h"
#include "sondrel/platform/library.h"

namespace sondrel::testing {

inline const std::filesystem::path kDesktopProfile =
    std::filesystem::path(SONDREL_SOURCE_DIR) / "tests/hardware/profile/fixtures/desktop_vantor_i7.json";

nlohmann::json ReadProfile(const std::filesystem::path& path);

// Sets a CPUID register of the first package, adding the entry if needed.
void SetCpuid(nlohmann::json& profile, std::uint32_t leaf, int subleaf, const char* reg, std::uint32_t value);
std::uint32_t GetCpuid(const nlohmann::json& profile, std::uint32_t leaf, int subleaf, const char* reg);

// A scratch directory removed with the object.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Loads a processor module (Cpumod12.so unless named) for the lifetime of
// the object and points the data module at a profile.
class ModuleOnProfile {
public:
    explicit ModuleOnProfile(std::string library = "Cpumod12.so");
    ~ModuleOnProfile();
    ModuleOnProfile(const ModuleOnProfile&) = delete;
    ModuleOnProfile& operator=(const ModuleOnProfile&) = delete;

    // Writes the profile to the scratch directory and selects it.
    void UseProfile(const nlohmann::json& profile);
    void UseProfileFile(const std::filesystem::path& path);

    // The export; on success *root holds the module's root interface.
    ResultCode Create(const char* dataModule, void** root);
    // Creates a module object with "ProfileData.so"; null on failure.
    IFreqIDUnknown* Create();
    const ScratchDirectory& scratch() const { return scratch_; }

private:
    ScratchDirectory scratch_;
    std::string libraryName_;
    platform::LibraryHandle library_ = nullptr;
};

template <typename Interface>
Interface* Lookup(IFreqIDUnknown* root, std::int32_t id) {
    void* pointer = nullptr;
    return root->LookupInterface(id, &pointer) == result::kSuccess ? static_cast<Interface*>(pointer)
                                                                   : nullptr;
}

}  // namespace sondrel::testing
