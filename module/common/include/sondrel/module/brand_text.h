// Reading a processor name: text search and the processor number and suffix
// letter a brand string carries. Pure functions of the name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace sondrel::module {

// Position of the first occurrence of `pattern`; an empty pattern is never found.
std::optional<std::size_t> Find(std::string_view text, std::string_view pattern);
bool Contains(std::string_view text, std::string_view pattern);
bool StartsWith(std::string_view text, std::string_view prefix);

// The digits of the model number, such as 6789 in "…i7-6789K CPU @…"; 0 when none.
std::int32_t ProcessorNumber(std::string_view name);

// The suffix letter, such as K in "…i7-6789K CPU @…"; '\0' when none.
char SuffixLetter(std::string_view name);
// Where the suffix letter sits in the name; nullopt when there is none.
std::optional<std::ptrdiff_t> SuffixLetterPosition(std::string_view name);
// The character after the suffix letter, such as M in "…i7-2760QM CPU @…";
// '\0' when there is none.
char LetterAfterSuffix(std::string_view name);

// The suffix letter is one of `mobileLetters` (never for '\0').
bool HasMobileSuffix(std::string_view name, std::string_view mobileLetters);
// The name contains any of `marks`.
bool ContainsAny(std::string_view name, std::span<const std::string_view> marks);

}  // namespace sondrel::module
