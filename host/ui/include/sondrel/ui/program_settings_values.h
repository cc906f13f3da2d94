// The values the program records in its settings key at every start: its
// name with the version (which a second start looks for as a window title)
// and the two web addresses.
#pragma once

#include <cstddef>

#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

inline constexpr const char* kWebsiteSetting = "Website";
inline constexpr const char* kQuarnWebsiteSetting = "QuarnWebsite";
inline constexpr std::size_t kNameFormatLimit = 1899;

// Writes "Name" (string 102 formatted with the version), "Website" (448)
// and "QuarnWebsite" (378), each through its own opening of the key; a key
// that cannot be opened skips that value. A string that cannot be loaded
// ends the writing; the values already written stay. `language` may be null.
void WriteProgramSettingsValues(const LanguageText* language);

}  // namespace sondrel::ui
