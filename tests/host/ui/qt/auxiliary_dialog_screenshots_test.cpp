// The agreement, splash, about, freshness and future-processor dialogs as
// a person sees them: Glossa's own texts in the Qt windows, checked for
// clipped text and saved as screenshots by scripts/screenshots.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "sondrel/platform/fake.h"
#include "sondrel/ui/about_dialog.h"
#include "sondrel/ui/advice_dialogs.h"
#include "sondrel/ui/license_dialog.h"
#include "sondrel/ui/qt/dialog_runner.h"
#include "sondrel/ui/qt/template_surface.h"
#include "sondrel/ui/splash_dialog.h"
#include "support/glossa_language_text.h"
#include "support/layout_check.h"
#include "support/screenshot.h"
#include "support/table_language_text.h"

namespace sondrel::ui::qt {
namespace {

constexpr int kStillOpen = -1;

class DialogScreenshot : public ::testing::Test {
protected:
    void SetUp() override { platform::fake::Reset(); }
    void TearDown() override { platform::fake::Reset(); }

    // Shows the dialog, looks at it and saves it, then ends it.
    void Look(DialogLogic& dialog, const std::string& name) {
        QtDialogRunner runner(glossa, &errors);
        bool shown = false;
        runner.SetShownHook([&](TemplateSurface& surface) {
            shown = true;
            for (const std::string& problem : testing::LayoutProblems(surface)) {
                ADD_FAILURE() << name << ": " << problem;
            }
            testing::SaveScreenshot(*surface.window(), name);
            surface.EndDialog(kStillOpen);
        });
        EXPECT_EQ(runner.RunModal(dialog), kStillOpen) << name << " ended by itself";
        EXPECT_TRUE(shown) << name;
        EXPECT_TRUE(errors.codes.empty()) << name;
    }

    testing::GlossaLanguageText glossa;
    testing::RecordingErrorReporter errors;
};

TEST_F(DialogScreenshot, Agreement) {
    CLicenseDialog dialog(glossa, errors);
    Look(dialog, "agreement");
}

TEST_F(DialogScreenshot, Splash) {
    CSplashDialog dialog(glossa);
    Look(dialog, "splash");
}

TEST_F(DialogScreenshot, About) {
    CAboutDlg dialog(glossa, errors);
    Look(dialog, "about");
}

TEST_F(DialogScreenshot, Freshness) {
    CFreshnessDialog dialog(glossa, errors, nullptr);
    Look(dialog, "freshness");
}

TEST_F(DialogScreenshot, FutureProcessor) {
    CFutureProcessorDialog dialog(glossa, errors, nullptr);
    Look(dialog, "future-processor");
}

}  // namespace
}  // namespace sondrel::ui::qt
