// Bounded copies into the record's fixed text fields.
#pragma once

#include <cstddef>
#include <cstring>

namespace sondrel::app {

// Copies at most Size - 1 characters of `source` and always terminates.
template <std::size_t Size>
void CopyText(char (&destination)[Size], const char* source, std::size_t sourceSize) {
    const std::size_t length = ::strnlen(source, sourceSize < Size - 1 ? sourceSize : Size - 1);
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

}  // namespace sondrel::app
