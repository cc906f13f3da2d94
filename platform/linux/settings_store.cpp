// Linux: the program's key is a file of "name=value" lines in the user's
// configuration directory, $XDG_CONFIG_HOME/sondrel/settings (by default
// ~/.config/sondrel/settings). The installation creates it; the program
// only opens an existing regular file that it may read and write, and
// never creates it or its directory. Changes are kept in memory and written
// when the key is closed, through a temporary file renamed over the key,
// so a failed write leaves the old values whole.
#include "sondrel/platform/settings_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <string>

namespace sondrel::platform {

namespace {

constexpr const char* kDirectory = "sondrel";
constexpr const char* kFileName = "settings";
// A key larger than this is not the program's: it is refused.
constexpr off_t kMaximumSize = 64 * 1024;

std::string ConfigurationDirectory() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && configured[0] == '/') {
        return configured;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') {
        return {};
    }
    return std::string(home) + "/.config";
}

bool ValidName(std::string_view name) {
    return !name.empty() && name.find_first_of("=\n\r") == std::string_view::npos;
}

bool ValidValue(std::string_view value) {
    return value.find_first_of("\n\r") == std::string_view::npos &&
           value.find('\0') == std::string_view::npos;
}

bool WriteAll(int descriptor, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

class FileSettingsKey : public SettingsKey {
public:
    FileSettingsKey(std::string path, std::map<std::string, std::string> values, mode_t mode)
        : path_(std::move(path)), values_(std::move(values)), mode_(mode) {}

    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override {
        const auto found = values_.find(std::string(name));
        if (found == values_.end()) {
            return std::nullopt;
        }
        return found->second.substr(0, limit);
    }

    bool WriteText(std::string_view name, std::string_view value) override {
        if (!ValidName(name) || !ValidValue(value)) {
            return false;
        }
        values_[std::string(name)] = std::string(value);
        changed_ = true;
        return true;
    }

    bool DeleteValue(std::string_view name) override {
        changed_ = values_.erase(std::string(name)) > 0 || changed_;
        return true;
    }

    bool Close() override {
        if (!changed_) {
            return true;
        }
        changed_ = false;
        std::string text;
        for (const auto& [name, value] : values_) {
            text += name + "=" + value + "\n";
        }
        std::string temporary = path_ + ".XXXXXX";
        const int descriptor = mkstemp(temporary.data());
        if (descriptor < 0) {
            return false;
        }
        const bool written =
            fchmod(descriptor, mode_) == 0 && WriteAll(descriptor, text) && fsync(descriptor) == 0;
        const bool closed = close(descriptor) == 0;
        if (!written || !closed || rename(temporary.c_str(), path_.c_str()) != 0) {
            unlink(temporary.c_str());
            return false;
        }
        return true;
    }

private:
    std::string path_;
    std::map<std::string, std::string> values_;
    mode_t mode_;
    bool changed_ = false;
};

}  // namespace

std::unique_ptr<SettingsKey> OpenProgramSettings() {
    const std::string directory = ConfigurationDirectory();
    if (directory.empty()) {
        return nullptr;
    }
    const std::string path = directory + "/" + kDirectory + "/" + kFileName;
    // Full access: the key must be there, readable and writable by us.
    const int descriptor = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    std::string text;
    bool usable =
        fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaximumSize;
    if (usable) {
        char buffer[4096];
        for (;;) {
            const ssize_t got = read(descriptor, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                usable = false;
                break;
            }
            if (got == 0) {
                break;
            }
            text.append(buffer, static_cast<std::size_t>(got));
            if (text.size() > static_cast<std::size_t>(kMaximumSize)) {
                usable = false;
                break;
            }
        }
    }
    close(descriptor);
    if (!usable) {
        return nullptr;
    }
    std::map<std::string, std::string> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t equals = line.find('=');
        // Lines without "=" (comments, blank lines) are not values.
        if (equals != std::string::npos && equals > 0 && line[0] != '#') {
            values[line.substr(0, equals)] = line.substr(equals + 1);
        }
        start = end + 1;
    }
    return std::make_unique<FileSettingsKey>(path, std::move(values), status.st_mode & 07777);
}

}  // namespace sondrel::platform
