// Linux: the document class of a file type is the desktop entry that the
// freedesktop.org MIME associations make its default handler, and its open
// command is that entry's Exec line, with the program resolved to a full
// path and quoted the way a registered open command is.
#include "sondrel/platform/web_browser.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

extern char** environ;

namespace sondrel::platform {

namespace {

namespace fs = std::filesystem;

struct MimeTypeRow {
    std::string_view extension;
    std::string_view mimeType;
};
constexpr std::array<MimeTypeRow, 2> kMimeTypes = {{{".htm", "text/html"}, {".html", "text/html"}}};

constexpr std::string_view kDefaultApplications = "[Default Applications]";
constexpr std::string_view kDesktopEntry = "[Desktop Entry]";
constexpr std::string_view kExecKey = "Exec=";
constexpr const char* kDefaultConfigDirs = "/etc/xdg";
constexpr const char* kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr const char* kDefaultPath = "/usr/local/bin:/usr/bin:/bin";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::vector<fs::path> SplitDirectories(const std::string& list) {
    std::vector<fs::path> directories;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start) {
            directories.emplace_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return directories;
}

// A base directory variable, else its default below the home directory.
fs::path HomeBased(const char* variable, const char* belowHome) {
    const std::string value = Environment(variable);
    if (!value.empty()) {
        return value;
    }
    const std::string home = Environment("HOME");
    return home.empty() ? fs::path() : fs::path(home) / belowHome;
}

std::vector<fs::path> DirectoriesOr(const char* variable, const char* fallback) {
    const std::string value = Environment(variable);
    return SplitDirectories(value.empty() ? fallback : value);
}

std::vector<fs::path> ApplicationDirectories() {
    std::vector<fs::path> directories;
    if (const fs::path dataHome = HomeBased("XDG_DATA_HOME", ".local/share"); !dataHome.empty()) {
        directories.push_back(dataHome / "applications");
    }
    for (const fs::path& data : DirectoriesOr("XDG_DATA_DIRS", kDefaultDataDirs)) {
        directories.push_back(data / "applications");
    }
    return directories;
}

// The association files, most important first.
std::vector<fs::path> AssociationFiles() {
    std::vector<fs::path> files;
    if (const fs::path configHome = HomeBased("XDG_CONFIG_HOME", ".config"); !configHome.empty()) {
        files.push_back(configHome / "mimeapps.list");
    }
    for (const fs::path& config : DirectoriesOr("XDG_CONFIG_DIRS", kDefaultConfigDirs)) {
        files.push_back(config / "mimeapps.list");
    }
    for (const fs::path& applications : ApplicationDirectories()) {
        files.push_back(applications / "mimeapps.list");
        files.push_back(applications / "defaults.list");
    }
    return files;
}

std::optional<fs::path> DesktopEntryFile(std::string_view desktopId) {
    if (desktopId.empty() || desktopId.find('/') != std::string_view::npos) {
        return std::nullopt;
    }
    for (const fs::path& directory : ApplicationDirectories()) {
        std::error_code error;
        const fs::path candidate = directory / std::string(desktopId);
        if (fs::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

// The value of `key` in `section` of a desktop-style file.
std::optional<std::string> SectionValue(const fs::path& file, std::string_view section,
                                        std::string_view key) {
    std::ifstream input(file);
    std::string line;
    bool inSection = false;
    while (std::getline(input, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == '[') {
            inSection = line == section;
            continue;
        }
        if (inSection && std::string_view(line).substr(0, key.size()) == key) {
            return line.substr(key.size());
        }
    }
    return std::nullopt;
}

// The first installed entry of a "a.desktop;b.desktop;" list.
std::optional<std::string> FirstInstalled(const std::string& list) {
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string id = list.substr(start, end - start);
        if (DesktopEntryFile(id)) {
            return id;
        }
        start = end + 1;
    }
    return std::nullopt;
}

// Splits off the first word of a command line; double quotes group.
std::pair<std::string, std::string> FirstWord(std::string_view line) {
    std::size_t position = line.find_first_not_of(' ');
    if (position == std::string_view::npos) {
        return {};
    }
    std::string word;
    bool quoted = false;
    for (; position < line.size(); ++position) {
        const char character = line[position];
        if (character == '"') {
            quoted = !quoted;
        } else if (character == ' ' && !quoted) {
            break;
        } else {
            word += character;
        }
    }
    const std::size_t rest = line.find_first_not_of(' ', position);
    return {word, rest == std::string_view::npos ? std::string() : std::string(line.substr(rest))};
}

std::optional<std::string> ResolveProgram(const std::string& program) {
    if (program.empty()) {
        return std::nullopt;
    }
    if (program.find('/') != std::string::npos) {
        return program;
    }
    const std::string path = Environment("PATH");
    for (const fs::path& directory : SplitDirectories(path.empty() ? kDefaultPath : path)) {
        const fs::path candidate = directory / program;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FileTypeClass(std::string_view extension) {
    const auto row = std::find_if(kMimeTypes.begin(), kMimeTypes.end(),
                                  [&](const MimeTypeRow& entry) { return entry.extension == extension; });
    if (row == kMimeTypes.end()) {
        return std::nullopt;
    }
    const std::string key = std::string(row->mimeType) + "=";
    for (const fs::path& file : AssociationFiles()) {
        if (const auto list = SectionValue(file, kDefaultApplications, key)) {
            if (auto id = FirstInstalled(*list); id && id->size() < kAssociationTextLimit) {
                return id;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> OpenCommand(std::string_view documentClass) {
    const auto file = DesktopEntryFile(documentClass);
    if (!file) {
        return std::nullopt;
    }
    const auto exec = SectionValue(*file, kDesktopEntry, kExecKey);
    if (!exec) {
        return std::nullopt;
    }
    const auto [program, arguments] = FirstWord(*exec);
    const auto path = ResolveProgram(program);
    if (!path) {
        return std::nullopt;
    }
    std::string command = "\"" + *path + "\"";
    if (!arguments.empty()) {
        command += " " + arguments;
    }
    // Like a registered value that does not fit the reader's buffer.
    if (command.size() >= kAssociationTextLimit) {
        return std::nullopt;
    }
    return command;
}

bool StartProcess(const std::string& commandLine) {
    std::vector<std::string> words;
    for (auto [word, rest] = FirstWord(commandLine); !word.empty(); std::tie(word, rest) = FirstWord(rest)) {
        words.push_back(word);
    }
    if (words.empty()) {
        return false;
    }
    std::vector<char*> arguments;
    arguments.reserve(words.size() + 1);
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    pid_t process = 0;
    const bool hasDirectory = words.front().find('/') != std::string::npos;
    const int error =
        hasDirectory ? ::posix_spawn(&process, arguments[0], nullptr, nullptr, arguments.data(), environ)
                     : ::posix_spawnp(&process, arguments[0], nullptr, nullptr, arguments.data(), environ);
    if (error != 0) {
        return false;
    }
    // The program outlives the request; its exit status is collected in the
    // background so that it leaves no zombie.
    std::thread([process] {
        int status = 0;
        ::waitpid(process, &status, 0);
    }).detach();
    return true;
}

}  // namespace sondrel::platform
