#include "sondrel/ui/static_transparent_bitmap.h"

#include <cstdint>
#include <span>
#include <string>

#include "sondrel/platform/bitmap.h"
#include "sondrel/ui/picture_ids.h"

namespace sondrel::ui {

namespace {

PictureBytes AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

void CStaticTransparentBitmap::Paint(ControlSurface& surface) const {
    switch (id_) {
        case control_id::kMakerLogo:
            surface.SetPicture(id_,
                               AsBytes(language_.Picture(picture_id::kMakerLogo).value_or(std::string())));
            return;
        case control_id::kAdvisoryMark:
            surface.SetPicture(id_,
                               AsBytes(language_.Picture(picture_id::kAdvisoryMark).value_or(std::string())));
            return;
        case control_id::kProcessorLogo:
            if (static_cast<BitmapHandle>(record_.logoBitmap) == nullptr) {
                if (const auto maker = language_.Picture(picture_id::kMakerLogo)) {
                    *record_.logoBitmap.Receive() = platform::CreateBitmap(AsBytes(*maker));
                }
            }
            surface.SetPicture(id_, platform::BitmapBytes(record_.logoBitmap));
            return;
        default:
            return;
    }
}

}  // namespace sondrel::ui
