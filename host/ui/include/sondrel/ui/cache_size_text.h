// The text of a cache size, as the pages and the report show it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

// Cache unit kinds of the system record.
inline constexpr std::int32_t kCacheUnitBytes = 1;  // K or M prefix by size
inline constexpr std::int32_t kCacheUnitTrace = 3;  // the trace cache's micro-operations

inline constexpr std::size_t kCacheSizeTextLimit = 149;

// `size` in KB: -1 and 0 have texts of their own; any other size is a
// number of KB below 1024, else of MB with one truncated decimal when it is
// no whole number of MB (14080 gives 13.7), followed by the unit text.
// Missing strings count as empty texts.
std::string FormatCacheSize(std::int32_t size, std::int32_t unit, const LanguageText& language);

}  // namespace sondrel::ui
