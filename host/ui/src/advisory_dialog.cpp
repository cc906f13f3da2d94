#include "sondrel/ui/advisory_dialog.h"

#include <array>
#include <exception>
#include <optional>
#include <string>

#include "sondrel/result_codes.h"
#include "sondrel/ui/freq_page_ids.h"
#include "sondrel/ui/text_format.h"

namespace sondrel::ui {

namespace {

namespace id = freq_control;
namespace text = freq_string;

constexpr std::size_t kPieceLimit = 2799;
constexpr std::size_t kBodyLimit = 6000;
constexpr std::size_t kButtonLimit = 24;
constexpr int kEndedByButton = 1;
constexpr int kEndedByFailure = 0;

// The advice by frequencyExcess 1 (processor), 2 (bus or interconnect) and
// 3 (both).
constexpr std::array<std::int32_t, 3> kAdvice = {text::kProcessorExcessAdvice, text::kBusExcessAdvice,
                                                 text::kBothExcessAdvice};

struct InitFailure {
    ResultCode code;
};

std::string Required(const LanguageText& language, std::int32_t stringId) {
    auto loaded = language.String(stringId, kPieceLimit);
    if (!loaded) {
        throw InitFailure{result::kLanguageUnavailable};
    }
    return std::move(*loaded);
}

}  // namespace

std::int32_t CAdvisoryDialog::TemplateId() const {
    return freq_template::kAdvisory;
}

void CAdvisoryDialog::OnInitDialog(ControlSurface& surface) {
    try {
        if (record_.frequencyExcess < 1 ||
            record_.frequencyExcess > static_cast<std::int32_t>(kAdvice.size())) {
            throw InitFailure{result::kUnexpectedFailure};
        }
        const std::string advice =
            Required(language_, kAdvice[static_cast<std::size_t>(record_.frequencyExcess - 1)]);
        const std::string support = Required(language_, text::kSupportAdvice);
        const auto body =
            FormatText("%s%s", {FormatArgument::Text(advice), FormatArgument::Text(support)}, kBodyLimit);
        surface.SetText(id::kAdvisoryBody, body.value_or(std::string()));
        // Without its string the button keeps the template's own text.
        if (const auto ok = language_.String(text::kOk, kButtonLimit)) {
            surface.SetText(id::kAdvisoryOk, *ok);
        }
        return;
    } catch (const InitFailure&) {
    } catch (const std::exception&) {
    }
    // Whatever failed, the box names the unexpected failure.
    surface.EndDialog(kEndedByFailure);
    if (!errorShown_) {
        errorShown_ = true;
        errors_.ShowErrorBox(result::kUnexpectedFailure);
    }
}

void CAdvisoryDialog::OnClick(ControlSurface& surface, ControlId clicked) {
    if (clicked == id::kAdvisoryOk) {
        surface.EndDialog(kEndedByButton);
    }
}

}  // namespace sondrel::ui
