// Opaque picture handle. It owns an encoded picture and is created and
// destroyed only through the platform layer, so ownership may cross
// library boundaries.
#pragma once

extern "C" {
struct SondrelBitmapObject;
}

namespace sondrel {
using BitmapHandle = SondrelBitmapObject*;
}  // namespace sondrel
