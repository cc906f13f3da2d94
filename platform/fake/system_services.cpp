// Version queries, the clock, the file-type association and process start
// of the fake: whatever the test set.
#include "sondrel/platform/os_version.h"
#include "sondrel/platform/system_time.h"
#include "sondrel/platform/web_browser.h"
#include "state.h"

namespace sondrel::platform {

namespace fake {

namespace {

void SetOrErase(std::map<std::string, std::string>& map, const std::string& key,
                std::optional<std::string> value) {
    if (value) {
        map[key] = std::move(*value);
    } else {
        map.erase(key);
    }
}

std::optional<std::string> Find(const std::map<std::string, std::string>& map, std::string_view key) {
    const auto found = map.find(std::string(key));
    if (found == map.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace

void SetOsVersions(std::optional<OsVersion> basic, std::optional<OsVersion> extended) {
    GetState().basicVersion = std::move(basic);
    GetState().extendedVersion = std::move(extended);
}

void SetSystemTimeUtc(const UtcTime& time) {
    GetState().time = time;
}

void SetFileTypeClass(const std::string& extension, std::optional<std::string> documentClass) {
    SetOrErase(GetState().fileTypeClasses, extension, std::move(documentClass));
}

void SetOpenCommand(const std::string& documentClass, std::optional<std::string> command) {
    SetOrErase(GetState().openCommands, documentClass, std::move(command));
}

void FailProcessStart(bool fail) {
    GetState().failProcessStart = fail;
}

std::vector<std::string> StartedCommandLines() {
    return GetState().startedCommandLines;
}

}  // namespace fake

std::optional<OsVersion> QueryBasicVersion() {
    return fake::GetState().basicVersion;
}

std::optional<OsVersion> QueryExtendedVersion() {
    return fake::GetState().extendedVersion;
}

UtcTime SystemTimeUtc() {
    return fake::GetState().time;
}

std::optional<std::string> FileTypeClass(std::string_view extension) {
    return fake::Find(fake::GetState().fileTypeClasses, extension);
}

std::optional<std::string> OpenCommand(std::string_view documentClass) {
    return fake::Find(fake::GetState().openCommands, documentClass);
}

bool StartProcess(const std::string& commandLine) {
    fake::State& state = fake::GetState();
    state.startedCommandLines.push_back(commandLine);
    return !state.failProcessStart;
}

}  // namespace sondrel::platform
