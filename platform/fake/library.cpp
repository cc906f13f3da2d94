#include <algorithm>

#include "sondrel/platform/library.h"
#include "state.h"

namespace sondrel::platform {

namespace fake {

namespace {

std::string FakePath(const std::string& name) {
    return name.find('/') != std::string::npos ? name : "/fake/" + name;
}

}  // namespace

State& GetState() {
    static State state;
    return state;
}

void Reset() {
    State& state = GetState();
    for (LoadedEntry* entry : state.loaded) {
        delete entry;
    }
    state = State{};
}

void AddLibrary(const std::string& name, FakeLibrary library) {
    GetState().libraries[FakePath(name)] = std::move(library);
}

std::vector<std::string> LoadedLibraries() {
    std::vector<std::string> names;
    for (const LoadedEntry* entry : GetState().loaded) {
        names.push_back(entry->name);
    }
    return names;
}

std::vector<std::string> SearchLog() {
    return GetState().searchLog;
}

}  // namespace fake

std::string ProgramDirectory() {
    return "/fake";
}

std::optional<std::string> FindLibrary(std::string_view fileName) {
    fake::State& state = fake::GetState();
    std::string name(fileName);
    state.searchLog.push_back(name);
    if (name.empty()) {
        return std::nullopt;
    }
    std::string path = fake::FakePath(name);
    if (state.libraries.count(path) == 0) {
        return std::nullopt;
    }
    return path;
}

LoadedLibrary LoadVerifiedLibrary(const std::string& path) {
    fake::State& state = fake::GetState();
    const auto found = state.libraries.find(path);
    if (found == state.libraries.end() || !found->second.verified) {
        return {nullptr, LoadStatus::kUntrusted};
    }
    if (!found->second.loadable) {
        return {nullptr, LoadStatus::kNotLoadable};
    }
    const auto slash = path.rfind('/');
    auto* entry = new fake::LoadedEntry{path.substr(slash + 1), &found->second};
    state.loaded.push_back(entry);
    return {entry, LoadStatus::kLoaded};
}

void* FindEntryPoint(LibraryHandle library, const char* name) {
    if (library == nullptr || name == nullptr) {
        return nullptr;
    }
    const auto& entryPoints = static_cast<fake::LoadedEntry*>(library)->library->entryPoints;
    const auto found = entryPoints.find(name);
    return found == entryPoints.end() ? nullptr : found->second;
}

void UnloadLibrary(LibraryHandle library) {
    auto& loaded = fake::GetState().loaded;
    const auto found = std::find(loaded.begin(), loaded.end(), static_cast<fake::LoadedEntry*>(library));
    if (found != loaded.end()) {
        delete *found;
        loaded.erase(found);
    }
}

}  // namespace sondrel::platform
