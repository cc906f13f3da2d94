// The module's language file as the naming and information steps read it.
#pragma once

#include "sondrel/language/resource_reader.h"
#include "sondrel/module/naming.h"

namespace sondrel::module {

// Strings at most a buffer's size − 1 long; a missing one empties the buffer.
inline LoadText LanguageText(platform::LibraryHandle languageFile) {
    return [reader = language::ResourceReader(languageFile)](std::int32_t id, std::span<char> buffer) {
        return reader.LoadString(id, buffer).has_value();
    };
}

}  // namespace sondrel::module
