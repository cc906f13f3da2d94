// Bounded text copies into the fixed buffers of the snapshot and the callers.
#pragma once

#include <cstddef>

namespace sondrel::module {

// Copies at most size − 1 characters and always terminates; size 0 writes nothing.
void CopyBounded(char* destination, std::size_t size, const char* source);

// Removes every space that directly follows a space and keeps at most
// maxCharacters of the result.
void CollapseSpaces(char* text, std::size_t maxCharacters);

}  // namespace sondrel::module
