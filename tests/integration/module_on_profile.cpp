#include "module_on_profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <utility>

#include "sondrel/exports.h"
#include "sondrel/interface_ids.h"

namespace fs = std::filesystem;

namespace sondrel::testing {

nlohmann::json ReadProfile(const fs::path& path) {
    std::ifstream file(path);
    return nlohmann::json::parse(file);
}

namespace {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::uint32_t Number(const nlohmann::json& value) {
    if (value.is_string()) {
        return static_cast<std::uint32_t>(std::stoul(value.get<std::string>(), nullptr, 0));
    }
    return value.get<std::uint32_t>();
}

nlohmann::json* FindCpuid(nlohmann::json& profile, std::uint32_t leaf, int subleaf) {
    for (auto& entry : profile["packages"][0]["cpuid"]) {
        const bool sameLeaf = Number(entry["leaf"]) == leaf;
        const bool sameSubleaf =
            entry.contains("subleaf") ? static_cast<int>(Number(entry["subleaf"])) == subleaf : subleaf == 0;
        if (sameLeaf && sameSubleaf) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

void SetCpuid(nlohmann::json& profile, std::uint32_t leaf, int subleaf, const char* reg,
              std::uint32_t value) {
    nlohmann::json* entry = FindCpuid(profile, leaf, subleaf);
    if (entry == nullptr) {
        profile["packages"][0]["cpuid"].push_back({{"leaf", Hex(leaf)}, {"subleaf", subleaf}});
        entry = &profile["packages"][0]["cpuid"].back();
    }
    (*entry)[reg] = Hex(value);
}

std::uint32_t GetCpuid(const nlohmann::json& profile, std::uint32_t leaf, int subleaf, const char* reg) {
    nlohmann::json copy = profile;
    const nlohmann::json* entry = FindCpuid(copy, leaf, subleaf);
    return entry != nullptr && entry->contains(reg) ? Number((*entry)[reg]) : 0;
}

ScratchDirectory::ScratchDirectory() {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            ("sondrel-module-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ModuleOnProfile::ModuleOnProfile(std::string library) : libraryName_(std::move(library)) {
    library_ = platform::LoadVerifiedLibrary((fs::path(SONDREL_OUTPUT_DIR) / libraryName_).string()).handle;
    EXPECT_NE(library_, nullptr) << libraryName_;
}

ModuleOnProfile::~ModuleOnProfile() {
    platform::UnloadLibrary(library_);
    ::unsetenv("SONDREL_PROFILE");
}

void ModuleOnProfile::UseProfile(const nlohmann::json& profile) {
    const fs::path path = scratch_.path() / "profile.json";
    std::ofstream(path) << profile.dump(2);
    UseProfileFile(path);
}

void ModuleOnProfile::UseProfileFile(const fs::path& path) {
    ::setenv("SONDREL_PROFILE", path.c_str(), 1);
}

ResultCode ModuleOnProfile::Create(const char* dataModule, void** root) {
    auto* create = reinterpret_cast<GetProcessorModuleInterfaceFunction>(
        platform::FindEntryPoint(library_, export_name::kProcessorModule));
    if (create == nullptr) {
        ADD_FAILURE() << libraryName_ << " lacks " << export_name::kProcessorModule;
        return result::kEntryPointMissing;
    }
    return create(interface_id::kRoot, nullptr, dataModule, root);
}

IFreqIDUnknown* ModuleOnProfile::Create() {
    void* root = nullptr;
    const ResultCode code = Create("ProfileData.so", &root);
    EXPECT_EQ(code, result::kSuccess);
    return code == result::kSuccess ? static_cast<IFreqIDUnknown*>(root) : nullptr;
}

}  // namespace sondrel::testing
