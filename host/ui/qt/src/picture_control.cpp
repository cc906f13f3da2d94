#include "sondrel/ui/qt/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace sondrel::ui::qt {

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {}

void PictureControl::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    update();
}

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setClipRect(rect());
    if (!picture_.IsNull()) {
        picture_.DrawKeyed(painter, QRectF(QPointF(0, 0), QSizeF(picture_.Size())));
    }
    if (border_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick_) {
        onClick_();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace sondrel::ui::qt
