// The reader on a language module built from fixtures/resources.json.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::language {
namespace {

namespace fs = std::filesystem;

class ResourceReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        opened = OpenLanguageModule("ReaderTestGlossa.so");
        ASSERT_EQ(opened.status, result::kSuccess);
        ASSERT_NE(opened.library, nullptr);
    }
    void TearDown() override { platform::UnloadLibrary(opened.library); }

    OpenedLanguageModule opened;
};

TEST_F(ResourceReaderTest, StringsAreCutToTheBufferAndTerminated) {
    const ResourceReader reader(opened.library);
    char text[61];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(reader.LoadString(2, text), 60u);
    EXPECT_EQ(std::string(text), std::string("This text runs on past sixty characters: 0123456789012345678"));

    char small[6];
    EXPECT_EQ(reader.LoadString(1, small), 5u);
    EXPECT_STREQ(small, "short");
    char tiny[3];
    EXPECT_EQ(reader.LoadString(1, tiny), 2u);
    EXPECT_STREQ(tiny, "sh");

    EXPECT_EQ(reader.LoadString(4, text),
              std::strlen("tab\tand \"quotes\" and a backslash \\ stay as written"));
    EXPECT_STREQ(text, "tab\tand \"quotes\" and a backslash \\ stay as written");
    EXPECT_EQ(reader.String(2, 9), "This text");
}

TEST_F(ResourceReaderTest, AMissingStringIsMissingAndAnEmptyOneIsFound) {
    const ResourceReader reader(opened.library);
    char text[61] = "stale";
    EXPECT_FALSE(reader.LoadString(99, text).has_value());
    EXPECT_STREQ(text, "");  // never the old contents
    EXPECT_FALSE(reader.String(99, 60).has_value());
    std::strcpy(text, "stale");
    EXPECT_EQ(reader.LoadString(3, text), 0u);
    EXPECT_STREQ(text, "");
    // Ids are per kind: 7 is a picture, not a string.
    EXPECT_FALSE(reader.LoadString(7, text).has_value());
}

TEST_F(ResourceReaderTest, MenusAreFlattenedInDisplayOrder) {
    const ResourceReader reader(opened.library);
    const auto menu = reader.Menu(127);
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_STREQ(menu[0].text, "&File");
    EXPECT_EQ(menu[0].depth, 0);
    EXPECT_EQ(menu[1].command, 100);
    EXPECT_EQ(menu[1].depth, 1);
    EXPECT_EQ(menu[2].style, kSondrelSeparator);
    EXPECT_STREQ(menu[2].text, "");
    EXPECT_EQ(menu[3].style, kSondrelDisabled);
    EXPECT_STREQ(menu[4].text, "&Processor");
    EXPECT_EQ(menu[4].depth, 0);
    EXPECT_TRUE(reader.Menu(128).empty());
}

TEST_F(ResourceReaderTest, DialogTemplatesListTheirControls) {
    const ResourceReader reader(opened.library);
    const SondrelDialogTemplate* dialog = reader.Dialog(145);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->caption, "Processor");
    EXPECT_EQ(dialog->rectangle.width, 320);
    ASSERT_EQ(dialog->controlCount, 3u);
    const SondrelDialogControl& logo = dialog->controls[0];
    EXPECT_EQ(logo.id, 1038);
    EXPECT_EQ(logo.kind, kSondrelPictureBox);
    EXPECT_EQ(logo.style, kSondrelBorder);
    EXPECT_EQ((std::array{logo.rectangle.x, logo.rectangle.y, logo.rectangle.width, logo.rectangle.height}),
              (std::array{8, 8, 80, 60}));
    EXPECT_EQ(dialog->controls[1].style, kSondrelRightAligned);
    EXPECT_STREQ(dialog->controls[1].text, "Name:");
    EXPECT_EQ(dialog->controls[2].kind, kSondrelDefaultButton);

    const SondrelDialogTemplate* empty = reader.Dialog(146);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->controlCount, 0u);
    EXPECT_EQ(reader.Dialog(147), nullptr);
}

TEST_F(ResourceReaderTest, PicturesAreTheirFilesInBitmapHandles) {
    const ResourceReader reader(opened.library);
    BitmapHandle picture = reader.LoadPicture(7);
    ASSERT_NE(picture, nullptr);
    std::ifstream file(std::string(SONDREL_SOURCE_DIR) + "/tests/lang/fixtures/mark.svg", std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto bytes = platform::BitmapBytes(picture);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    platform::DestroyBitmap(picture);
    EXPECT_EQ(reader.LoadPicture(8), nullptr);
    EXPECT_EQ(reader.LoadPicture(1), nullptr);  // a string id
}

TEST(LanguageModuleOpening, MissingAndTamperedModulesAreNotFound) {
    EXPECT_EQ(OpenLanguageModule("NoSuchGlossa.so").status, result::kFileNotFound);

    const fs::path directory = fs::temp_directory_path() / ("sondrel-language-" + std::to_string(::getpid()));
    fs::create_directories(directory);
    for (const char* name : {"ReaderTestGlossa.so", platform::kTrustManifestName}) {
        fs::copy_file(fs::path(SONDREL_OUTPUT_DIR) / name, directory / name,
                      fs::copy_options::overwrite_existing);
    }
    const std::string copy = (directory / "ReaderTestGlossa.so").string();
    OpenedLanguageModule opened = OpenLanguageModule(copy);
    EXPECT_EQ(opened.status, result::kSuccess);
    platform::UnloadLibrary(opened.library);
    std::ofstream(copy, std::ios::binary | std::ios::app).put('\0');
    opened = OpenLanguageModule(copy);
    EXPECT_EQ(opened.status, result::kFileNotFound);
    EXPECT_EQ(opened.library, nullptr);
    fs::remove_all(directory);
}

TEST(LanguageModuleOpening, WithoutALibraryThereAreNoResources) {
    const ResourceReader none(nullptr);
    char text[8] = "x";
    EXPECT_FALSE(none.LoadString(1, text).has_value());
    EXPECT_EQ(none.LoadPicture(7), nullptr);
}

}  // namespace
}  // namespace sondrel::language
