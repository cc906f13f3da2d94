#include "sondrel/ui/dialog_failure.h"

namespace sondrel::ui {

std::string RequireString(const LanguageText& language, std::int32_t id, std::size_t limit) {
    auto text = language.String(id, limit);
    if (!text) {
        throw DialogFailure{result::kLanguageUnavailable};
    }
    return std::move(*text);
}

}  // namespace sondrel::ui
