// Everything one run of the main sheet needs, put together: its window,
// error box, dialogs, record and broker connection.
#pragma once

#include <memory>

#include "message_boxes.h"
#include "program_dialogs.h"
#include "sheet_window.h"
#include "sondrel/app/command_line.h"
#include "sondrel/ui/main_sheet.h"
#include "sondrel/ui/settings_key_program_settings.h"

namespace sondrel::program {

class ProgramSheet {
public:
    // `language` is null without a language module.
    ProgramSheet(const app::StartOptions& options, const ui::LanguageText* language);
    // Lets go of the record's picture and the module objects before the broker.
    ~ProgramSheet();
    ProgramSheet(const ProgramSheet&) = delete;
    ProgramSheet& operator=(const ProgramSheet&) = delete;

    // Runs the whole sheet modally; its result.
    int Run();
    // The start-up alone, the window left open (tests, screenshots).
    bool Start() { return window_.Start(*sheet_); }

    bool failureReported() const { return errors_.shown(); }
    SheetWindowWidget& window() { return window_; }
    ui::CMainSheet& sheet() { return *sheet_; }
    app::SystemRecord& record() { return record_; }
    app::MainSheetState& state() { return state_; }

private:
    const ui::LanguageText& text_;
    QtErrorReporter errors_;
    SheetWindowWidget window_;
    ui::qt::QtDialogRunner runner_;
    ui::SettingsKeyProgramSettings settings_;
    ProgramDialogs dialogs_;
    app::SystemRecord record_;
    app::MainSheetState state_;
    ui::BrokerProcessorSource processors_;
    std::unique_ptr<ui::CMainSheet> sheet_;
};

}  // namespace sondrel::program
