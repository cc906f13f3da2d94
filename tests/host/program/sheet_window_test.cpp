// The real program in-process on a two-processor profile, driven as a
// person would: the agreement accepted, pages switched from the View menu,
// processor 2 chosen from the Processor menu, a report saved through the
// save dialog, and Exit.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QtTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "message_boxes.h"
#include "qt_shell.h"
#include "sheet_window.h"
#include "sondrel/ui/qt/template_surface.h"
#include "sondrel/ui/sondrel_app.h"

using namespace sondrel;
namespace fs = std::filesystem;

namespace {

program::SheetWindowWidget* SheetWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* sheet = dynamic_cast<program::SheetWindowWidget*>(widget);
            sheet != nullptr && sheet->isVisible()) {
            return sheet;
        }
    }
    return nullptr;
}

// The top-level window of that kind that is showing (offscreen windows are
// never activated, so the active modal widget cannot tell).
template <typename Window>
Window* Visible() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

constexpr int kAcceptButton = 1285;

// The surface of the agreement dialog while it is showing.
ui::qt::TemplateSurface* AgreementSurface() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget->objectName() == program::SheetWindowWidget::kObjectName) {
            continue;
        }
        // The surface class has no meta-object of its own, so findChildren cannot tell it.
        for (QWidget* child : widget->findChildren<QWidget*>()) {
            auto* surface = dynamic_cast<ui::qt::TemplateSurface*>(child);
            if (surface != nullptr && surface->HasControl(kAcceptButton)) {
                return surface;
            }
        }
    }
    return nullptr;
}

QAction* MenuAction(program::SheetWindowWidget* window, int command) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

// Every label text of a page.
QStringList Texts(QWidget* page) {
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->isVisible()) {
            texts << label->text();
        }
    }
    return texts;
}

std::string Read(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

}  // namespace

class SheetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        scratch_ = fs::temp_directory_path() / ("sondrel-sheet-window-" + std::to_string(::getpid()));
        fs::create_directories(scratch_ / "runtime");
        fs::permissions(scratch_ / "runtime", fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", (scratch_ / "runtime").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (scratch_ / "config").c_str(), 1);
        ::setenv("SONDREL_PROFILE",
                 SONDREL_SOURCE_DIR "/tests/host/program/fixtures/server_two_processors.json", 1);
        program::AssumePersonPresent(true);
    }
    void cleanupTestCase() { fs::remove_all(scratch_); }

    void AgreementViewProcessorSaveExit() {
        const fs::path report = scratch_ / "saved.txt";
        QStringList processor1Cpuid;
        QStringList processor2Cpuid;
        QStringList processor2Frequency;
        QList<int> tabsSeen;
        bool agreementAccepted = false;
        bool saved = false;
        int step = 0;
        bool gaveUp = false;
        constexpr qint64 kGiveUpMs = 30000;
        QElapsedTimer clock;
        clock.start();

        QTimer driver;
        driver.setInterval(20);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (auto* agreement = AgreementSurface(); agreement != nullptr && !agreementAccepted) {
                agreementAccepted = true;
                auto* accept = qobject_cast<QAbstractButton*>(agreement->ControlWidget(kAcceptButton));
                QVERIFY(accept != nullptr);
                QTimer::singleShot(0, accept, &QAbstractButton::click);
                return;
            }
            if (clock.elapsed() > kGiveUpMs) {
                // A stuck step fails the test here instead of leaving it waiting forever.
                if (!gaveUp) {
                    gaveUp = true;
                    for (QWidget* widget : QApplication::topLevelWidgets()) {
                        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
                            QTimer::singleShot(0, dialog, &QDialog::reject);
                        }
                    }
                }
                return;
            }
            if (auto* dialog = Visible<QFileDialog>()) {
                // As a person would: the name typed into the file name box, then Return.
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name != nullptr);
                name->setText(QString::fromStdString(report.string()));
                QTest::keyClick(name, Qt::Key_Return);
                saved = true;
                return;
            }
            program::SheetWindowWidget* window = SheetWindow();
            if (window == nullptr || AgreementSurface() != nullptr || Visible<QFileDialog>() != nullptr) {
                return;
            }
            auto trigger = [&](int command) {
                QAction* action = MenuAction(window, command);
                QVERIFY2(action != nullptr, "menu command missing");
                QTimer::singleShot(0, action, &QAction::trigger);
            };
            switch (step++) {
                case 0:
                    trigger(32778);
                    break;
                case 1:
                    tabsSeen << window->tabs()->currentIndex();
                    trigger(32779);
                    break;
                case 2:
                    tabsSeen << window->tabs()->currentIndex();
                    processor1Cpuid = Texts(window->surface(2));
                    QVERIFY(MenuAction(window, 32825) == nullptr);  // two processors only
                    trigger(32824);
                    break;
                case 3:
                    tabsSeen << window->tabs()->currentIndex();
                    processor2Cpuid = Texts(window->surface(2));
                    trigger(32776);
                    break;
                case 4:
                    tabsSeen << window->tabs()->currentIndex();
                    processor2Frequency = Texts(window->surface(0));
                    trigger(32821);
                    break;
                case 5:
                    if (!saved) {
                        --step;
                        break;
                    }
                    trigger(32771);
                    break;
                default:
                    break;
            }
        });
        driver.start();

        program::QtApplicationShell shell;
        int status = -1;
        {
            ui::CSondrelApp application(shell);
            status = application.InitInstance(std::vector<const char*>{"Sondrel"});
        }
        driver.stop();

        QVERIFY2(!gaveUp, qPrintable(QString("stuck at step %1").arg(step)));
        QVERIFY(agreementAccepted);
        QVERIFY2(step > 5, "the run ended before Exit was chosen");
        QCOMPARE(status, ui::kExitSuccess);
        QCOMPARE(tabsSeen, (QList<int>{1, 2, 2, 0}));
        // Processor 2 of the fixture has a revision and a measurement of its own.
        QVERIFY(processor1Cpuid.contains("2000065"));
        QVERIFY(processor2Cpuid.contains("2000064"));
        QVERIFY2(processor2Frequency.join('|').contains("2.39 GHz"),
                 qPrintable(processor2Frequency.join('|')));
        const std::string text = Read(report);
        QVERIFY(text.find("Current processor: #2\r\n") != std::string::npos);
        QVERIFY(text.find("Revision: 2000064\r\n") != std::string::npos);
        QVERIFY(text.find("Number of processors in system: 2\r\n") != std::string::npos);
    }

private:
    fs::path scratch_;
};

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    SheetWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "sheet_window_test.moc"
