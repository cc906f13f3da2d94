// The three frequency pages on the recording surfaces of their real
// templates: values, colours, layouts, status text and failures.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "freq_page_fixture.h"
#include "sondrel/platform/fake.h"
#include "sondrel/ui/control_surface.h"

namespace sondrel::testing {
namespace {

using app::SystemRecord;
using ui::ControlId;

constexpr ui::Rgb kBlue = ui::kReportedValueColor;
constexpr ui::Rgb kRed = ui::kExcessColor;
constexpr std::array<PageKind, 3> kAllPages = {PageKind::kFirst, PageKind::kSecond, PageKind::kThird};

// Where each page shows the reported and the expected processor text.
struct ProcessorCells {
    ControlId reported;
    ControlId expected;
};

ProcessorCells ProcessorCellsOf(PageKind kind) {
    return kind == PageKind::kThird ? ProcessorCells{1312, 1314} : ProcessorCells{1177, 1023};
}

// Each page is activated on a record and must touch only its template's ids.
class FrequencyPages : public ::testing::Test {
protected:
    void SetUp() override { platform::fake::Reset(); }
    void TearDown() override { platform::fake::Reset(); }

    static void ExpectNoFaults(const PageRun& run) { EXPECT_TRUE(run.Surface().Faults().empty()); }
};

TEST_F(FrequencyPages, ActivationFillsTheCommonPartsAndMovesTheFocusAfterwards) {
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(PageName(kind));
        PageRun run(kind, DesktopRecord());
        ASSERT_EQ(run.Activate(), result::kSuccess);
        RecordingSurface& surface = run.Surface();
        EXPECT_EQ(run.Page().CaptionStringId(), 107);
        EXPECT_EQ(run.CurrentPage(), 0);
        EXPECT_GE(surface.invalidations, 1);
        EXPECT_EQ(surface.windowText, "Freq");
        EXPECT_EQ(run.Text(1243), "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.40GHz");
        EXPECT_EQ(surface.backgroundPicture, "<svg>background</svg>");
        EXPECT_EQ(surface.Control(1038).picture, "<svg>maker</svg>");
        EXPECT_EQ(surface.Control(1036).font, ui::kPageTitleFont);
        EXPECT_EQ(surface.Control(1243).font, ui::kBold);
        EXPECT_EQ(surface.Control(1010).backdrop, ui::Backdrop::kOpaqueWhite);
        EXPECT_EQ(surface.tooltipMaxWidth, 300);
        EXPECT_EQ(surface.Control(1038).tooltip, "[378]");
        EXPECT_EQ(surface.Control(1067).tooltip, "[220]");
        // No excess: the advisory stays hidden.
        for (const ControlId id : {1066, 1067, 1063, 1100, 1222}) {
            EXPECT_FALSE(run.Visible(id)) << id;
        }
        // The focus moves only once the activation has finished.
        EXPECT_FALSE(surface.focus.has_value());
        run.Page().AfterActivation(surface);
        EXPECT_EQ(surface.focus, 1036);
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, ProcessorFiguresAreCutToTensOfMegahertzWithTheLocalDecimalPoint) {
    struct Case {
        const char* separator;
        const char* reported;
        const char* expected;
    };
    for (const Case& c : {Case{".", "3.39 GHz", "3.40 GHz"}, Case{",", "3,39 GHz", "3,40 GHz"},
                          Case{", decimal comma", "3,39 GHz", "3,40 GHz"}}) {
        for (const PageKind kind : kAllPages) {
            SCOPED_TRACE(std::string(PageName(kind)) + " with " + c.separator);
            TableLanguageText language = IdStrings();
            language.Set(453, c.separator);
            PageRun run(kind, DesktopRecord(), language);
            ASSERT_EQ(run.Activate(), result::kSuccess);
            const ProcessorCells cells = ProcessorCellsOf(kind);
            EXPECT_EQ(run.Text(cells.reported), c.reported);
            EXPECT_EQ(run.Text(cells.expected), c.expected);
            ExpectNoFaults(run);
        }
    }
}

TEST_F(FrequencyPages, ExcessBitsColourTheirCellsRedOnTheFirstTwoPagesOnly) {
    struct Cells {
        PageKind kind;
        std::vector<ControlId> processor;
        std::vector<ControlId> bus;
        std::vector<ControlId> alwaysBlue;
    };
    const std::array<Cells, 3> pages = {{
        {PageKind::kFirst, {1177, 1046}, {1032, 1049}, {1180, 1054}},
        {PageKind::kSecond, {1177, 1046, 1298, 1303}, {1032, 1049, 1299, 1304}, {}},
        {PageKind::kThird, {}, {}, {1312, 1313, 1315, 1316, 1317}},
    }};
    for (const Cells& page : pages) {
        for (const std::int32_t excess : {0, 1, 2, 3}) {
            SCOPED_TRACE(std::string(PageName(page.kind)) + " excess " + std::to_string(excess));
            SystemRecord record = DesktopRecord();
            record.frequencyExcess = excess;
            PageRun run(page.kind, std::move(record));
            ASSERT_EQ(run.Activate(), result::kSuccess);
            for (const ControlId id : page.processor) {
                EXPECT_EQ(run.Color(id), (excess & 1) != 0 ? kRed : kBlue) << id;
                EXPECT_EQ(run.Surface().Control(id).font, ui::kBold) << id;
            }
            for (const ControlId id : page.bus) {
                EXPECT_EQ(run.Color(id), (excess & 2) != 0 ? kRed : kBlue) << id;
            }
            for (const ControlId id : page.alwaysBlue) {
                EXPECT_EQ(run.Color(id), kBlue) << id;
            }
            // Any excess shows the advisory, since expected values exist.
            for (const ControlId id : {1066, 1067, 1063}) {
                EXPECT_EQ(run.Visible(id), excess != 0) << id;
            }
            if (excess != 0) {
                EXPECT_EQ(run.Text(1067), "[197]");
                EXPECT_EQ(run.Text(1063), "[439]");
                EXPECT_EQ(run.Surface().Control(1066).picture, "<svg>mark</svg>");
            }
            ExpectNoFaults(run);
        }
    }
}

TEST_F(FrequencyPages, WithoutExpectedValuesNeitherTheExpectedColumnNorTheAdvisoryShows) {
    // Item 10 clear: the figures cannot be compared with a rating.
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(PageName(kind));
        SystemRecord record = DesktopRecord();
        record.item10Flag = 0;
        record.frequencyExcess = 2;
        record.expectedCpuMHz = 0.0f;
        PageRun run(kind, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        const std::vector<ControlId> expectedColumn =
            kind == PageKind::kThird ? std::vector<ControlId>{1006, 1314, 1318, 1319, 1320, 1321}
                                     : std::vector<ControlId>{1006, 1023, 1028};
        for (const ControlId id : expectedColumn) {
            EXPECT_FALSE(run.Visible(id)) << id;
        }
        for (const ControlId id : {1066, 1067, 1063}) {
            EXPECT_FALSE(run.Visible(id)) << id;
        }
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, ANewerProcessorShowsOnlyItsMessage) {
    const std::set<ControlId> kept = {1036, 1038, 1243, 0xFFFF, 1222};
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(PageName(kind));
        // A page that showed figures before loses them all.
        PageRun run(kind, DesktopRecord());
        ASSERT_EQ(run.Activate(), result::kSuccess);
        run.Record().productCode = 4;
        ASSERT_EQ(run.Activate(), result::kSuccess);

        const SondrelDialogTemplate& layout = *GlossaDialog(run.Page().TemplateId());
        for (std::uint32_t index = 0; index < layout.controlCount; ++index) {
            const ControlId id = layout.controls[index].id;
            EXPECT_EQ(run.Visible(id), kept.contains(id)) << id;
        }
        EXPECT_EQ(run.Text(1222), "[154]");
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, TwoCoreModelsWithoutL3ShowTwiceTheL2AndCountTwoCores) {
    struct Case {
        std::int32_t extendedModel;
        std::int32_t model;
        std::int32_t l3;
        std::int32_t l2;
        const char* cache;
        std::int32_t cores;
    };
    const std::array<Case, 6> cases = {{
        {3, 7, -3, 1024, "2 MB", 2},
        {4, 12, 0, 2048, "4 MB", 2},
        {4, 13, -1, 512, "1 MB", 2},
        {4, 13, -1, -1, "Unknown", 2},  // an unknown size is not doubled
        {4, 13, 3072, 512, "3 MB", 1},  // with an L3 the L3 shows
        {5, 14, -3, 256, "256 KB", 1},  // not a two-core model
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.extendedModel) + "," + std::to_string(c.model) + " L3 " +
                     std::to_string(c.l3));
        SystemRecord record = DesktopRecord();
        record.extendedModel = c.extendedModel;
        record.model = c.model;
        record.l3CacheSize = c.l3;
        record.l2CacheSize = c.l2;
        record.coresPerPackage = 1;
        PageRun run(PageKind::kFirst, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        EXPECT_EQ(run.Text(1180), c.cache);
        EXPECT_EQ(run.Record().coresPerPackage, c.cores);
        EXPECT_EQ(run.Text(1021), c.l3 > 0 ? "[387]" : "[408]");
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, FirstPageHeadersLabelsAndSecondColumnFollowTheSignature) {
    struct Case {
        const char* name;
        std::function<void(SystemRecord&)> change;
        bool secondColumn;
        const char* header1;
        const char* header2;
        const char* busLabel;
    };
    const std::vector<Case> cases = {
        {"six cores", [](SystemRecord&) {}, true, "[343]", "[343]", "[350]"},
        {"two cores", [](SystemRecord& r) { r.coresPerPackage = 2; }, true, "[343]\r[411]", "[343]\r[412]",
         "[350]"},
        {"one core",
         [](SystemRecord& r) {
             r.multiCore = 0;
             r.coresPerPackage = 1;
         },
         false, "[343]", "", "[350]"},
        // (2,13) hides the second column but still heads per core.
        {"(2,13) two cores",
         [](SystemRecord& r) {
             r.extendedModel = 2;
             r.model = 13;
             r.coresPerPackage = 2;
         },
         false, "[343]\r[411]", "[343]\r[412]", "[350]"},
        {"(2,14) two cores",
         [](SystemRecord& r) {
             r.extendedModel = 2;
             r.model = 14;
             r.coresPerPackage = 2;
         },
         false, "[343]", "[343]", "[476]"},
        {"(3,7) three cores",
         [](SystemRecord& r) {
             r.extendedModel = 3;
             r.model = 7;
             r.coresPerPackage = 3;
         },
         false, "[343]", "[343]", "[476]"},
        {"product 78 on extended model 2",
         [](SystemRecord& r) {
             r.productCode = 78;
             r.extendedModel = 2;
             r.model = 10;
         },
         true, "[343]", "[343]", "[476]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemRecord record = DesktopRecord();
        c.change(record);
        PageRun run(PageKind::kFirst, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        for (const ControlId id : {1042, 1046, 1049, 1054}) {
            EXPECT_EQ(run.Visible(id), c.secondColumn) << id;
        }
        EXPECT_EQ(run.Text(1009), c.header1);
        if (c.secondColumn) {
            EXPECT_EQ(run.Text(1042), c.header2);
            EXPECT_EQ(run.Text(1046), "3.39 GHz");
            EXPECT_EQ(run.Text(1049), "100 MHz");
            EXPECT_EQ(run.Text(1054), "12 MB");
        }
        EXPECT_EQ(run.Text(1018), c.busLabel);
        EXPECT_EQ(run.Text(1016), "[347]");
        EXPECT_EQ(run.Text(1032), "100 MHz");
        // The expected bus figure never shows on this page.
        EXPECT_FALSE(run.Visible(1028));
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, SecondPageGreysTheFurtherColumnsWhenACoreIsDisabled) {
    SystemRecord record = DesktopRecord();
    record.coresPerPackage = 4;
    record.l3CacheSize = -3;
    record.l2CacheSize = 2048;
    PageRun run(PageKind::kSecond, std::move(record));
    ASSERT_EQ(run.Activate(), result::kSuccess);
    // All cores active: every column repeats the figures, the L2 counts twice.
    for (const ControlId id : {1177, 1046, 1298, 1303}) {
        EXPECT_EQ(run.Text(id), "3.39 GHz") << id;
    }
    for (const ControlId id : {1032, 1049, 1299, 1304}) {
        EXPECT_EQ(run.Text(id), "100 MHz") << id;
        EXPECT_TRUE(run.Visible(id)) << id;
    }
    EXPECT_EQ(run.Text(1182), "4 MB");
    EXPECT_EQ(run.Text(1009), "[343]\r[411]");
    EXPECT_EQ(run.Text(1042), "[343]\r[412]");
    EXPECT_EQ(run.Text(1334), "[343]\r[446]");
    EXPECT_EQ(run.Text(1301), "[343]\r[447]");
    EXPECT_EQ(run.Text(1028), "100 MHz");

    // One core disabled: three greyed cells, no further bus figures, the L2
    // once; a later activation with all cores back enables them again.
    run.Record().disabledCores = 1;
    ASSERT_EQ(run.Activate(), result::kSuccess);
    for (const ControlId id : {1046, 1298, 1303}) {
        EXPECT_EQ(run.Text(id), "[417]") << id;
        EXPECT_FALSE(run.Enabled(id)) << id;
        EXPECT_TRUE(run.Visible(id)) << id;
    }
    for (const ControlId id : {1049, 1299, 1304}) {
        EXPECT_FALSE(run.Visible(id)) << id;
    }
    EXPECT_EQ(run.Text(1182), "2 MB");
    EXPECT_TRUE(run.Enabled(1177));

    run.Record().disabledCores = 0;
    ASSERT_EQ(run.Activate(), result::kSuccess);
    for (const ControlId id : {1046, 1298, 1303}) {
        EXPECT_EQ(run.Text(id), "3.39 GHz") << id;
        EXPECT_TRUE(run.Enabled(id)) << id;
    }
    ExpectNoFaults(run);
}

TEST_F(FrequencyPages, FirstPageGreysTheSecondColumnOfASingleCoreWithDisabledCores) {
    SystemRecord record = DesktopRecord();
    record.multiCore = 0;
    record.disabledCores = 1;
    PageRun run(PageKind::kFirst, std::move(record));
    ASSERT_EQ(run.Activate(), result::kSuccess);
    EXPECT_EQ(run.Text(1046), "[417]");
    EXPECT_FALSE(run.Enabled(1046));
    EXPECT_FALSE(run.Visible(1049));
    EXPECT_FALSE(run.Visible(1054));
    ExpectNoFaults(run);
}

TEST_F(FrequencyPages, ThirdPageLayoutsFollowTheModule) {
    struct Row {
        const char* label;
        const char* reported;
        const char* expected;  // null: hidden
        const char* tooltip;
    };
    struct Case {
        std::int32_t moduleNumber;
        std::array<Row, 5> rows;
    };
    // Layout A: processor, bus, cache, threads, cores. Layout B: processor,
    // interconnect, memory controller, cache, cores.
    const std::array<Case, 2> cases = {{
        {12,
         {{{"[456]", "3.39 GHz", "3.40 GHz", "[463]"},
           {"[350]", "100 MHz", "100 MHz", "[264]"},
           {"[468]", "12 MB", nullptr, "[395]"},
           {"[479]", "12", "16", "[479]"},
           {"[460]", "6", "8", "[466]"}}}},
        {8,
         {{{"[456]", "3.39 GHz", "3.40 GHz", "[463]"},
           {"[457]", "6.40 GT/s", "6.40 GT/s", "[464]"},
           {"[458]", "1333 MHz", "1333 MHz", "[465]"},
           {"[468]", "12 MB", nullptr, "[395]"},
           {"[460]", "6", "6", "[466]"}}}},
    }};
    constexpr std::array<ControlId, 5> kLabels = {1307, 1308, 1309, 1310, 1311};
    constexpr std::array<ControlId, 5> kReported = {1312, 1313, 1315, 1316, 1317};
    constexpr std::array<ControlId, 5> kExpected = {1314, 1318, 1319, 1320, 1321};
    for (const Case& c : cases) {
        SCOPED_TRACE("module " + std::to_string(c.moduleNumber));
        SystemRecord record = DesktopRecord();
        record.moduleNumber = c.moduleNumber;
        record.reportedInterconnect = 6400.0f;
        record.expectedInterconnect = 6400.0f;
        record.reportedMemoryController = 1333.0f;
        record.expectedMemoryController = 1333.0f;
        record.packageThreadCount2 = 16;
        record.maxCoreCount2 = 8;
        PageRun run(PageKind::kThird, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        for (std::size_t row = 0; row < 5; ++row) {
            SCOPED_TRACE("row " + std::to_string(row + 1));
            const Row& expect = c.rows[row];
            EXPECT_EQ(run.Text(kLabels[row]), expect.label);
            EXPECT_EQ(run.Surface().Control(kLabels[row]).tooltip, expect.tooltip);
            EXPECT_EQ(run.Text(kReported[row]), expect.reported);
            EXPECT_TRUE(run.Visible(kReported[row]));
            EXPECT_EQ(run.Surface().Control(kExpected[row]).font, ui::kBold);
            if (expect.expected == nullptr) {
                EXPECT_FALSE(run.Visible(kExpected[row]));
            } else {
                EXPECT_TRUE(run.Visible(kExpected[row]));
                EXPECT_EQ(run.Text(kExpected[row]), expect.expected);
            }
        }
        EXPECT_EQ(run.Text(1009), "[343]");
        EXPECT_EQ(run.Text(1006), "[345]");
        EXPECT_EQ(run.Surface().Control(1006).tooltip, "[461]");
        EXPECT_EQ(run.Surface().Control(1009).tooltip, "[462]");
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, ThirdPageDoublesTheL2OnlyWithEveryCoreActive) {
    SystemRecord record = DesktopRecord();
    record.l3CacheSize = -2;
    record.l2CacheSize = 1536;
    PageRun run(PageKind::kThird, std::move(record));
    ASSERT_EQ(run.Activate(), result::kSuccess);
    EXPECT_EQ(run.Text(1307 + 2), "[298]");
    EXPECT_EQ(run.Text(1315), "3 MB");
    run.Record().disabledCores = 2;
    ASSERT_EQ(run.Activate(), result::kSuccess);
    EXPECT_EQ(run.Text(1315), "1.5 MB");
    ExpectNoFaults(run);
}

TEST_F(FrequencyPages, StatusTextIsBuiltInItsOrder) {
    struct Case {
        const char* name;
        PageKind kind;
        std::function<void(SystemRecord&)> change;
        const char* status;
    };
    const std::vector<Case> cases = {
        {"rated", PageKind::kFirst, [](SystemRecord&) {}, "[287][114]\r\n\r\n"},
        {"everything", PageKind::kSecond,
         [](SystemRecord& r) {
             r.twinstrandEnabled = 1;
             r.frequencyExcess = 3;
             r.item4Flag = 1;
         },
         "[151][210][410][114]\r\n\r\n"},
        {"not determinable Twinstrand", PageKind::kThird,
         [](SystemRecord& r) {
             r.twinstrandSupport = app::kNotDeterminable;
             r.twinstrandEnabled = 1;
             r.frequencyExcess = 1;
         },
         "[119][114]\r\n\r\n"},
        {"not confirmed", PageKind::kFirst,
         [](SystemRecord& r) {
             r.item9Flag = 0;
             r.frequencyExcess = 2;
         },
         "[120][115]"},
        {"module 10 (4,13) on the first page", PageKind::kFirst,
         [](SystemRecord& r) {
             r.moduleNumber = 10;
             r.extendedModel = 4;
             r.model = 13;
             r.frequencyExcess = 2;
         },
         "[133][207][114]\r\n\r\n"},
        {"module 10 (4,13) on the second page", PageKind::kSecond,
         [](SystemRecord& r) {
             r.moduleNumber = 10;
             r.extendedModel = 4;
             r.model = 13;
         },
         "[287][114]\r\n\r\n"},
        {"product 120 of module 11", PageKind::kThird,
         [](SystemRecord& r) {
             r.moduleNumber = 11;
             r.productCode = 120;
         },
         "[133][287][114]\r\n\r\n"},
        {"product 120 of module 8", PageKind::kThird,
         [](SystemRecord& r) {
             r.moduleNumber = 8;
             r.productCode = 120;
         },
         "[287][114]\r\n\r\n"},
        {"product 139 of module 8", PageKind::kThird,
         [](SystemRecord& r) {
             r.moduleNumber = 8;
             r.productCode = 139;
         },
         "[133][287][114]\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemRecord record = DesktopRecord();
        c.change(record);
        PageRun run(c.kind, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        EXPECT_EQ(run.Text(1010), c.status);
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, TheNoteShowsWithItem13) {
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(PageName(kind));
        SystemRecord record = DesktopRecord();
        record.item13Flag = 1;
        PageRun run(kind, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);
        EXPECT_TRUE(run.Visible(1060));
        EXPECT_EQ(run.Text(1060), "[396]");
        run.Record().item13Flag = 0;
        ASSERT_EQ(run.Activate(), result::kSuccess);
        EXPECT_FALSE(run.Visible(1060));
        ExpectNoFaults(run);
    }
}

TEST_F(FrequencyPages, FiguresOfZeroOrLessFailTheActivation) {
    struct Case {
        PageKind kind;
        float SystemRecord::*field;
        const char* name;
        bool fails;
    };
    const std::vector<Case> cases = {
        {PageKind::kFirst, &SystemRecord::reportedCpuMHz, "reported processor", true},
        {PageKind::kFirst, &SystemRecord::reportedBusMHz, "reported bus", true},
        {PageKind::kFirst, &SystemRecord::expectedCpuMHz, "expected processor", true},
        {PageKind::kFirst, &SystemRecord::expectedBusMHz, "expected bus (never shown)", false},
        {PageKind::kSecond, &SystemRecord::reportedCpuMHz, "reported processor", true},
        {PageKind::kSecond, &SystemRecord::reportedBusMHz, "reported bus", true},
        {PageKind::kSecond, &SystemRecord::expectedCpuMHz, "expected processor", true},
        {PageKind::kSecond, &SystemRecord::expectedBusMHz, "expected bus", true},
        {PageKind::kThird, &SystemRecord::reportedCpuMHz, "reported processor", true},
        {PageKind::kThird, &SystemRecord::expectedCpuMHz, "expected processor", true},
        {PageKind::kThird, &SystemRecord::reportedBusMHz, "reported bus (not checked)", false},
    };
    // 0.5 MHz is no whole megahertz.
    for (const float value : {0.0f, -100.0f, 0.5f}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(PageName(c.kind)) + " " + c.name + " " + std::to_string(value));
            SystemRecord record = DesktopRecord();
            record.*c.field = value;
            PageRun run(c.kind, std::move(record));
            EXPECT_EQ(run.Activate(), c.fails ? result::kUnexpectedFailure : result::kSuccess);
            ExpectNoFaults(run);
        }
    }
    // Without expected values an expected figure of 0 is no failure.
    for (const PageKind kind : kAllPages) {
        SystemRecord record = DesktopRecord();
        record.item9Flag = 0;
        record.expectedCpuMHz = 0.0f;
        record.expectedBusMHz = 0.0f;
        PageRun run(kind, std::move(record));
        EXPECT_EQ(run.Activate(), result::kSuccess) << PageName(kind);
    }
}

TEST_F(FrequencyPages, TheAdvisoryLinkOpensTheAdvisoryAndTheLogoTheHomePage) {
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(PageName(kind));
        platform::fake::Reset();
        platform::fake::SetFileTypeClass(".htm", "browser.document");
        platform::fake::SetOpenCommand("browser.document", "\"/usr/bin/browser\" %u");
        SystemRecord record = DesktopRecord();
        record.frequencyExcess = 2;
        PageRun run(kind, std::move(record));
        ASSERT_EQ(run.Activate(), result::kSuccess);

        run.Page().OnClick(run.Surface(), 1063);
        ASSERT_EQ(run.Dialogs().surfaces.size(), 1u);
        const RecordingSurface& advisory = *run.Dialogs().surfaces.front();
        EXPECT_EQ(advisory.Control(1077).text, "[212][115]");
        EXPECT_FALSE(advisory.endResult.has_value());

        run.Page().OnClick(run.Surface(), 1038);
        EXPECT_EQ(platform::fake::StartedCommandLines(),
                  std::vector<std::string>{"\"/usr/bin/browser\" https://www.quarn.example/"});
        EXPECT_TRUE(run.Errors().codes.empty());
        ExpectNoFaults(run);
    }
}

}  // namespace
}  // namespace sondrel::testing
