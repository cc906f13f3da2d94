// The strings, pictures and dialog templates of the built Glossa.so, for
// tests that show what a person would see (loaded once, never unloaded).
#pragma once

#include "sondrel/ui/language_text.h"

namespace sondrel::testing {

class GlossaLanguageText : public ui::LanguageText {
public:
    std::optional<std::string> String(std::int32_t id, std::size_t limit) const override;
    std::optional<std::string> Picture(std::int32_t id) const override;
    const SondrelDialogTemplate* Dialog(std::int32_t id) const override;
};

}  // namespace sondrel::testing
