// The logo controls paint the picture their control id stands for.
#include "sondrel/ui/static_transparent_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sondrel/platform/bitmap.h"
#include "support/recording_surface.h"
#include "support/table_language_text.h"

namespace sondrel::ui {
namespace {

using testing::RecordingSurface;

std::string Held(const app::OwnedBitmap& bitmap) {
    const auto bytes = platform::BitmapBytes(bitmap);
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

class StaticTransparentBitmapTest : public ::testing::Test {
protected:
    StaticTransparentBitmapTest() {
        language_.SetPicture(132, "<svg>maker</svg>");
        language_.SetPicture(134, "<svg>mark</svg>");
    }
    testing::TableLanguageText language_;
    app::SystemRecord record_;
    RecordingSurface surface_{std::vector<ControlId>{1038, 1013, 1066, 1100}};
};

TEST_F(StaticTransparentBitmapTest, EachLogoControlPaintsItsPicture) {
    const std::string processorLogo = "<svg>processor</svg>";
    *record_.logoBitmap.Receive() = platform::CreateBitmap(
        {reinterpret_cast<const std::uint8_t*>(processorLogo.data()), processorLogo.size()});
    for (const ControlId id : {1038, 1013, 1066, 1100}) {
        CStaticTransparentBitmap(id, language_, record_).Paint(surface_);
    }
    EXPECT_EQ(surface_.Control(1038).picture, "<svg>maker</svg>");
    EXPECT_EQ(surface_.Control(1013).picture, processorLogo);
    EXPECT_EQ(surface_.Control(1066).picture, "<svg>mark</svg>");
    EXPECT_EQ(surface_.Control(1100).picture, "");
    EXPECT_TRUE(surface_.Faults().empty());
}

TEST_F(StaticTransparentBitmapTest, AProcessorWithoutLogoKeepsTheMakersLogo) {
    const CStaticTransparentBitmap logo(1013, language_, record_);
    logo.Paint(surface_);
    EXPECT_EQ(surface_.Control(1013).picture, "<svg>maker</svg>");
    EXPECT_EQ(Held(record_.logoBitmap), "<svg>maker</svg>");

    // Stored once: a later change of the language's picture is not seen.
    language_.SetPicture(132, "<svg>other</svg>");
    logo.Paint(surface_);
    EXPECT_EQ(surface_.Control(1013).picture, "<svg>maker</svg>");
}

}  // namespace
}  // namespace sondrel::ui
