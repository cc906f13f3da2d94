#include <gtest/gtest.h>

#include <vector>

#include "sondrel/platform/bitmap.h"

using namespace sondrel::platform;

TEST(Bitmap, OwnsACopyOfTheEncodedPicture) {
    std::vector<std::uint8_t> picture{0x89, 'P', 'N', 'G'};
    sondrel::BitmapHandle bitmap = CreateBitmap(picture);
    ASSERT_NE(bitmap, nullptr);
    picture[1] = 'X';
    const auto bytes = BitmapBytes(bitmap);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}));
    DestroyBitmap(bitmap);
    EXPECT_TRUE(BitmapBytes(nullptr).empty());
    DestroyBitmap(nullptr);
}
