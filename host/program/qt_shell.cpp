#include "qt_shell.h"

#include <QApplication>
#include <QPointer>

#include "message_boxes.h"
#include "program_dialogs.h"
#include "program_sheet.h"

namespace sondrel::program {

namespace {

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
    ui::qt::MessageBoxErrorReporter errors(&language);
    return RunAgreementDialog(language, errors);
}

ui::SheetRun QtApplicationShell::RunMainSheet(const app::StartOptions& options,
                                              const ui::LanguageText* language) {
    ProgramSheet sheet(options, language);
    ui::SheetRun run;
    run.result = sheet.Run();
    run.failureReported = sheet.failureReported();
    return run;
}

}  // namespace sondrel::program
