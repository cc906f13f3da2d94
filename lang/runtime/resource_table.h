// The resource table of one language module, generated at build time from
// its resource file (cmake/GenerateLanguageResources.cmake).
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/language_module.h"

namespace sondrel::language {

struct ResourceEntry {
    std::int32_t kind;  // SondrelResourceKind
    std::int32_t id;
    const void* data;
    std::uint32_t size;
};

// Defined by the generated source of each module.
std::span<const ResourceEntry> Resources();

}  // namespace sondrel::language
