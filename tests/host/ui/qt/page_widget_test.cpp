#include "sondrel/ui/qt/page_widget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>

#include "sondrel/result_codes.h"
#include "sondrel/ui/qt/template_surface.h"
#include "support/sample_template.h"
#include "support/table_language_text.h"

namespace sondrel::ui::qt {
namespace {

namespace sample = testing::sample;
constexpr std::int32_t kSampleId = 501;

class NullDialogs : public DialogRunner {
public:
    int RunModal(DialogLogic& /*dialog*/) override { return 0; }
};

class ScriptedPage : public ResultPage {
public:
    using ResultPage::ResultPage;
    std::int32_t TemplateId() const override { return kSampleId; }
    std::int32_t CaptionStringId() const override { return 111; }
    ResultCode Activate(ControlSurface& surface) override {
        events.push_back("activate");
        surface.SetText(sample::kLabel, "filled");
        return answer;
    }
    void AfterActivation(ControlSurface& surface) override {
        events.push_back("after");
        surface.SetFocus(sample::kButton);
    }
    void OnClick(ControlSurface& /*surface*/, ControlId id) override {
        events.push_back("click " + std::to_string(id));
    }

    std::vector<std::string> events;
    ResultCode answer = result::kSuccess;
};

class PageWidgetTest : public ::testing::Test {
protected:
    PageWidgetTest() { language.SetDialog(kSampleId, &testing::kSampleTemplate); }
    app::SystemRecord record{};
    testing::TableLanguageText language;
    std::int32_t currentPage = -1;
    testing::RecordingErrorReporter errors;
    NullDialogs dialogs;
    PageContext context{record, language, currentPage, errors, dialogs, nullptr};
};

TEST_F(PageWidgetTest, ShowingActivatesAndTheAfterStepRunsOnceEventsAreProcessed) {
    ScriptedPage page(context);
    const auto widget = MakePageWidget(page, language);
    ASSERT_NE(widget, nullptr);
    widget->show();
    EXPECT_EQ(page.events, std::vector<std::string>{"activate"});
    EXPECT_EQ(widget->Surface().Text(sample::kLabel), "filled");
    QApplication::processEvents();
    EXPECT_EQ(page.events, (std::vector<std::string>{"activate", "after"}));
    EXPECT_EQ(QApplication::focusWidget(), widget->Surface().ControlWidget(sample::kButton));

    // Shown again (the tab chosen again): activated again.
    widget->hide();
    widget->show();
    QApplication::processEvents();
    EXPECT_EQ(page.events.size(), 4U);
}

TEST_F(PageWidgetTest, AFailedActivationIsHandedOnAndSkipsTheAfterStep) {
    ScriptedPage page(context);
    page.answer = result::kUnexpectedFailure;
    const auto widget = MakePageWidget(page, language);
    std::vector<ResultCode> failures;
    widget->SetActivationFailureHandler([&failures](ResultCode code) { failures.push_back(code); });
    widget->show();
    QApplication::processEvents();
    EXPECT_EQ(failures, std::vector<ResultCode>{result::kUnexpectedFailure});
    EXPECT_EQ(page.events, std::vector<std::string>{"activate"});
}

TEST_F(PageWidgetTest, ClicksReachThePage) {
    ScriptedPage page(context);
    const auto widget = MakePageWidget(page, language);
    widget->show();
    qobject_cast<QAbstractButton*>(widget->Surface().ControlWidget(sample::kButton))->click();
    EXPECT_EQ(page.events.back(), "click 11");
}

TEST_F(PageWidgetTest, NoWidgetWithoutTheTemplate) {
    testing::TableLanguageText empty;
    ScriptedPage page(context);
    EXPECT_EQ(MakePageWidget(page, empty), nullptr);
}

}  // namespace
}  // namespace sondrel::ui::qt
