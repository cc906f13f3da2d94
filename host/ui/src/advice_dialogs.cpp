#include "sondrel/ui/advice_dialogs.h"

#include <chrono>
#include <thread>

#include "sondrel/platform/settings_store.h"
#include "sondrel/ui/auxiliary_dialog_ids.h"
#include "sondrel/ui/build_stamp.h"
#include "sondrel/ui/dialog_failure.h"
#include "sondrel/ui/picture_ids.h"
#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/text_format.h"

namespace sondrel::ui {

using namespace auxiliary;

namespace {

constexpr int kFailed = 0;
constexpr int kDone = 1;
// The browser is given a moment to come up before the dialog goes.
constexpr std::chrono::milliseconds kAfterWebPage{100};

constexpr std::size_t kStampLength = 8;

std::string CurrentBuildStamp() {
    std::string stamp;
    if (GetBuildStamp(stamp) != result::kSuccess) {
        throw DialogFailure{result::kUnexpectedFailure};
    }
    return stamp;
}

void StoreFreshnessChoice(bool suppress) {
    const std::string stamp = CurrentBuildStamp();
    const auto key = platform::OpenProgramSettings();
    if (key == nullptr) {
        throw DialogFailure{result::kRegistryWriteFailed};
    }
    const bool changed =
        suppress ? key->WriteText(kFreshnessSetting, stamp) : key->DeleteValue(kFreshnessSetting);
    const bool closed = key->Close();
    if (!changed || !closed) {
        throw DialogFailure{result::kRegistryWriteFailed};
    }
}

}  // namespace

std::int32_t AdviceDialog::TemplateId() const {
    return kAdviceTemplate;
}

void AdviceDialog::OnCancel(ControlSurface& surface) {
    surface.EndDialog(kDone);
}

void AdviceDialog::ReportFailure(ResultCode code) {
    if (!errorFlag_) {
        errorFlag_ = true;
        errors_.ShowErrorBox(code);
    }
}

void AdviceDialog::Fail(ControlSurface& surface, ResultCode code) {
    surface.EndDialog(kFailed);
    ReportFailure(code);
}

void AdviceDialog::WriteCaptions(ControlSurface& surface) const {
    surface.SetText(kDoNotShowAgainCheck, language_.StringOrEmpty(kDoNotShowAgainString, kAdvicePartLimit));
    surface.SetText(kWebSiteButton, language_.StringOrEmpty(kWebSiteString, kAdvicePartLimit));
    surface.SetText(kCloseButton, language_.StringOrEmpty(kCloseString, kAdvicePartLimit));
}

void AdviceDialog::OnClick(ControlSurface& surface, ControlId id) {
    switch (id) {
        case kDoNotShowAgainCheck:
            OnCheckBoxClicked(surface);
            return;
        case kWebSiteButton: {
            const std::string address =
                language_.StringOrEmpty(string_id::kSupportArticleAddress, kAddressLimit);
            if (OpenWebPage(false, address, settings_, errors_) != result::kSuccess) {
                errors_.ShowErrorBox(result::kDocumentNotOpened);
            }
            std::this_thread::sleep_for(kAfterWebPage);
            surface.EndDialog(kDone);
            return;
        }
        case kCloseButton:
            surface.EndDialog(kDone);
            return;
        default:
            return;
    }
}

void CFreshnessDialog::OnInitDialog(ControlSurface& surface) {
    try {
        if (const auto icon = language_.Picture(picture_id::kProgramIcon)) {
            surface.SetIcon({reinterpret_cast<const std::uint8_t*>(icon->data()), icon->size()});
        }
        const std::string format = RequireString(language_, kStaleBuildFormat, kAdvicePartLimit);
        const std::string name = RequireString(language_, kProgramNameString, kAdvicePartLimit);
        const auto stale = FormatText(format, {FormatArgument::Text(name)}, kAdvicePartLimit);
        if (!stale) {
            throw DialogFailure{result::kLanguageUnavailable};
        }
        surface.SetText(kAdviceText,
                        *stale + RequireString(language_, kGetNewerVersionString, kAdvicePartLimit));
        WriteCaptions(surface);
    } catch (const DialogFailure&) {
        Fail(surface, result::kUnexpectedFailure);
    }
}

void CFreshnessDialog::OnCheckBoxClicked(ControlSurface& surface) {
    try {
        StoreFreshnessChoice(surface.IsChecked(kDoNotShowAgainCheck));
    } catch (const DialogFailure& failure) {
        // The box names the settings failure itself (string 192), not a
        // general one.
        Fail(surface, failure.code);
    }
}

void CFutureProcessorDialog::OnInitDialog(ControlSurface& surface) {
    surface.Hide(kDoNotShowAgainCheck);
    surface.SetText(kAdviceText, language_.StringOrEmpty(kFutureProcessorString, kAdvicePartLimit) +
                                     language_.StringOrEmpty(kGetNewerVersionString, kAdvicePartLimit));
    WriteCaptions(surface);
}

std::optional<int> BuildAge(std::string_view stamp, const platform::UtcTime& today) {
    if (stamp.size() != kStampLength) {
        return std::nullopt;
    }
    int digits[kStampLength] = {};
    for (std::size_t index = 0; index < kStampLength; ++index) {
        if (stamp[index] < '0' || stamp[index] > '9') {
            return std::nullopt;
        }
        digits[index] = stamp[index] - '0';
    }
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int month = digits[4] * 10 + digits[5];
    const int day = digits[6] * 10 + digits[7];
    // The clock's fields are small (a year of four digits); int holds the age.
    const int months = (static_cast<int>(today.year) - year) * 12 + static_cast<int>(today.month) - month;
    return months * 100 + static_cast<int>(today.day) - day;
}

ResultCode ShouldShowFreshness(CFreshnessDialog& dialog, bool& show) {
    std::string stamp;
    if (GetBuildStamp(stamp) != result::kSuccess) {
        show = false;
        dialog.MarkFailed();
        return result::kUnexpectedFailure;
    }
    return ShouldShowFreshness(dialog, stamp, platform::SystemTimeUtc(), show);
}

ResultCode ShouldShowFreshness(CFreshnessDialog& dialog, std::string_view stamp,
                               const platform::UtcTime& today, bool& show) {
    show = false;
    const auto age = BuildAge(stamp, today);
    if (!age) {
        dialog.MarkFailed();
        return result::kUnexpectedFailure;
    }
    if (*age <= kFreshnessAgeLimit) {
        return result::kSuccess;
    }
    const auto key = platform::OpenProgramSettings();
    if (key == nullptr) {
        return result::kSuccess;
    }
    const auto suppressed = key->ReadText(kFreshnessSetting, kFreshnessSettingLimit);
    if (!key->Close()) {
        dialog.MarkFailed();
        return result::kUnexpectedFailure;
    }
    show = !(suppressed && *suppressed == stamp);
    return result::kSuccess;
}

}  // namespace sondrel::ui
