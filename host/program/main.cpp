// Sondrel: identifies the processors and tests their frequencies, in a
// window or, given a report path, unattended.
#include <QApplication>
#include <cstdlib>
#include <span>

#include "qt_shell.h"
#include "sondrel/app/command_line.h"
#include "sondrel/ui/sondrel_app.h"

namespace {

bool DisplayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
    // An unattended run needs no person: without a display it draws
    // offscreen, and every box prints its text instead of waiting.
    const sondrel::app::StartOptions options = sondrel::app::ParseCommandLine(arguments);
    if (options.unattended && !DisplayAvailable() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    sondrel::program::QtApplicationShell shell;
    int status = 0;
    {
        sondrel::ui::CSondrelApp program(shell);
        status = program.InitInstance(arguments);
    }
    return status;
}
