#include <gtest/gtest.h>

#include "sondrel/result_codes.h"
#include "sondrel/ui/qt/message_box_error_reporter.h"
#include "support/table_language_text.h"

namespace sondrel::ui::qt {
namespace {

TEST(MessageBoxErrorReporter, WithoutADisplayTheBoxGoesToStandardError) {
    MessageBoxErrorReporter reporter(nullptr);
    ::testing::internal::CaptureStderr();
    reporter.ShowErrorBox(result::kUnexpectedFailure);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Quarn(R) Sondrel Error: Cannot load language file!\n\nPlease re-install this utility.\n");

    testing::TableLanguageText language(
        {{102, "Sondrel %s"}, {176, "Notice"}, {116, "Processor absent. "}, {115, "Ask support."}});
    reporter.SetLanguage(&language);
    ::testing::internal::CaptureStderr();
    reporter.ShowErrorBox(result::kProcessorNotPresent);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Notice: Processor absent. Ask support.\n");
}

}  // namespace
}  // namespace sondrel::ui::qt
