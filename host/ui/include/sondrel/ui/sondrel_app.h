// CSondrelApp: the program from its command line to its end. It makes sure
// one instance runs, loads the language module, records the program's
// values, asks for the agreement (unless unattended) and runs the main sheet.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/app/command_line.h"
#include "sondrel/platform/library.h"
#include "sondrel/platform/single_instance.h"
#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

inline constexpr const char* kLanguageModuleName = "Glossa.so";

// Exit statuses of the program.
inline constexpr int kExitSuccess = 0;
// A failure was reported (or the start-up could not go on).
inline constexpr int kExitFailure = 1;
// Another instance runs; this one ended without a window.
inline constexpr int kExitAnotherInstance = 3;

struct SheetRun {
    int result = 0;                // the sheet's end result
    bool failureReported = false;  // an error box was shown
};

// What the program's windows do for the application object.
class ApplicationShell {
public:
    virtual ~ApplicationShell() = default;
    // A message box without owner: the language module could not be used.
    virtual void ShowStartupMessage(const ErrorBoxDescription& box) = 0;
    // This is the running instance: later starts ask it through `lock` to
    // bring its window forward.
    virtual void ListenForRaiseRequests(platform::InstanceLock& lock) = 0;
    // The agreement dialog; true when it was accepted.
    virtual bool RunAgreement(const LanguageText& language) = 0;
    // The main sheet, modally. `language` is null without a language module.
    virtual SheetRun RunMainSheet(const app::StartOptions& options, const LanguageText* language) = 0;
};

class CSondrelApp {
public:
    explicit CSondrelApp(ApplicationShell& shell) : shell_(shell) {}
    // Frees the language module.
    ~CSondrelApp();
    CSondrelApp(const CSondrelApp&) = delete;
    CSondrelApp& operator=(const CSondrelApp&) = delete;

    // Runs the whole program; the process's exit status. `arguments`
    // includes the program's name.
    int InitInstance(std::span<const char* const> arguments);

    const app::StartOptions& options() const { return options_; }

private:
    // Searches, verifies and loads Glossa.so; false when the program ends.
    bool LoadLanguageModule();

    ApplicationShell& shell_;
    app::StartOptions options_;
    platform::LibraryHandle languageLibrary_ = nullptr;
    std::unique_ptr<ModuleLanguageText> language_;
};

}  // namespace sondrel::ui
