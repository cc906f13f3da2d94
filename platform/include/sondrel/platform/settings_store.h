// The program's settings key: a few named text values ("Name", "Website",
// "QuarnWebsite", "BODDlg"). The installation creates the key; the program
// only opens it with full access and reads, writes and deletes values in it,
// so without the key (or without the rights to change it) the program runs
// on its built-in defaults.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sondrel::platform {

class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // At most `limit` bytes of the value; nullopt when it is missing or
    // cannot be read.
    virtual std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const = 0;
    virtual bool WriteText(std::string_view name, std::string_view value) = 0;
    // Deleting a value that is not there succeeds.
    virtual bool DeleteValue(std::string_view name) = 0;
    // Stores what was changed; false when it could not be stored.
    virtual bool Close() = 0;
};

// The program's key opened with full access; null when it does not exist or
// cannot be opened that way.
std::unique_ptr<SettingsKey> OpenProgramSettings();

}  // namespace sondrel::platform
