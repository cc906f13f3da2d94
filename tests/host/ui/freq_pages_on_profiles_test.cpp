// The frequency pages rendered from the system record of every bundled
// profile, collected through the real broker and modules, with Glossa's own
// strings and templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/app/frequency_page.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/library.h"
#include "sondrel/ui/freq_pages.h"
#include "support/recording_surface.h"
#include "support/table_language_text.h"

namespace sondrel::testing {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> BundledProfiles() {
    std::vector<fs::path> profiles;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(SONDREL_SOURCE_DIR) / "profiles")) {
        if (entry.path().extension() == ".json") {
            profiles.push_back(entry.path());
        }
    }
    std::sort(profiles.begin(), profiles.end());
    return profiles;
}

class FrequencyPagesOnProfiles : public ::testing::TestWithParam<fs::path> {
protected:
    void SetUp() override {
        glossa_ = language::OpenLanguageModule("Glossa.so");
        ASSERT_EQ(glossa_.status, result::kSuccess);
    }
    void TearDown() override { platform::UnloadLibrary(glossa_.library); }

    language::OpenedLanguageModule glossa_;
};

// Renders `Page` from `record` on its template; the activation must succeed
// and touch only ids its template has.
template <typename Page>
void ExpectRenders(app::SystemRecord& record, const ui::LanguageText& language, const char* name) {
    SCOPED_TRACE(name);
    std::int32_t currentPage = -1;
    RecordingErrorReporter errors;
    class NoDialogs : public ui::DialogRunner {
    public:
        int RunModal(ui::DialogLogic&) override { return 0; }
    } dialogs;
    Page page(ui::PageContext{record, language, currentPage, errors, dialogs, nullptr});
    const SondrelDialogTemplate* layout = GlossaDialog(page.TemplateId());
    ASSERT_NE(layout, nullptr);
    RecordingSurface surface(*layout);
    EXPECT_EQ(page.Activate(surface), result::kSuccess);
    page.AfterActivation(surface);
    EXPECT_EQ(surface.Faults(), std::vector<std::string>{});
    // A processor newer than the program shows only its notice.
    EXPECT_FALSE(surface.Control(record.productCode == 4 ? 1222 : 1010).text.empty());
    EXPECT_TRUE(errors.codes.empty());
}

TEST_P(FrequencyPagesOnProfiles, EveryPageRendersFromTheCollectedRecord) {
    SelectedProfile selected(ReadProfile(GetParam()));
    app::MainSheetState sheet;
    app::SystemRecord record;
    app::BrokerConnection connection(sheet, record);
    ASSERT_EQ(connection.RunBrokerSession(), result::kSuccess);
    const ui::ModuleLanguageText language(glossa_.library);

    // The page the sheet keeps first, then the other two on the same record.
    switch (app::ChooseFrequencyPage(record)) {
        case app::FrequencyPage::kFreqPage:
            ExpectRenders<ui::CFreqPage>(record, language, "kept: CFreqPage");
            break;
        case app::FrequencyPage::kFreqPage2:
            ExpectRenders<ui::CFreqPage2>(record, language, "kept: CFreqPage2");
            break;
        case app::FrequencyPage::kFreqPage3:
            ExpectRenders<ui::CFreqPage3>(record, language, "kept: CFreqPage3");
            break;
    }
    ExpectRenders<ui::CFreqPage>(record, language, "CFreqPage");
    ExpectRenders<ui::CFreqPage2>(record, language, "CFreqPage2");
    ExpectRenders<ui::CFreqPage3>(record, language, "CFreqPage3");
}

INSTANTIATE_TEST_SUITE_P(Bundled, FrequencyPagesOnProfiles, ::testing::ValuesIn(BundledProfiles()),
                         [](const ::testing::TestParamInfo<fs::path>& param) {
                             return param.param.stem().string();
                         });

}  // namespace
}  // namespace sondrel::testing
