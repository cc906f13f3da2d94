// Creation and destruction of picture handles. Every handle is made and
// freed here, whichever library hands it on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "sondrel/bitmap.h"

namespace sondrel::platform {

// Copies the encoded picture; null when memory is exhausted.
BitmapHandle CreateBitmap(std::span<const std::uint8_t> encoded);
void DestroyBitmap(BitmapHandle bitmap);
std::span<const std::uint8_t> BitmapBytes(BitmapHandle bitmap);

}  // namespace sondrel::platform
