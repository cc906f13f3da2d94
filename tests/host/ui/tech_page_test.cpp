// The technologies page on Glossa's template 147 and the technology
// advisory on template 407.
#include "sondrel/ui/tech_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "sondrel/ui/tech_advisory_dialog.h"
#include "support/page_fixture.h"

namespace sondrel::ui {
namespace {

using testing::RecordingSurface;

// The answer controls in the order they are written.
constexpr ControlId kAnswers[] = {1196, 1245, 1284, 1332, 1330, 1329, 1260, 1118, 1121, 1124, 1305};

class TechPageTest : public testing::PageTest {
protected:
    TechPageTest() { NothingSupported(record); }

    static void NothingSupported(app::SystemRecord& r) {
        r = app::SystemRecord{};
        std::strcpy(r.processorName, "Quarn(R) Bastra(R) Gold");
        r.sse = r.sse2 = r.sse3 = r.sse4 = r.avx = r.aesNi = 0;
        r.item13Flag = 0;
    }

    RecordingSurface Render() {
        RecordingSurface surface = SurfaceOf(147);
        CTechPage page(Context());
        Activate(page, surface);
        return surface;
    }
};

struct AnswerCase {
    const char* name;
    std::function<void(app::SystemRecord&)> change;
    ControlId yes;  // the one answer that is "yes"; 0: none
};

TEST_F(TechPageTest, EachRowAnswersFromItsOwnFields) {
    const AnswerCase cases[] = {
        {"nothing", [](app::SystemRecord&) {}, 0},
        {"Twinstrand supported and enabled",
         [](auto& r) {
             r.twinstrandSupport = 2;
             r.twinstrandEnabled = 1;
         },
         1196},
        {"Twinstrand not determinable",
         [](auto& r) {
             r.twinstrandSupport = 1;
             r.twinstrandEnabled = 1;
         },
         0},
        {"Twinstrand supported, not enabled",
         [](auto& r) {
             r.twinstrandSupport = 2;
             r.twinstrandEnabled = 0;
         },
         0},
        {"64-bit enabled though not supported",
         [](auto& r) {
             r.arch64Support = 0;
             r.arch64Enabled = 1;
         },
         1245},
        {"64-bit supported, not enabled",
         [](auto& r) {
             r.arch64Support = 2;
             r.arch64Enabled = 0;
         },
         0},
        {"HVX supported and enabled",
         [](auto& r) {
             r.virtualizationSupport = 2;
             r.virtualizationEnabled = 1;
         },
         1284},
        {"HVX enabled, not determinable",
         [](auto& r) {
             r.virtualizationSupport = 1;
             r.virtualizationEnabled = 1;
         },
         0},
        {"extended page tables", [](auto& r) { r.eptEnabled = 1; }, 1332},
        {"AVX", [](auto& r) { r.avx = 1; }, 1330},
        {"AVX other than 1", [](auto& r) { r.avx = 2; }, 0},
        {"AES-NI", [](auto& r) { r.aesNi = 1; }, 1329},
        {"EQRT", [](auto& r) { r.eqrtEnabled = 1; }, 1260},
        {"EQRT not asked", [](auto& r) { r.eqrtEnabled = -1; }, 0},
        {"SSE", [](auto& r) { r.sse = 1; }, 1118},
        {"SSE2 any non-zero", [](auto& r) { r.sse2 = -1; }, 1121},
        {"SSE3", [](auto& r) { r.sse3 = 2; }, 1124},
        {"SSE4", [](auto& r) { r.sse4 = 1; }, 1305},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        NothingSupported(record);
        c.change(record);
        const RecordingSurface surface = Render();
        for (const ControlId answer : kAnswers) {
            EXPECT_EQ(surface.Text(answer), answer == c.yes ? "#155" : "#156") << answer;
        }
    }
}

TEST_F(TechPageTest, ActivationWritesLabelsTooltipsAndPainting) {
    record.item13Flag = 1;
    const RecordingSurface surface = Render();
    EXPECT_EQ(currentPage, kTechnologiesPage);
    EXPECT_EQ(surface.windowText, "Tech");
    EXPECT_EQ(surface.Log().front(), "Invalidate");
    EXPECT_EQ(surface.Text(1243), "Quarn(R) Bastra(R) Gold");
    EXPECT_FALSE(surface.Visible(1100));
    for (const auto& [id, text] : std::initializer_list<std::pair<ControlId, const char*>>{{1252, "#388"},
                                                                                           {1253, "#389"},
                                                                                           {1208, "#362"},
                                                                                           {1209, "#363"},
                                                                                           {1256, "#376"},
                                                                                           {1306, "#449"},
                                                                                           {1235, "#361"},
                                                                                           {1244, "#382"},
                                                                                           {1283, "#415"},
                                                                                           {1261, "#392"},
                                                                                           {1328, "#484"},
                                                                                           {1327, "#485"},
                                                                                           {1331, "#489"},
                                                                                           {1060, "#396"},
                                                                                           {1262, "#420"}}) {
        EXPECT_EQ(surface.Text(id), text) << id;
    }
    EXPECT_EQ(surface.tooltipMaxWidth, 300);
    for (const auto& [id, tip] : std::initializer_list<std::pair<ControlId, const char*>>{{1038, "#378"},
                                                                                          {1208, "#238"},
                                                                                          {1209, "#301"},
                                                                                          {1235, "#373"},
                                                                                          {1244, "#383"},
                                                                                          {1256, "#377"},
                                                                                          {1261, "#339"},
                                                                                          {1283, "#416"},
                                                                                          {1306, "#450"},
                                                                                          {1327, "#486"},
                                                                                          {1328, "#487"},
                                                                                          {1331, "#490"}}) {
        EXPECT_EQ(surface.Control(id).tooltip, tip) << id;
    }
    EXPECT_EQ(surface.backgroundPicture, "<svg>background</svg>");
    EXPECT_EQ(surface.Control(1038).picture, "<svg>maker</svg>");
    EXPECT_EQ(surface.Control(1036).font, kPageTitleFont);
    for (const ControlId id : {1243, 1252, 1253}) {
        EXPECT_EQ(surface.Control(id).font, kBold) << id;
    }
    EXPECT_EQ(surface.Control(1196).font, FontChange{});
}

TEST_F(TechPageTest, TheEngineeringSampleNoteSitsBetweenAesNiAndEqrt) {
    for (const std::int32_t flag : {1, 0, -1}) {
        SCOPED_TRACE(flag);
        record.item13Flag = flag;
        const RecordingSurface surface = Render();
        EXPECT_EQ(surface.Visible(1060), flag == 1);
        const auto& log = surface.Log();
        const auto at = [&log](const std::string& entry) {
            return std::find(log.begin(), log.end(), entry) - log.begin();
        };
        const std::string note = flag == 1 ? "Show 1060" : "Hide 1060";
        EXPECT_LT(at("SetText 1329"), at(note));
        EXPECT_LT(at(note), at("SetText 1260"));
    }
}

TEST_F(TechPageTest, AFailureWhileFillingIsReportedAs40) {
    for (const ControlId failing : {1243, 1262, 1305}) {
        SCOPED_TRACE(failing);
        testing::FailingSurface surface(*testing::GlossaDialog(147));
        surface.failingId = failing;
        CTechPage page(Context());
        EXPECT_EQ(page.Activate(surface), result::kUnexpectedFailure);
    }
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(TechPageTest, ClicksOpenTheAdvisoryAndTheHomePage) {
    platform::fake::SetFileTypeClass(".htm", "browser.document");
    platform::fake::SetOpenCommand("browser.document", "\"/usr/bin/browser\" %u");
    RecordingSurface surface = Render();
    CTechPage page(Context());

    dialogs.clicks = {1062};
    page.OnClick(surface, 1262);
    ASSERT_EQ(dialogs.surfaces.size(), 1u);
    EXPECT_EQ(dialogs.surfaces[0]->endResult, 1);
    EXPECT_EQ(dialogs.surfaces[0]->Text(1077), "#398#399#401#402#105#403");
    EXPECT_TRUE(platform::fake::StartedCommandLines().empty());

    page.OnClick(surface, 1038);
    EXPECT_EQ(platform::fake::StartedCommandLines(),
              std::vector<std::string>{"\"/usr/bin/browser\" " + std::string(kBuiltInHomePage)});
    EXPECT_EQ(dialogs.surfaces.size(), 1u);
}

class TechAdvisoryTest : public testing::PageTest {
protected:
    RecordingSurface surface = SurfaceOf(407);
};

TEST_F(TechAdvisoryTest, ShowsTheParagraphsInOrderAndEndsWithOk) {
    language.Set(398, std::string(1200, 'a'));  // each paragraph is cut at 999
    language.Set(436, "OK, understood, and this is far too long");
    CTechAdvisoryDialog advisory(language, errors);
    EXPECT_EQ(advisory.TemplateId(), 407);
    advisory.OnInitDialog(surface);
    EXPECT_EQ(surface.Text(1077), std::string(999, 'a') + "#399#401#402#105#403");
    EXPECT_EQ(surface.Text(1062), "OK, understood, and this");
    EXPECT_FALSE(surface.endResult);
    advisory.OnClick(surface, 1077);
    EXPECT_FALSE(surface.endResult);
    advisory.OnClick(surface, 1062);
    EXPECT_EQ(surface.endResult, 1);
    EXPECT_TRUE(errors.codes.empty());
    EXPECT_EQ(surface.Faults(), std::vector<std::string>{});
}

TEST_F(TechAdvisoryTest, AMissingParagraphEndsTheDialogWithOneErrorBox) {
    for (const std::int32_t missing : {398, 399, 401, 402, 105, 403}) {
        SCOPED_TRACE(missing);
        testing::TableLanguageText incomplete = testing::NumberedStrings();
        incomplete.Remove(missing);
        testing::RecordingErrorReporter reporter;
        CTechAdvisoryDialog advisory(incomplete, reporter);
        RecordingSurface first = SurfaceOf(407);
        advisory.OnInitDialog(first);
        EXPECT_EQ(first.endResult, 0);
        EXPECT_EQ(first.Text(1077), "");
        // The same dialog failing again shows no second box.
        RecordingSurface second = SurfaceOf(407);
        advisory.OnInitDialog(second);
        EXPECT_EQ(second.endResult, 0);
        EXPECT_EQ(reporter.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    }
}

TEST_F(TechAdvisoryTest, AnEmptyParagraphIsNoFailure) {
    language.Set(401, "");
    language.Remove(436);
    CTechAdvisoryDialog advisory(language, errors);
    advisory.OnInitDialog(surface);
    EXPECT_FALSE(surface.endResult);
    EXPECT_EQ(surface.Text(1077), "#398#399#402#105#403");
    EXPECT_TRUE(errors.codes.empty());
}

}  // namespace
}  // namespace sondrel::ui
