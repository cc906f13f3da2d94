// The frequency advisory on the recording surface of its real template.
#include "sondrel/ui/advisory_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "freq_page_fixture.h"

namespace sondrel::testing {
namespace {

class AdvisoryDialog : public ::testing::Test {
protected:
    RecordingSurface NewSurface() const { return RecordingSurface(*GlossaDialog(138)); }

    app::SystemRecord record_ = DesktopRecord();
    TableLanguageText language_ = IdStrings();
    RecordingErrorReporter errors_;
};

TEST_F(AdvisoryDialog, TheAdviceFollowsTheExcessAndTheButtonEndsWithOne) {
    struct Case {
        std::int32_t excess;
        const char* body;
    };
    for (const Case& c : {Case{1, "[126][115]"}, Case{2, "[212][115]"}, Case{3, "[214][115]"}}) {
        SCOPED_TRACE(c.excess);
        record_.frequencyExcess = c.excess;
        ui::CAdvisoryDialog dialog(record_, language_, errors_);
        EXPECT_EQ(dialog.TemplateId(), 138);
        RecordingSurface surface = NewSurface();
        dialog.OnInitDialog(surface);
        EXPECT_EQ(surface.Control(1077).text, c.body);
        EXPECT_EQ(surface.Control(1062).text, "[436]");
        EXPECT_FALSE(surface.endResult.has_value());
        dialog.OnClick(surface, 1077);
        EXPECT_FALSE(surface.endResult.has_value());
        dialog.OnClick(surface, 1062);
        EXPECT_EQ(surface.endResult, 1);
        EXPECT_TRUE(surface.Faults().empty());
    }
    EXPECT_TRUE(errors_.codes.empty());
}

TEST_F(AdvisoryDialog, FailuresEndTheDialogAndShowTheBoxOnce) {
    struct Case {
        const char* name;
        std::int32_t excess;
        std::int32_t missingString;  // 0: none
    };
    for (const Case& c : {Case{"no excess", 0, 0}, Case{"excess 4", 4, 0}, Case{"excess -1", -1, 0},
                          Case{"advice missing", 2, 212}, Case{"support advice missing", 1, 115}}) {
        SCOPED_TRACE(c.name);
        errors_.codes.clear();
        record_.frequencyExcess = c.excess;
        TableLanguageText language = IdStrings();
        if (c.missingString != 0) {
            language.Remove(c.missingString);
        }
        ui::CAdvisoryDialog dialog(record_, language, errors_);
        RecordingSurface surface = NewSurface();
        dialog.OnInitDialog(surface);
        EXPECT_EQ(surface.endResult, 0);
        EXPECT_EQ(surface.Control(1077).text, "");
        // The same dialog failing again shows no second box.
        RecordingSurface again = NewSurface();
        dialog.OnInitDialog(again);
        EXPECT_EQ(again.endResult, 0);
        EXPECT_EQ(errors_.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
        EXPECT_TRUE(surface.Faults().empty());
    }
}

TEST_F(AdvisoryDialog, AMissingButtonTextKeepsTheTemplatesOwn) {
    record_.frequencyExcess = 1;
    language_.Remove(436);
    ui::CAdvisoryDialog dialog(record_, language_, errors_);
    RecordingSurface surface = NewSurface();
    const std::string own = surface.Control(1062).text;
    dialog.OnInitDialog(surface);
    EXPECT_FALSE(own.empty());
    EXPECT_EQ(surface.Control(1062).text, own);
    EXPECT_FALSE(surface.endResult.has_value());
}

}  // namespace
}  // namespace sondrel::testing
