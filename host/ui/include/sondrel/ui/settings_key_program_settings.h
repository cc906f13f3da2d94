// The program's settings as OpenWebPage reads them: each read opens the
// program's key with full access, reads the value and closes the key.
#pragma once

#include "sondrel/ui/web_page.h"

namespace sondrel::ui {

class SettingsKeyProgramSettings : public ProgramSettings {
public:
    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override;
};

}  // namespace sondrel::ui
