#include "sondrel/ui/splash_dialog.h"

#include "sondrel/ui/auxiliary_dialog_ids.h"
#include "sondrel/ui/picture_ids.h"

namespace sondrel::ui {

using namespace auxiliary;

namespace {
constexpr int kClosed = 1;
}  // namespace

std::int32_t CSplashDialog::TemplateId() const {
    return kSplashTemplate;
}

void CSplashDialog::OnInitDialog(ControlSurface& surface) {
    surface.SetText(kSplashText, language_.StringOrEmpty(kSplashTextString, kCaptionLimit));
    surface.SetFont(kSplashText, kBold);
    surface.SetWindowText(kSplashTitle);
    const std::string background = language_.Picture(picture_id::kSplashBackground).value_or(std::string());
    surface.SetBackgroundPicture(
        {reinterpret_cast<const std::uint8_t*>(background.data()), background.size()});
    shown_ = &surface;
}

void CSplashDialog::Close() {
    if (shown_ != nullptr) {
        ControlSurface* surface = shown_;
        shown_ = nullptr;
        surface->EndDialog(kClosed);
    }
}

}  // namespace sondrel::ui
