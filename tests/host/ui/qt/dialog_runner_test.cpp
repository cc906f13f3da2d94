#include "sondrel/ui/qt/dialog_runner.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "sondrel/result_codes.h"
#include "sondrel/ui/qt/display.h"
#include "sondrel/ui/qt/template_surface.h"
#include "support/sample_template.h"
#include "support/table_language_text.h"

namespace sondrel::ui::qt {
namespace {

namespace sample = testing::sample;
constexpr std::int32_t kSampleId = 500;

class ScriptedDialog : public DialogLogic {
public:
    std::int32_t TemplateId() const override { return kSampleId; }
    void OnInitDialog(ControlSurface& surface) override {
        surface.SetText(sample::kLabel, "Shown text");
        if (endAtInit) {
            surface.EndDialog(*endAtInit);
        }
    }
    void OnCancel(ControlSurface& surface) override {
        ++cancels;
        if (cancelResult) {
            surface.EndDialog(*cancelResult);
        }
    }
    void OnClick(ControlSurface& surface, ControlId id) override {
        if (id == sample::kButton) {
            surface.EndDialog(clickResult);
        }
    }
    bool AllowsKeyboardEnd() const override { return keyboardEnds; }

    std::optional<int> endAtInit;
    std::optional<int> cancelResult;
    int clickResult = 1;
    bool keyboardEnds = true;
    int cancels = 0;
};

class DialogRunnerTest : public ::testing::Test {
protected:
    DialogRunnerTest() { language.SetDialog(kSampleId, &testing::kSampleTemplate); }
    testing::TableLanguageText language;
    testing::RecordingErrorReporter errors;
    QtDialogRunner runner{language, &errors};
};

TEST_F(DialogRunnerTest, ADialogEndedWhileItIsFilledIsNeverShown) {
    ScriptedDialog dialog;
    dialog.endAtInit = 7;
    bool shown = false;
    runner.SetShownHook([&shown](TemplateSurface&) { shown = true; });
    EXPECT_EQ(runner.RunModal(dialog), 7);
    EXPECT_FALSE(shown);
    EXPECT_EQ(dialog.cancels, 0);
}

TEST_F(DialogRunnerTest, WithoutADisplayTheTextGoesToStandardErrorAndEscapeAnswers) {
    ASSERT_TRUE(RunsWithoutDisplay());
    ScriptedDialog dialog;
    dialog.cancelResult = 3;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(runner.RunModal(dialog), 3);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Sample\n"), std::string::npos);
    EXPECT_NE(printed.find("Shown text\n"), std::string::npos);
    EXPECT_NE(printed.find("Edit\n"), std::string::npos);
    EXPECT_EQ(printed.find("Hidden"), std::string::npos);  // hidden controls show nothing
    EXPECT_EQ(dialog.cancels, 1);
}

TEST_F(DialogRunnerTest, ADialogThatKeysCannotEndRunsUntilItsLogicEndsIt) {
    ScriptedDialog dialog;
    dialog.keyboardEnds = false;
    dialog.clickResult = 4;
    runner.SetShownHook([](TemplateSurface& surface) {
        QTimer::singleShot(0, &surface, [&surface] {
            QWidget* window = surface.window();
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F4}) {
                QTest::keyClick(window, key);
            }
            QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
            QTest::mouseClick(surface.ControlWidget(sample::kButton), Qt::LeftButton);
        });
    });
    EXPECT_EQ(runner.RunModal(dialog), 4);
    EXPECT_EQ(dialog.cancels, 0);
}

TEST_F(DialogRunnerTest, EscapeAndTheCloseButtonGoToTheLogicsCancel) {
    ScriptedDialog dialog;
    dialog.cancelResult = 9;
    runner.SetAnswersWithoutDisplay(false);
    runner.SetShownHook([&dialog](TemplateSurface& surface) {
        QTimer::singleShot(0, &surface, [&surface, &dialog] {
            // A cancel that does not end the dialog leaves it open.
            dialog.cancelResult.reset();
            QTest::keyClick(surface.window(), Qt::Key_Escape);
            dialog.cancelResult = 9;
            surface.window()->close();
        });
    });
    EXPECT_EQ(runner.RunModal(dialog), 9);
    EXPECT_EQ(dialog.cancels, 2);
}

TEST_F(DialogRunnerTest, AMissingTemplateIsReportedAndGivesZero) {
    testing::TableLanguageText empty;
    QtDialogRunner bare(empty, &errors);
    ScriptedDialog dialog;
    dialog.endAtInit = 1;
    EXPECT_EQ(bare.RunModal(dialog), 0);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
}

}  // namespace
}  // namespace sondrel::ui::qt
