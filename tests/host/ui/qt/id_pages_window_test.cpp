// The CPUID and technologies pages and the technology advisory in Qt
// windows, from the system records of the bundled profiles collected
// through the real broker and modules, with Glossa's own texts: checked for
// clipped text and saved as screenshots (SONDREL_SCREENSHOT_DIR).
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/ui/cpuid_page.h"
#include "sondrel/ui/qt/dialog_runner.h"
#include "sondrel/ui/qt/page_widget.h"
#include "sondrel/ui/qt/template_surface.h"
#include "sondrel/ui/tech_page.h"
#include "support/glossa_language_text.h"
#include "support/layout_check.h"
#include "support/screenshot.h"
#include "support/table_language_text.h"

namespace sondrel::ui::qt {
namespace {

namespace fs = std::filesystem;

constexpr int kStillOpen = -1;

nlohmann::json Bundled(const std::string& name) {
    return testing::ReadProfile(fs::path(SONDREL_SOURCE_DIR) / "profiles" / (name + ".json"));
}

// The desktop without its L3: CPUID leaf 4 ends after the L2.
nlohmann::json DesktopWithoutL3() {
    nlohmann::json profile = Bundled("default");
    testing::SetCpuid(profile, 0x4, 3, "eax", 0);
    return profile;
}

// A processor collected from a bundled profile, as the sheet holds it.
class Collected {
public:
    explicit Collected(const nlohmann::json& profile) : selected_(profile), connection_(sheet_, record) {
        code = connection_.RunBrokerSession();
    }
    app::SystemRecord record;
    ResultCode code = result::kUnexpectedFailure;

private:
    testing::SelectedProfile selected_;
    app::MainSheetState sheet_;
    app::BrokerConnection connection_;
};

class IdPagesWindow : public ::testing::Test {
protected:
    // Shows the page in its window, looks at it and saves it.
    void Look(ResultPage& page, const std::string& name) {
        const std::unique_ptr<PageWidget> widget = MakePageWidget(page, glossa);
        ASSERT_NE(widget, nullptr) << name;
        widget->show();
        QApplication::processEvents();
        EXPECT_EQ(widget->Activate(), result::kSuccess) << name;
        for (const std::string& problem : testing::LayoutProblems(widget->Surface())) {
            ADD_FAILURE() << name << ": " << problem;
        }
        if (!name.empty()) {
            testing::SaveScreenshot(*widget, name);
        }
    }

    PageContext Context(app::SystemRecord& record) {
        return {record, glossa, currentPage, errors, runner, nullptr};
    }

    testing::GlossaLanguageText glossa;
    testing::RecordingErrorReporter errors;
    QtDialogRunner runner{glossa, &errors};
    std::int32_t currentPage = -1;
};

struct CpuidShot {
    nlohmann::json profile;
    std::string screenshot;  // empty: looked at, not saved
};

TEST_F(IdPagesWindow, ScreenshotCpuidPageOnBundledProfiles) {
    // The desktop has an L3 and integrated graphics, the server add-in
    // graphics; no bundled processor lacks an L3, so the desktop loses it.
    const CpuidShot shots[] = {
        {Bundled("default"), "cpuid-desktop"},    {Bundled("server_bastra_gold_55"), "cpuid-server"},
        {DesktopWithoutL3(), "cpuid-without-l3"}, {Bundled("mobile_vantor_m7_4e"), ""},
        {Bundled("mobile_vantor_i5_8e"), ""},     {Bundled("desktop_vantor_i5_9e"), ""},
    };
    for (const CpuidShot& shot : shots) {
        SCOPED_TRACE(shot.screenshot);
        Collected processor(shot.profile);
        ASSERT_EQ(processor.code, result::kSuccess);
        CCPUIDPage page(Context(processor.record));
        Look(page, shot.screenshot);
        if (shot.screenshot == "cpuid-without-l3") {
            EXPECT_EQ(processor.record.l3CacheSize, app::kNoCacheInterface);
        }
    }
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(IdPagesWindow, ScreenshotTechnologiesPageAndAdvisory) {
    Collected processor(Bundled("default"));
    ASSERT_EQ(processor.code, result::kSuccess);
    CTechPage page(Context(processor.record));
    Look(page, "technologies");

    bool shown = false;
    runner.SetShownHook([&](TemplateSurface& surface) {
        shown = true;
        for (const std::string& problem : testing::LayoutProblems(surface)) {
            ADD_FAILURE() << "technology advisory: " << problem;
        }
        testing::SaveScreenshot(*surface.window(), "technology-advisory");
        surface.EndDialog(kStillOpen);
    });
    const std::unique_ptr<PageWidget> widget = MakePageWidget(page, glossa);
    ASSERT_NE(widget, nullptr);
    page.OnClick(widget->Surface(), 1262);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(errors.codes.empty());
}

}  // namespace
}  // namespace sondrel::ui::qt
