#include "support/screenshot.h"

#include <QDir>
#include <QPixmap>
#include <cmath>

namespace sondrel::testing {

std::string SaveScreenshot(QWidget& widget, const std::string& name) {
    const QByteArray directory = qgetenv("SONDREL_SCREENSHOT_DIR");
    if (directory.isEmpty()) {
        return {};
    }
    widget.ensurePolished();
    if (!widget.isVisible()) {
        widget.adjustSize();
    }
    const QPixmap pixmap = widget.grab();
    const qreal ratio = pixmap.devicePixelRatio();
    std::string suffix;
    if (std::abs(ratio - 1.0) > 0.01) {
        suffix = "@" + QString::number(ratio).toStdString() + "x";
    }
    QDir().mkpath(QString::fromLocal8Bit(directory));
    const std::string path = directory.toStdString() + "/" + name + suffix + ".png";
    if (!pixmap.save(QString::fromStdString(path), "PNG")) {
        return {};
    }
    return path;
}

}  // namespace sondrel::testing
