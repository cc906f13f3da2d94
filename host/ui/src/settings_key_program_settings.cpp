#include "sondrel/ui/settings_key_program_settings.h"

#include "sondrel/platform/settings_store.h"

namespace sondrel::ui {

std::optional<std::string> SettingsKeyProgramSettings::ReadText(std::string_view name,
                                                                std::size_t limit) const {
    const auto key = platform::OpenProgramSettings();
    if (key == nullptr) {
        return std::nullopt;
    }
    auto value = key->ReadText(name, limit);
    key->Close();
    return value;
}

}  // namespace sondrel::ui
