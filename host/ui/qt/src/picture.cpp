#include "sondrel/ui/qt/picture.h"

#include <QByteArray>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace sondrel::ui::qt {

Picture Picture::Decode(PictureBytes bytes) {
    Picture picture;
    if (bytes.empty()) {
        return picture;
    }
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    // SVG first: the raster loaders can read SVG too, but only at one size.
    if (data.contains("<svg")) {
        auto svg = std::make_shared<QSvgRenderer>(data);
        if (svg->isValid()) {
            picture.svg_ = std::move(svg);
            return picture;
        }
    }
    picture.image_ = QImage::fromData(data);
    return picture;
}

QSize Picture::Size() const {
    if (svg_ != nullptr) {
        return svg_->defaultSize();
    }
    return image_.size();
}

QImage Picture::Render(QSize pixels, bool keyed) const {
    if (IsNull() || pixels.isEmpty()) {
        return {};
    }
    QImage result;
    if (svg_ != nullptr) {
        result = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        svg_->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        if (keyed) {
            ApplyColorKey(result);
        }
        return result;
    }
    // Keyed before scaling, so that no blend of the key colour stays.
    result = image_;
    if (keyed) {
        ApplyColorKey(result);
    }
    if (result.size() != pixels) {
        result = result.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return result;
}

void Picture::Draw(QPainter& painter, const QRectF& target) const {
    if (IsNull()) {
        return;
    }
    if (svg_ != nullptr) {
        svg_->render(&painter, target);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}

void Picture::DrawKeyed(QPainter& painter, const QRectF& target) const {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels(static_cast<int>(std::lround(target.width() * ratio)),
                       static_cast<int>(std::lround(target.height() * ratio)));
    QImage image = Render(pixels, true);
    if (image.isNull()) {
        return;
    }
    image.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), image);
}

void ApplyColorKey(QImage& image) {
    if (image.isNull()) {
        return;
    }
    image.convertTo(QImage::Format_ARGB32);
    const QRgb key = qRgb(kPictureColorKey.red, kPictureColorKey.green, kPictureColorKey.blue);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 255 && (line[x] & 0x00FFFFFFu) == (key & 0x00FFFFFFu)) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
}

}  // namespace sondrel::ui::qt
