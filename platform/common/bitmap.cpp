#include "sondrel/platform/bitmap.h"

#include <new>
#include <vector>

extern "C" struct SondrelBitmapObject { std::vector<std::uint8_t> encoded; };

namespace sondrel::platform {

BitmapHandle CreateBitmap(std::span<const std::uint8_t> encoded) {
    try {
        return new SondrelBitmapObject{{encoded.begin(), encoded.end()}};
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void DestroyBitmap(BitmapHandle bitmap) {
    delete bitmap;
}

std::span<const std::uint8_t> BitmapBytes(BitmapHandle bitmap) {
    if (bitmap == nullptr) {
        return {};
    }
    return bitmap->encoded;
}

}  // namespace sondrel::platform
