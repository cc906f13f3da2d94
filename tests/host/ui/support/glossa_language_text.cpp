#include "support/glossa_language_text.h"

#include <dlfcn.h>

#include "support/recording_surface.h"

namespace sondrel::testing {

namespace {

std::optional<std::string> Find(std::int32_t kind, std::int32_t id) {
    static void* const library = dlopen(SONDREL_OUTPUT_DIR "/Glossa.so", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    static const auto find =
        reinterpret_cast<SondrelFindResourceFunction>(dlsym(library, "SondrelFindResource"));
    const void* data = nullptr;
    std::uint32_t size = 0;
    if (find == nullptr || find(kind, id, &data, &size) == 0) {
        return std::nullopt;
    }
    return std::string(static_cast<const char*>(data), size);
}

}  // namespace

std::optional<std::string> GlossaLanguageText::String(std::int32_t id, std::size_t limit) const {
    auto text = Find(kSondrelString, id);
    if (text) {
        text->resize(std::min(text->size(), limit));
    }
    return text;
}

std::optional<std::string> GlossaLanguageText::Picture(std::int32_t id) const {
    return Find(kSondrelPicture, id);
}

const SondrelDialogTemplate* GlossaLanguageText::Dialog(std::int32_t id) const {
    return GlossaDialog(id);
}

}  // namespace sondrel::testing
