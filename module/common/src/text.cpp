#include "sondrel/module/text.h"

#include <cstring>

namespace sondrel::module {

void CopyBounded(char* destination, std::size_t size, const char* source) {
    if (size == 0) {
        return;
    }
    const std::size_t length = strnlen(source, size - 1);
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

void CollapseSpaces(char* text, std::size_t maxCharacters) {
    std::size_t write = 0;
    for (std::size_t read = 0; text[read] != '\0'; ++read) {
        const bool repeatedSpace = text[read] == ' ' && write > 0 && text[write - 1] == ' ';
        if (!repeatedSpace && write < maxCharacters) {
            text[write++] = text[read];
        }
    }
    text[write] = '\0';
}

}  // namespace sondrel::module
