#include "sondrel/ui/tech_advisory_dialog.h"

#include <algorithm>
#include <string>

#include "sondrel/result_codes.h"
#include "sondrel/ui/tech_page_ids.h"

namespace sondrel::ui {

using namespace tech_advisory;

namespace {

constexpr std::size_t kParagraphLimit = 999;
constexpr std::size_t kTextLimit = 10000;
constexpr std::size_t kButtonLimit = 24;
constexpr int kEndedByOk = 1;
constexpr int kEndedByFailure = 0;

struct MissingParagraph {};

}  // namespace

std::int32_t CTechAdvisoryDialog::TemplateId() const {
    return kTemplate;
}

void CTechAdvisoryDialog::OnInitDialog(ControlSurface& surface) {
    try {
        std::string advisory;
        for (const std::int32_t id : text::kParagraphs) {
            const auto paragraph = language_.String(id, kParagraphLimit);
            if (!paragraph) {
                throw MissingParagraph{};  // the language module is incomplete (0x80041F66)
            }
            advisory += *paragraph;
        }
        advisory.resize(std::min(advisory.size(), kTextLimit));
        surface.SetText(control::kText, advisory);
        surface.SetText(control::kOk, language_.StringOrEmpty(text::kOk, kButtonLimit));
    } catch (...) {
        surface.EndDialog(kEndedByFailure);
        if (!errorShown_) {
            errorShown_ = true;
            errors_.ShowErrorBox(result::kUnexpectedFailure);
        }
    }
}

void CTechAdvisoryDialog::OnClick(ControlSurface& surface, ControlId id) {
    if (id == control::kOk) {
        surface.EndDialog(kEndedByOk);
    }
}

}  // namespace sondrel::ui
