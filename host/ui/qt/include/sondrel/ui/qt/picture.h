// A picture as the language module or a processor module hands it out: SVG
// text, drawn through Qt's SVG module, or a raster image. Pictures drawn
// keyed leave every pixel of the colour key transparent.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <memory>

#include "sondrel/ui/control_surface.h"

class QPainter;
class QSvgRenderer;

namespace sondrel::ui::qt {

class Picture {
public:
    Picture() = default;
    // Empty or undecodable bytes give a null picture, which draws nothing.
    static Picture Decode(PictureBytes bytes);

    bool IsNull() const { return svg_ == nullptr && image_.isNull(); }
    // The picture's own size in device-independent pixels.
    QSize Size() const;

    // The picture scaled into `target`, at the painter's device pixel ratio.
    void Draw(QPainter& painter, const QRectF& target) const;
    // The same with the colour key's pixels left transparent.
    void DrawKeyed(QPainter& painter, const QRectF& target) const;

    // The picture at `pixels` device pixels, the colour key made transparent
    // when `keyed`.
    QImage Render(QSize pixels, bool keyed) const;

private:
    std::shared_ptr<QSvgRenderer> svg_;
    QImage image_;
};

// Every pixel of exactly the colour key becomes fully transparent.
void ApplyColorKey(QImage& image);

}  // namespace sondrel::ui::qt
