#include "sondrel/ui/qt/message_box_error_reporter.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "sondrel/ui/qt/display.h"

namespace sondrel::ui::qt {

std::string ErrorBoxLine(const ErrorBoxDescription& box) {
    return box.caption + ": " + box.text + "\n";
}

void MessageBoxErrorReporter::ShowErrorBox(ResultCode code) {
    const ErrorBoxDescription box = DescribeErrorBox(code, language_);
    if (RunsWithoutDisplay()) {
        std::fputs(ErrorBoxLine(box).c_str(), stderr);
        return;
    }
    QMessageBox message(box.icon == ErrorBoxIcon::kError ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QString::fromUtf8(box.caption.c_str()), QString::fromUtf8(box.text.c_str()),
                        QMessageBox::Ok, QApplication::activeWindow());
    message.setTextFormat(Qt::PlainText);
    message.exec();
}

}  // namespace sondrel::ui::qt
