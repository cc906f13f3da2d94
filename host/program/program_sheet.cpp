#include "program_sheet.h"

#include "sondrel/app/environment_check.h"
#include "sondrel/platform/library.h"
#include "sondrel/platform/settings_store.h"

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

// The settings key as the web-page launcher reads it.
class StoredSettings : public ui::ProgramSettings {
public:
    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override {
        auto key = platform::OpenProgramSettings();
        if (key == nullptr) {
            return std::nullopt;
        }
        auto value = key->ReadText(name, limit);
        key->Close();
        return value;
    }
};

}  // namespace

ProgramSheet::ProgramSheet(const app::StartOptions& options, const ui::LanguageText* language)
    : text_(language != nullptr ? *language : kNoLanguage),
      errors_(language),
      window_(text_),
      owner_(&window_),
      dialogs_(text_, owner_),
      runner_(text_),
      settings_(std::make_unique<StoredSettings>()),
      processors_(state_, record_) {
    errors_.SetOwner(&window_);
    sheet_ = std::make_unique<ui::CMainSheet>(
        ui::SheetServices{window_, dialogs_, runner_, errors_, window_, text_, settings_.get(), record_,
                          state_, processors_,
                          [] { return app::CheckEnvironment(platform::ProgramDirectory()); }},
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
