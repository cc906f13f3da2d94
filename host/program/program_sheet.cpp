#include "program_sheet.h"

#include "sondrel/app/environment_check.h"
#include "sondrel/platform/library.h"

namespace sondrel::program {

namespace {

// A language module that could not be loaded answers nothing.
class NoLanguageText : public ui::LanguageText {
public:
    std::optional<std::string> String(std::int32_t /*id*/, std::size_t /*limit*/) const override {
        return std::nullopt;
    }
};

const NoLanguageText kNoLanguage;

}  // namespace

ProgramSheet::ProgramSheet(const app::StartOptions& options, const ui::LanguageText* language)
    : text_(language != nullptr ? *language : kNoLanguage),
      errors_(language),
      window_(text_),
      runner_(text_, &errors_),
      dialogs_(text_, errors_, runner_, &settings_),
      processors_(state_, record_) {
    runner_.SetOwner(&window_);
    PrepareRunner(runner_);
    sheet_ = std::make_unique<ui::CMainSheet>(
        ui::SheetServices{window_, dialogs_, runner_, errors_, window_, text_, &settings_, record_, state_,
                          processors_, [] { return app::CheckEnvironment(platform::ProgramDirectory()); }},
        options, MakeSheetPages);
}

ProgramSheet::~ProgramSheet() {
    sheet_.reset();
    app::ResetSystemRecord(record_);
}

int ProgramSheet::Run() {
    return window_.RunModal(*sheet_);
}

}  // namespace sondrel::program
