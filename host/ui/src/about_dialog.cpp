#include "sondrel/ui/about_dialog.h"

#include "sondrel/ui/auxiliary_dialog_ids.h"
#include "sondrel/ui/build_stamp.h"
#include "sondrel/ui/picture_ids.h"
#include "sondrel/ui/version.h"

namespace sondrel::ui {

using namespace auxiliary;

namespace {
constexpr int kEnded = 0;
constexpr ControlId kAboutControls[] = {kAboutVersion, kAboutDescription, kAboutOkButton};
}  // namespace

std::string AboutVersionText(const LanguageText& language, const std::string& stamp) {
    std::string text = language.StringOrEmpty(kAboutVersionString, kAboutVersionLimit);
    text += ' ';
    text += kVersionText;
    text += '.';
    text += stamp;
    text.resize(std::min(text.size(), kAboutVersionLimit));
    return text;
}

std::int32_t CAboutDlg::TemplateId() const {
    return kAboutTemplate;
}

void CAboutDlg::OnInitDialog(ControlSurface& surface) {
    std::string stamp;
    if (GetBuildStamp(stamp) != result::kSuccess) {
        surface.EndDialog(kEnded);
        errors_.ShowErrorBox(result::kUnexpectedFailure);
        return;
    }
    surface.SetText(kAboutVersion, AboutVersionText(language_, stamp));
    surface.SetText(kAboutDescription, language_.StringOrEmpty(kAboutDescriptionString, kAboutVersionLimit));
    surface.SetText(kAboutOkButton, language_.StringOrEmpty(kOkString, kCaptionLimit));
    surface.SetWindowText(kAboutTitle);
    surface.SetFont(kAboutVersion, kBold);
    surface.SetFont(kAboutDescription, kBold);
    for (const ControlId id : kAboutControls) {
        surface.SetBackdrop(id, Backdrop::kTransparent);
    }
    const std::string background = language_.Picture(picture_id::kSplashBackground).value_or(std::string());
    surface.SetBackgroundPicture(
        {reinterpret_cast<const std::uint8_t*>(background.data()), background.size()});
}

void CAboutDlg::OnClick(ControlSurface& surface, ControlId id) {
    if (id == kAboutOkButton) {
        surface.EndDialog(kEnded);
    }
}

}  // namespace sondrel::ui
