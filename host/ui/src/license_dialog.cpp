#include "sondrel/ui/license_dialog.h"

#include "sondrel/ui/auxiliary_dialog_ids.h"
#include "sondrel/ui/dialog_failure.h"
#include "sondrel/ui/picture_ids.h"

namespace sondrel::ui {

namespace {

using namespace auxiliary;

// Characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0u) != 0x80u) {
            ++count;
        }
    }
    return count;
}

PictureBytes AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

constexpr ControlId kAgreementControls[] = {kAgreementText, kAcceptButton, kDeclineButton};

}  // namespace

std::string AgreementText(const LanguageText& language) {
    std::string text = RequireString(language, kAgreementFirstString, kAgreementPartLimit);
    std::int32_t next = kAgreementFirstString + 1;
    std::string part = RequireString(language, next, kAgreementPartLimit);
    while (next <= kAgreementLastString && CharacterCount(part) > kAgreementEndMarkLength) {
        text += part;
        ++next;
        if (next <= kAgreementLastString) {
            part = RequireString(language, next, kAgreementPartLimit);
        }
    }
    return text;
}

std::int32_t CLicenseDialog::TemplateId() const {
    return kAgreementTemplate;
}

void CLicenseDialog::OnInitDialog(ControlSurface& surface) {
    try {
        const auto icon = language_.Picture(picture_id::kProgramIcon);
        if (!icon) {
            throw DialogFailure{result::kLanguageUnavailable};
        }
        surface.SetIcon(AsBytes(*icon));
        surface.SetText(kAgreementText, AgreementText(language_));
        for (const ControlId id : kAgreementControls) {
            surface.SetBackdrop(id, Backdrop::kOpaqueWhite);
        }
    } catch (const DialogFailure&) {
        surface.EndDialog(kDeclined);
        errors_.ShowErrorBox(result::kUnexpectedFailure);
    }
}

void CLicenseDialog::OnClick(ControlSurface& surface, ControlId id) {
    if (id == kAcceptButton) {
        surface.EndDialog(kAccepted);
    } else if (id == kDeclineButton) {
        surface.EndDialog(kDeclined);
    }
}

}  // namespace sondrel::ui
