#include "sondrel/language/resource_reader.h"

#include <algorithm>

#include "sondrel/platform/bitmap.h"

namespace sondrel::language {

ResourceReader::ResourceReader(platform::LibraryHandle library) {
    if (library != nullptr) {
        find_ = reinterpret_cast<SondrelFindResourceFunction>(
            platform::FindEntryPoint(library, export_name::kFindResource));
    }
}

std::optional<std::span<const std::uint8_t>> ResourceReader::Find(SondrelResourceKind kind,
                                                                  std::int32_t id) const {
    if (find_ == nullptr) {
        return std::nullopt;
    }
    const void* data = nullptr;
    std::uint32_t size = 0;
    if (find_(kind, id, &data, &size) == 0 || (data == nullptr && size != 0)) {
        return std::nullopt;
    }
    return std::span(static_cast<const std::uint8_t*>(data), size);
}

std::optional<std::size_t> ResourceReader::LoadString(std::int32_t id, std::span<char> buffer) const {
    if (buffer.empty()) {
        return Find(kSondrelString, id) ? std::optional<std::size_t>(0) : std::nullopt;
    }
    const auto text = Find(kSondrelString, id);
    const std::size_t length = text ? std::min(text->size(), buffer.size() - 1) : 0;
    if (length > 0) {
        std::copy_n(text->begin(), length, reinterpret_cast<std::uint8_t*>(buffer.data()));
    }
    buffer[length] = '\0';
    return text ? std::optional(length) : std::nullopt;
}

std::optional<std::string> ResourceReader::String(std::int32_t id, std::size_t limit) const {
    const auto text = Find(kSondrelString, id);
    if (!text) {
        return std::nullopt;
    }
    const std::size_t length = std::min(text->size(), limit);
    return std::string(reinterpret_cast<const char*>(text->data()), length);
}

BitmapHandle ResourceReader::LoadPicture(std::int32_t id) const {
    const auto picture = Find(kSondrelPicture, id);
    if (!picture || picture->empty()) {
        return nullptr;
    }
    return platform::CreateBitmap(*picture);
}

std::span<const SondrelMenuItem> ResourceReader::Menu(std::int32_t id) const {
    const auto data = Find(kSondrelMenu, id);
    // A size that is no whole number of items is not a menu of this contract.
    if (!data || data->empty() || data->size() % sizeof(SondrelMenuItem) != 0) {
        return {};
    }
    return {reinterpret_cast<const SondrelMenuItem*>(data->data()), data->size() / sizeof(SondrelMenuItem)};
}

const SondrelDialogTemplate* ResourceReader::Dialog(std::int32_t id) const {
    const auto data = Find(kSondrelDialog, id);
    if (!data || data->size() != sizeof(SondrelDialogTemplate)) {
        return nullptr;
    }
    return reinterpret_cast<const SondrelDialogTemplate*>(data->data());
}

}  // namespace sondrel::language
