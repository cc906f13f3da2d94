#include "qt_shell.h"

#include <QApplication>
#include <QPointer>

#include "message_boxes.h"
#include "program_dialogs.h"
#include "sheet_window.h"
#include "sondrel/app/environment_check.h"
#include "sondrel/platform/settings_store.h"
#include "sondrel/ui/main_sheet.h"

namespace sondrel::program {

namespace {

// A language module that could not be loaded answers nothing.
class NoLanguageText : public ui::LanguageText {
public:
    std::optional<std::string> String(std::int32_t /*id*/, std::size_t /*limit*/) const override {
        return std::nullopt;
    }
};

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

void RaiseWindowTitled(const QString& title) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == title) {
            if (window->isMinimized()) {
                window->showNormal();
            }
            window->raise();
            window->activateWindow();
            return;
        }
    }
}

}  // namespace

void QtApplicationShell::ShowStartupMessage(const ui::ErrorBoxDescription& box) {
    ShowBox(nullptr, box);
}

void QtApplicationShell::ListenForRaiseRequests(platform::InstanceLock& lock) {
    QPointer<QApplication> application(qobject_cast<QApplication*>(QCoreApplication::instance()));
    lock.ListenForRaiseRequests([application](std::string title) {
        if (application.isNull()) {
            return;
        }
        const QString wanted = QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
        QMetaObject::invokeMethod(
            application.data(), [wanted] { RaiseWindowTitled(wanted); }, Qt::QueuedConnection);
    });
}

bool QtApplicationShell::RunAgreement(const ui::LanguageText& language) {
    return RunAgreementDialog(language);
}

ui::SheetRun QtApplicationShell::RunMainSheet(const app::StartOptions& options,
                                              const ui::LanguageText* language) {
    static const NoLanguageText kNoLanguage;
    const ui::LanguageText& text = language != nullptr ? *language : kNoLanguage;
    QtErrorReporter errors(language);
    SheetWindowWidget window(text);
    errors.SetOwner(&window);
    QWidget* owner = &window;
    ProgramDialogs dialogs(text, owner);
    QtDialogRunner runner(text);
    StoredSettings settings;
    app::SystemRecord record;
    app::MainSheetState state;
    ui::SheetRun run;
    {
        ui::BrokerProcessorSource processors(state, record);
        ui::CMainSheet sheet({window, dialogs, runner, errors, window, text, &settings, record, state,
                              processors, [] { return app::CheckEnvironment(platform::ProgramDirectory()); }},
                             options, MakeSheetPages);
        run.result = window.RunModal(sheet);
        // The logo picture and any module object go before the broker does.
        app::ResetSystemRecord(record);
    }
    run.failureReported = errors.shown();
    return run;
}

}  // namespace sondrel::program
