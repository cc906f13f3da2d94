#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

std::string LanguageText::StringOrEmpty(std::int32_t id, std::size_t limit) const {
    return String(id, limit).value_or(std::string());
}

std::optional<std::string> ModuleLanguageText::String(std::int32_t id, std::size_t limit) const {
    return reader_.String(id, limit);
}

std::optional<std::string> ModuleLanguageText::Picture(std::int32_t id) const {
    const auto bytes = reader_.Find(kSondrelPicture, id);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

const SondrelDialogTemplate* ModuleLanguageText::Dialog(std::int32_t id) const {
    return reader_.Dialog(id);
}

}  // namespace sondrel::ui
