// The program's settings key until the platform layer has its own: a file
// "Sondrel.conf" of name=value lines in "$XDG_CONFIG_HOME/Quarn Corporation"
// (else ~/.config). The installation creates the file; the program only
// opens an existing one.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "sondrel/platform/settings_store.h"

namespace sondrel::platform {

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> KeyPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        base = fs::path(home) / ".config";
    } else {
        return std::nullopt;
    }
    return base / "Quarn Corporation" / "Sondrel.conf";
}

class FileSettingsKey : public SettingsKey {
public:
    FileSettingsKey(fs::path path, std::map<std::string, std::string> values)
        : path_(std::move(path)), values_(std::move(values)) {}

    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override {
        const auto found = values_.find(std::string(name));
        if (found == values_.end()) {
            return std::nullopt;
        }
        return found->second.substr(0, limit);
    }
    bool WriteText(std::string_view name, std::string_view value) override {
        // A line break would start another value.
        if (value.find('\n') != std::string_view::npos || name.find('=') != std::string_view::npos) {
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
        // Written beside and renamed over, so a failed write loses nothing.
        const fs::path temporary = path_.string() + ".new";
        {
            std::ofstream output(temporary, std::ios::trunc);
            for (const auto& [name, value] : values_) {
                output << name << '=' << value << '\n';
            }
            if (!output.flush()) {
                return false;
            }
        }
        std::error_code error;
        fs::rename(temporary, path_, error);
        changed_ = static_cast<bool>(error);
        return !error;
    }

private:
    fs::path path_;
    std::map<std::string, std::string> values_;
    bool changed_ = false;
};

}  // namespace

std::unique_ptr<SettingsKey> OpenProgramSettings() {
    const auto path = KeyPath();
    if (!path) {
        return nullptr;
    }
    std::ifstream input(*path);
    if (!input) {
        return nullptr;
    }
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(input, line)) {
        const auto separator = line.find('=');
        if (separator != std::string::npos) {
            values[line.substr(0, separator)] = line.substr(separator + 1);
        }
    }
    return std::make_unique<FileSettingsKey>(*path, std::move(values));
}

}  // namespace sondrel::platform
