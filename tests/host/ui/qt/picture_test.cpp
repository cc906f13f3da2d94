#include "sondrel/ui/qt/picture.h"

#include <gtest/gtest.h>

#include "support/sample_template.h"

namespace sondrel::ui::qt {
namespace {

PictureBytes Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Picture, SvgHasTheSizeItDeclaresAndRendersAtAnySize) {
    const Picture picture = Picture::Decode(Bytes(testing::kGreenSvg));
    ASSERT_FALSE(picture.IsNull());
    EXPECT_EQ(picture.Size(), QSize(40, 20));
    const QImage large = picture.Render(QSize(80, 40), false);
    EXPECT_EQ(large.size(), QSize(80, 40));
    EXPECT_EQ(large.pixelColor(79, 39), QColor(0, 255, 0));
}

TEST(Picture, RasterKeepsItsPixelsUnlessKeyed) {
    const Picture picture = Picture::Decode(Bytes(testing::KeyedRasterPicture()));
    ASSERT_FALSE(picture.IsNull());
    EXPECT_EQ(picture.Size(), QSize(4, 2));
    const QImage plain = picture.Render(QSize(4, 2), false);
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(255, 0, 0));
    const QImage keyed = picture.Render(QSize(4, 2), true);
    EXPECT_EQ(keyed.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(keyed.pixelColor(3, 1), QColor(0, 0, 255));
    // Scaled up, no reddish blend of the key is left at the edge.
    const QImage scaled = picture.Render(QSize(16, 8), true);
    for (int x = 0; x < 16; ++x) {
        const QColor color = scaled.pixelColor(x, 4);
        EXPECT_TRUE(color.alpha() == 0 || color.red() == 0) << x;
    }
}

TEST(Picture, OnlyExactlyTheKeyColourBecomesTransparent) {
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(254, 0, 0));
    image.setPixel(2, 0, qRgb(255, 0, 1));
    ApplyColorKey(image);
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(1, 0), QColor(254, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(255, 0, 1));
}

TEST(Picture, EmptyOrUndecodableBytesDrawNothing) {
    EXPECT_TRUE(Picture::Decode({}).IsNull());
    const std::string garbage = "not a picture <svg";
    EXPECT_TRUE(Picture::Decode(Bytes(garbage)).IsNull());
    EXPECT_TRUE(Picture().Render(QSize(4, 4), true).isNull());
}

}  // namespace
}  // namespace sondrel::ui::qt
