// The CPUID and technologies pages rendered from the system record of every
// bundled profile, collected through the real broker and modules, with
// Glossa's strings and templates.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/ui/cpuid_page.h"
#include "sondrel/ui/tech_page.h"
#include "support/recording_dialog_runner.h"
#include "support/table_language_text.h"

namespace sondrel::ui {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> BundledProfiles() {
    std::vector<fs::path> profiles;
    for (const auto& entry : fs::directory_iterator(fs::path(SONDREL_SOURCE_DIR) / "profiles")) {
        if (entry.path().extension() == ".json") {
            profiles.push_back(entry.path());
        }
    }
    return profiles;
}

class PagesOnBundledProfiles : public ::testing::TestWithParam<fs::path> {
protected:
    void SetUp() override {
        glossa_ = language::OpenLanguageModule("Glossa.so");
        ASSERT_EQ(glossa_.status, result::kSuccess);
    }
    void TearDown() override {
        if (glossa_.library != nullptr) {
            platform::UnloadLibrary(glossa_.library);
        }
    }
    language::OpenedLanguageModule glossa_;
};

TEST_P(PagesOnBundledProfiles, RenderWithoutFailure) {
    const testing::SelectedProfile selected(testing::ReadProfile(GetParam()));
    app::MainSheetState sheet;
    app::SystemRecord record;
    app::BrokerConnection connection(sheet, record);
    ASSERT_EQ(connection.RunBrokerSession(), result::kSuccess);

    const ModuleLanguageText language(glossa_.library);
    std::int32_t currentPage = -1;
    testing::RecordingErrorReporter errors;
    testing::RecordingDialogRunner dialogs;
    const PageContext context{record, language, currentPage, errors, dialogs, nullptr};
    const std::string yes = *language.String(155, 99);
    const std::string no = *language.String(156, 99);

    testing::RecordingSurface cpuidSurface(*testing::GlossaDialog(145));
    CCPUIDPage cpuid(context);
    ASSERT_EQ(cpuid.Activate(cpuidSurface), result::kSuccess);
    EXPECT_EQ(cpuidSurface.Faults(), std::vector<std::string>{});
    EXPECT_EQ(cpuidSurface.Text(1243), record.processorName);
    EXPECT_FALSE(cpuidSurface.Text(1243).empty());
    for (const ControlId value : {1012, 1008, 1017, 1188, 1172, 1217, 1218, 1219, 1220, 1265, 1255}) {
        EXPECT_FALSE(cpuidSurface.Text(value).empty()) << value;
    }
    EXPECT_FALSE(cpuidSurface.backgroundPicture.empty());

    testing::RecordingSurface techSurface(*testing::GlossaDialog(147));
    CTechPage tech(context);
    ASSERT_EQ(tech.Activate(techSurface), result::kSuccess);
    EXPECT_EQ(techSurface.Faults(), std::vector<std::string>{});
    for (const ControlId answer : {1196, 1245, 1284, 1332, 1330, 1329, 1260, 1118, 1121, 1124, 1305}) {
        const std::string text = techSurface.Text(answer);
        EXPECT_TRUE(text == yes || text == no) << answer << ": " << text;
    }
    // Every bundled processor has SSE2.
    EXPECT_EQ(techSurface.Text(1121), yes);

    dialogs.clicks = {1062};
    tech.OnClick(techSurface, 1262);
    ASSERT_EQ(dialogs.surfaces.size(), 1u);
    EXPECT_EQ(dialogs.surfaces[0]->endResult, 1);
    EXPECT_TRUE(errors.codes.empty());
}

std::string ProfileName(const ::testing::TestParamInfo<fs::path>& profile) {
    std::string name = profile.param.stem().string();
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Bundled, PagesOnBundledProfiles, ::testing::ValuesIn(BundledProfiles()),
                         ProfileName);

}  // namespace
}  // namespace sondrel::ui
