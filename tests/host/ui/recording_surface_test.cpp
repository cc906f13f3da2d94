// The recording surface starts from its template and catches a page that
// touches a control its template does not have.
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace sondrel::testing {
namespace {

const SondrelDialogControl kControls[] = {
    {1243, kSondrelStaticText, {0, 0, 100, 10}, 0u, "name"},
    {1100, kSondrelStaticText, {0, 10, 100, 10}, kSondrelHidden, ""},
    {1062, kSondrelButton, {0, 20, 40, 14}, kSondrelDisabled, "OK"},
};
const SondrelDialogTemplate kTemplate = {{0, 0, 200, 100}, 0u, "Caption", 3u, kControls};

TEST(RecordingSurfaceTest, StartsFromTheTemplateAndRecordsChanges) {
    RecordingSurface surface(kTemplate);
    EXPECT_EQ(surface.windowText, "Caption");
    EXPECT_EQ(surface.Control(1243).text, "name");
    EXPECT_FALSE(surface.Visible(1100));
    EXPECT_FALSE(surface.Control(1062).enabled);

    surface.SetText(1243, "Quarn");
    surface.Show(1100);
    surface.SetFont(1243, ui::kBold);
    surface.SetFont(1243, ui::FontChange{std::nullopt, "Arial", 24});
    EXPECT_EQ(surface.Control(1243).text, "Quarn");
    EXPECT_TRUE(surface.Visible(1100));
    EXPECT_EQ(surface.Control(1243).font, ui::kPageTitleFont);
    EXPECT_EQ(surface.Log(),
              (std::vector<std::string>{"SetText 1243", "Show 1100", "SetFont 1243", "SetFont 1243"}));
    EXPECT_TRUE(surface.Faults().empty());
}

TEST(RecordingSurfaceTest, AnIdTheTemplateLacksIsAFault) {
    RecordingSurface surface(kTemplate);
    surface.SetText(9999, "lost");
    surface.Hide(1038);
    (void)surface.Text(1013);
    EXPECT_EQ(surface.Faults(), (std::vector<std::string>{"SetText 9999", "Hide 1038", "Control 1013"}));
}

}  // namespace
}  // namespace sondrel::testing
