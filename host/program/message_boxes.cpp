#include "message_boxes.h"

#include <QMessageBox>
#include <cstdio>
#include "sondrel/ui/qt/display.h"

namespace sondrel::program {

namespace {
bool personPresent = false;
}  // namespace

void AssumePersonPresent(bool present) {
    personPresent = present;
}

bool BoxesCanBeShown() {
    return personPresent || !ui::qt::RunsWithoutDisplay();
}

void ShowBox(QWidget* owner, const ui::ErrorBoxDescription& box) {
    if (!BoxesCanBeShown()) {
        std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
        return;
    }
    QMessageBox message(box.icon == ui::ErrorBoxIcon::kError ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QString::fromLatin1(box.caption.c_str()), QString::fromLatin1(box.text.c_str()),
                        QMessageBox::Ok, owner);
    message.exec();
}

void QtErrorReporter::ShowErrorBox(ResultCode code) {
    shown_ = true;
    boxes_.ShowErrorBox(code);
}

}  // namespace sondrel::program
