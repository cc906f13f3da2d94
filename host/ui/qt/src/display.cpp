#include "sondrel/ui/qt/display.h"

#include <QApplication>
#include <QString>

namespace sondrel::ui::qt {

bool RunsWithoutDisplay() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return true;
    }
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

}  // namespace sondrel::ui::qt
