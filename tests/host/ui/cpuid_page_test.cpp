// The CPUID page on Glossa's template 145, from records made in the test.
#include "sondrel/ui/cpuid_page.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "support/page_fixture.h"

namespace sondrel::ui {
namespace {

using testing::RecordingSurface;

constexpr std::array<ControlId, 5> kCacheLabels{1212, 1213, 1214, 1215, 1216};
constexpr std::array<ControlId, 5> kCacheValues{1217, 1218, 1219, 1220, 1221};

// A desktop processor with an L3: family 6, model 5E, stepping 9.
void Desktop(app::SystemRecord& r) {
    std::strcpy(r.processorName, "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz");
    std::strcpy(r.packaging, "QLG-1160");
    r.moduleNumber = 12;
    r.productCode = 148;
    r.family = 6;
    r.model = 14;
    r.extendedModel = 5;
    r.stepping = 9;
    r.cpuType = 0;
    r.revisionState = app::kRevisionValid;
    r.revision = 0xC6;
    r.l1DataCacheSize = 32;
    r.l1InstructionCacheSize = 32;
    r.l2CacheSize = 256;
    r.l3CacheSize = 12288;
    r.l1DataCacheUnit = r.l1InstructionCacheUnit = r.l2CacheUnit = r.l3CacheUnit = 1;
    r.l1DataCount = r.l1InstructionCount = 6;
    r.l2Count = 4;
    r.l3Count = 1;
    r.enhancedHaltState = 1;
    r.executeDisable = 0;
    r.item13Flag = 0;
}

// An old processor of the compatibility-guide case, without L3.
void GuideCase(app::SystemRecord& r) {
    r.productCode = 48;
    r.family = 15;
    r.model = 3;
    r.extendedModel = 0;
    r.l3CacheSize = app::kCacheLevelAbsent;
    r.l1InstructionCacheSize = 12;
    r.l1InstructionCacheUnit = 3;
    r.l1InstructionCount = 1;
    std::strcpy(r.compatibilityGuide, "05A");
}

class CpuidPageTest : public testing::PageTest {
protected:
    CpuidPageTest() { Desktop(record); }

    RecordingSurface Render() {
        RecordingSurface surface = SurfaceOf(145);
        CCPUIDPage page(Context());
        Activate(page, surface);
        return surface;
    }
};

// Expected text of each of the five cache slots; nullopt: hidden.
using Slots = std::array<std::optional<std::string>, 5>;

struct CacheCase {
    const char* name;
    std::function<void(app::SystemRecord&)> change;
    Slots labels;
    Slots values;
    Slots tooltips;
};

TEST_F(CpuidPageTest, CacheBlockLayouts) {
    const CacheCase cases[] = {
        {"L3 first", [](app::SystemRecord&) {}, Slots{"#367", "#368", "#369", "#370", "#372"},
         Slots{"12 MB", "4 x 256 KB", "6 x 32 KB", "6 x 32 KB", "QLG-1160"},
         Slots{"#302", "#284", "#283", "#282", "#285"}},
        {"no L3 moves L2 up and hides the fifth row",
         [](app::SystemRecord& r) { r.l3CacheSize = app::kCacheLevelAbsent; },
         Slots{"#368", "#369", "#370", "#372", std::nullopt},
         Slots{"4 x 256 KB", "6 x 32 KB", "6 x 32 KB", "QLG-1160", std::nullopt},
         Slots{"#284", "#283", "#282", "#285", std::nullopt}},
        {"unknown and absent sizes keep their count",
         [](app::SystemRecord& r) {
             r.l3CacheSize = 0;
             r.l2CacheSize = -1;
             r.l2Count = 2;
             r.l1DataCacheSize = 0;
             r.l1DataCount = 2;
             r.l1InstructionCount = 1;
         },
         Slots{"#368", "#369", "#370", "#372", std::nullopt},
         Slots{"2 x Unknown", "2 x None", "32 KB", "QLG-1160", std::nullopt},
         Slots{"#284", "#283", "#282", "#285", std::nullopt}},
        {"an L3 of 13.7 MB, twice",
         [](app::SystemRecord& r) {
             r.l3CacheSize = 14080;
             r.l3Count = 2;
         },
         Slots{"#367", "#368", "#369", "#370", "#372"},
         Slots{"2 x 13.7 MB", "4 x 256 KB", "6 x 32 KB", "6 x 32 KB", "QLG-1160"},
         Slots{"#302", "#284", "#283", "#282", "#285"}},
        {"trace-cache product",
         [](app::SystemRecord& r) {
             r.productCode = 50;
             r.l3CacheSize = -2;
         },
         Slots{"#368", "#369", "#371", "#372", std::nullopt},
         Slots{"4 x 256 KB", "6 x 32 KB", "6 x 32 KB", "QLG-1160", std::nullopt},
         Slots{"#284", "#283", "#297", "#285", std::nullopt}},
        {"compatibility-guide case", GuideCase, Slots{"#368", "#369", "#371", "#372", "#380"},
         Slots{"4 x 256 KB", "6 x 32 KB", "12 K uops", "QLG-1160", "05A"},
         Slots{"#284", "#283", "#297", "#285", "#381"}},
        // Its labels hold whatever the L3, so the values follow them.
        {"compatibility-guide case with an L3",
         [](app::SystemRecord& r) {
             GuideCase(r);
             r.model = 4;
             r.productCode = 59;
             r.l3CacheSize = 1024;
         },
         Slots{"#368", "#369", "#371", "#372", "#380"},
         Slots{"4 x 256 KB", "6 x 32 KB", "12 K uops", "QLG-1160", "05A"},
         Slots{"#284", "#283", "#297", "#285", "#381"}},
        {"family 15 model 3 outside products 48 and 59",
         [](app::SystemRecord& r) {
             GuideCase(r);
             r.productCode = 49;
         },
         Slots{"#368", "#369", "#371", "#372", std::nullopt},
         Slots{"4 x 256 KB", "6 x 32 KB", "12 K uops", "QLG-1160", std::nullopt},
         Slots{"#284", "#283", "#297", "#285", std::nullopt}},
    };
    for (const CacheCase& c : cases) {
        SCOPED_TRACE(c.name);
        record = app::SystemRecord{};
        Desktop(record);
        c.change(record);
        const RecordingSurface surface = Render();
        for (std::size_t slot = 0; slot < 5; ++slot) {
            SCOPED_TRACE(slot);
            const auto& label = surface.Control(kCacheLabels[slot]);
            const auto& value = surface.Control(kCacheValues[slot]);
            EXPECT_EQ(label.visible, c.labels[slot].has_value());
            EXPECT_EQ(value.visible, c.values[slot].has_value());
            if (c.labels[slot]) {
                EXPECT_EQ(label.text, *c.labels[slot]);
            }
            if (c.values[slot]) {
                EXPECT_EQ(value.text, *c.values[slot]);
            }
            EXPECT_EQ(label.tooltip, c.tooltips[slot]);
        }
    }
}

TEST_F(CpuidPageTest, RowsHiddenForOneProcessorReturnForTheNext) {
    RecordingSurface surface = SurfaceOf(145);
    CCPUIDPage page(Context());
    record.l3CacheSize = app::kCacheLevelAbsent;
    record.item13Flag = 1;
    Activate(page, surface);
    EXPECT_FALSE(surface.Visible(1216));
    EXPECT_TRUE(surface.Visible(1060));

    record.l3CacheSize = 8192;
    record.item13Flag = 0;
    record.chipsetId = 0x5D21;
    Activate(page, surface);
    EXPECT_TRUE(surface.Visible(1216));
    EXPECT_TRUE(surface.Visible(1221));
    EXPECT_EQ(surface.Text(1217), "8 MB");
    EXPECT_FALSE(surface.Visible(1060));
    EXPECT_TRUE(surface.Visible(1322));
}

TEST_F(CpuidPageTest, SignatureRows) {
    struct Case {
        std::int32_t revisionState;
        std::int32_t revision;
        const char* shown;
    };
    for (const Case c :
         {Case{0, 0xC6, "#286"}, Case{1, 0xC6, "#290"}, Case{2, 0x2000065, "2000065"}, Case{-1, 5, "#290"}}) {
        SCOPED_TRACE(c.revisionState);
        record.revisionState = c.revisionState;
        record.revision = c.revision;
        record.cpuType = 2;
        record.family = 15;
        record.extendedModel = 1;
        record.model = 10;
        record.stepping = 11;
        const RecordingSurface surface = Render();
        EXPECT_EQ(surface.Text(1172), c.shown);
        EXPECT_EQ(
            (std::array{surface.Text(1012), surface.Text(1008), surface.Text(1017), surface.Text(1188)}),
            (std::array<std::string, 4>{"2", "F", "1A", "B"}));
    }
}

struct GraphicsCase {
    const char* name;
    std::function<void(app::SystemRecord&)> change;
    std::optional<std::string> deviceId;  // nullopt: row hidden
    std::optional<std::string> graphics;  // nullopt: row hidden
    bool heading;
    std::int32_t addInGraphics;  // starts at 7: unchanged when no name is chosen
};

void Graphics(app::SystemRecord& r, std::int32_t module, std::int32_t chipset, std::int32_t code) {
    r.moduleNumber = module;
    r.chipsetId = chipset;
    r.graphicsCode = code;
}

TEST_F(CpuidPageTest, GraphicsRows) {
    const GraphicsCase cases[] = {
        {"module 8 shows the device id only", [](auto& r) { Graphics(r, 8, 0x0102, 3); }, "0102",
         std::nullopt, true, 7},
        {"module 12, add-in graphics", [](auto& r) { Graphics(r, 12, 0x5D21, 0); }, std::nullopt, "#483",
         true, 1},
        {"module 12, no graphics device", [](auto& r) { Graphics(r, 12, 0x5D21, -3); }, std::nullopt, "#483",
         true, 1},
        {"module 12, unknown code", [](auto& r) { Graphics(r, 12, 0x5D21, 50); }, std::nullopt, "#290", true,
         0},
        {"module 12, table B", [](auto& r) { Graphics(r, 12, 0x5D21, 104); }, std::nullopt, "#198", true, 0},
        {"module 12, a code of table A only", [](auto& r) { Graphics(r, 12, 0x5D21, 23); }, std::nullopt,
         "#290", true, 0},
        {"module 9, device id and table A", [](auto& r) { Graphics(r, 9, 0xA011, 3); }, "A011", "#480", true,
         0},
        {"module 11, code 20 is unknown", [](auto& r) { Graphics(r, 11, 0x1234, 20); }, std::nullopt, "#290",
         true, 0},
        {"module 11, code 23 of product 104",
         [](auto& r) {
             Graphics(r, 11, 0x1234, 23);
             r.productCode = 104;
         },
         std::nullopt, cpuid_page::kFixedGraphicsNames[0], true, 0},
        {"module 11, code 23 of product 105",
         [](auto& r) {
             Graphics(r, 11, 0x1234, 23);
             r.productCode = 105;
         },
         std::nullopt, cpuid_page::kFixedGraphicsNames[1], true, 0},
        {"module 11, code 23 of another product",
         [](auto& r) {
             Graphics(r, 11, 0x1234, 23);
             r.productCode = 106;
         },
         std::nullopt, "#290", true, 0},
        {"module 10 with graphics",
         [](auto& r) {
             Graphics(r, 10, 0x1234, 1);
             r.extendedModel = 4;
             r.model = 12;
         },
         std::nullopt, "#481", true, 0},
        {"module 10 without graphics", [](auto& r) { Graphics(r, 10, 0x1234, 1); }, std::nullopt,
         std::nullopt, true, 7},
        {"module 7 shows the device id in four digits", [](auto& r) { Graphics(r, 7, 0x2a, 1); }, "002A",
         std::nullopt, true, 7},
        {"module 6 has no graphics block", [](auto& r) { Graphics(r, 6, 0x1234, 1); }, std::nullopt,
         std::nullopt, false, 7},
        {"no chipset, no graphics block", [](auto& r) { Graphics(r, 12, 0, 0); }, std::nullopt, std::nullopt,
         false, 7},
    };
    for (const GraphicsCase& c : cases) {
        SCOPED_TRACE(c.name);
        record = app::SystemRecord{};
        Desktop(record);
        record.addInGraphics = 7;
        c.change(record);
        const RecordingSurface surface = Render();
        EXPECT_EQ(surface.Visible(1322), c.heading);
        if (c.heading) {
            EXPECT_EQ(surface.Text(1322), "#473");
        }
        EXPECT_EQ(surface.Visible(1323), c.deviceId.has_value());
        EXPECT_EQ(surface.Visible(1324), c.deviceId.has_value());
        if (c.deviceId) {
            EXPECT_EQ(surface.Text(1323), "#472");
            EXPECT_EQ(surface.Text(1324), *c.deviceId);
        }
        EXPECT_EQ(surface.Visible(1325), c.graphics.has_value());
        EXPECT_EQ(surface.Visible(1326), c.graphics.has_value());
        if (c.graphics) {
            EXPECT_EQ(surface.Text(1325), "#478");
            EXPECT_EQ(surface.Text(1326), *c.graphics);
        }
        EXPECT_EQ(record.addInGraphics, c.addInGraphics);
    }
}

TEST_F(CpuidPageTest, ActivationWritesLabelsFeaturesTooltipsAndPainting) {
    record.item13Flag = 1;
    const RecordingSurface surface = Render();
    EXPECT_EQ(currentPage, kCpuidPage);
    EXPECT_EQ(surface.windowText, "CPUID");
    EXPECT_EQ(surface.invalidations, 1);
    EXPECT_EQ(surface.Log().front(), "Invalidate");
    EXPECT_EQ(surface.Text(1243), "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz");
    EXPECT_FALSE(surface.Visible(1100));
    for (const auto& [id, text] : std::initializer_list<std::pair<ControlId, const char*>>{{1236, "#364"},
                                                                                           {1197, "#354"},
                                                                                           {1198, "#355"},
                                                                                           {1199, "#356"},
                                                                                           {1200, "#357"},
                                                                                           {1201, "#358"},
                                                                                           {1237, "#365"},
                                                                                           {1264, "#1267"},
                                                                                           {1254, "#390"},
                                                                                           {1238, "#366"},
                                                                                           {1060, "#396"},
                                                                                           {1265, "#155"},
                                                                                           {1255, "#156"}}) {
        EXPECT_EQ(surface.Text(id), text) << id;
    }
    EXPECT_TRUE(surface.Visible(1060));

    EXPECT_EQ(surface.tooltipMaxWidth, 300);
    for (const auto& [id, tip] : std::initializer_list<std::pair<ControlId, const char*>>{{1038, "#378"},
                                                                                          {1197, "#226"},
                                                                                          {1198, "#228"},
                                                                                          {1199, "#230"},
                                                                                          {1200, "#232"},
                                                                                          {1201, "#276"},
                                                                                          {1254, "#337"},
                                                                                          {1264, "#1266"},
                                                                                          {1323, "#474"},
                                                                                          {1325, "#488"}}) {
        EXPECT_EQ(surface.Control(id).tooltip, tip) << id;
    }

    EXPECT_EQ(surface.backgroundPicture, "<svg>background</svg>");
    EXPECT_EQ(surface.Control(1038).picture, "<svg>maker</svg>");
    EXPECT_EQ(surface.Control(1036).font, kPageTitleFont);
    for (const ControlId id : {1236, 1237, 1238, 1243, 1322}) {
        EXPECT_EQ(surface.Control(id).font, kBold) << id;
    }
    EXPECT_EQ(surface.Control(1197).font, FontChange{});
    EXPECT_EQ(surface.Control(1265).backdrop, Backdrop::kTransparent);
}

TEST_F(CpuidPageTest, MissingStringsAreNoError) {
    language = testing::TableLanguageText();
    const RecordingSurface surface = Render();
    EXPECT_EQ(surface.Text(1236), "");
    EXPECT_EQ(surface.Text(1012), "0");
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(CpuidPageTest, AFailureWhileFillingIsReportedAs40) {
    for (const ControlId failing : {1243, 1212, 1172, 1221, 1326}) {
        SCOPED_TRACE(failing);
        record.moduleNumber = 12;
        record.chipsetId = 0x5D21;
        testing::FailingSurface surface(*testing::GlossaDialog(145));
        surface.failingId = failing;
        CCPUIDPage page(Context());
        EXPECT_EQ(page.Activate(surface), result::kUnexpectedFailure);
        EXPECT_TRUE(errors.codes.empty());  // the sheet reports it
    }
}

TEST_F(CpuidPageTest, TheLogoOpensTheMakersHomePage) {
    platform::fake::SetFileTypeClass(".htm", "browser.document");
    platform::fake::SetOpenCommand("browser.document", "\"/usr/bin/browser\" %u");
    RecordingSurface surface = Render();
    CCPUIDPage page(Context());
    page.OnClick(surface, 1038);
    EXPECT_EQ(platform::fake::StartedCommandLines(),
              std::vector<std::string>{"\"/usr/bin/browser\" " + std::string(kBuiltInHomePage)});
    page.OnClick(surface, 1243);
    EXPECT_EQ(platform::fake::StartedCommandLines().size(), 1u);
}

}  // namespace
}  // namespace sondrel::ui
