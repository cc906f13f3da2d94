// A picture control: draws its picture at its top-left corner at the
// picture's own size, the colour key transparent, and reports clicks.
#pragma once

#include <QWidget>
#include <functional>

#include "sondrel/ui/qt/picture.h"

namespace sondrel::ui::qt {

class PictureControl : public QWidget {
public:
    explicit PictureControl(QWidget* parent);

    void SetPicture(Picture picture);
    const Picture& CurrentPicture() const { return picture_; }
    void SetBorder(bool border) { border_ = border; }
    void SetClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture picture_;
    bool border_ = false;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

}  // namespace sondrel::ui::qt
