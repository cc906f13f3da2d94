// Reading a language module: opening it through the platform layer and
// looking up its strings, pictures, menus and dialog templates by id. Used by
// the processor modules for their Cpumod<n>Glossa.so and by the host for
// Glossa.so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sondrel/bitmap.h"
#include "sondrel/language_module.h"
#include "sondrel/platform/library.h"
#include "sondrel/result_codes.h"

namespace sondrel::language {

struct OpenedLanguageModule {
    platform::LibraryHandle library = nullptr;
    ResultCode status = result::kSuccess;
};

// Searches, verifies and loads a language module. Not found, or failing
// verification: 0x80041F5A; found but not loadable: 0x80041F66. The caller
// unloads the library.
OpenedLanguageModule OpenLanguageModule(const std::string& fileName);

// Looks up resources of a loaded language module; it does not own the
// library. A library without the lookup export (or a null one) has no
// resources at all.
class ResourceReader {
public:
    explicit ResourceReader(platform::LibraryHandle library);

    // The bytes of a resource; nullopt when the module has none of that kind and id.
    std::optional<std::span<const std::uint8_t>> Find(SondrelResourceKind kind, std::int32_t id) const;

    // Copies at most buffer.size() − 1 characters of the string and a
    // terminator, so a text[61] receives at most 60. Returns the number of
    // characters copied; nullopt when the string is missing, and the buffer
    // then holds the empty text. An empty buffer is never written.
    std::optional<std::size_t> LoadString(std::int32_t id, std::span<char> buffer) const;
    // The string cut to at most `limit` characters; nullopt when missing.
    std::optional<std::string> String(std::int32_t id, std::size_t limit) const;

    // A new bitmap handle owning the picture, which the caller destroys with
    // platform::DestroyBitmap; null when the picture is missing or no handle
    // could be made.
    BitmapHandle LoadPicture(std::int32_t id) const;

    // The menu's items in display order; empty when missing.
    std::span<const SondrelMenuItem> Menu(std::int32_t id) const;
    // Null when missing.
    const SondrelDialogTemplate* Dialog(std::int32_t id) const;

private:
    SondrelFindResourceFunction find_ = nullptr;
};

}  // namespace sondrel::language
