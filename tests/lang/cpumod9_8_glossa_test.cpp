// Cpumod9Glossa.so and Cpumod8Glossa.so hold every string and picture
// their modules' tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen8/tables.h"
#include "sondrel/gen9/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::language {
namespace {

struct GenerationGlossa {
    const char* library;
    const module::NamingRules& (*naming)();
    const module::InformationRules& (*information)();
};

std::set<std::int32_t> StringsTheModuleLoads(const GenerationGlossa& g) {
    const module::NamingRules& naming = g.naming();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            if (row.name.stringId != 0) {
                ids.insert(row.name.stringId);
            }
        }
    }
    const module::InformationRules& information = g.information();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

class GenerationGlossaTest : public ::testing::TestWithParam<GenerationGlossa> {
protected:
    void SetUp() override {
        opened = OpenLanguageModule(GetParam().library);
        ASSERT_EQ(opened.status, result::kSuccess);
    }
    void TearDown() override { platform::UnloadLibrary(opened.library); }

    OpenedLanguageModule opened;
};

TEST_P(GenerationGlossaTest, EveryStringFitsItsBufferAndFormatsNothing) {
    const ResourceReader reader(opened.library);
    const std::set<std::int32_t> ids = StringsTheModuleLoads(GetParam());
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 109, 111, 112, 113, 114, 115, 116, 117, 118, 120,
                                           122, 123}));
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
        EXPECT_EQ(text->find('%'), std::string::npos) << id;
    }
}

TEST_P(GenerationGlossaTest, EveryLogoIsItsOwnPicture) {
    const ResourceReader reader(opened.library);
    std::set<std::int32_t> bitmaps;
    for (const module::LogoRow& row : GetParam().information().logos) {
        bitmaps.insert(row.bitmapId);
    }
    EXPECT_EQ(bitmaps, (std::set<std::int32_t>{109, 110, 111, 112, 113, 114, 115}));
    std::set<std::string> pictures;
    for (const std::int32_t id : bitmaps) {
        const auto picture = reader.Find(kSondrelPicture, id);
        ASSERT_TRUE(picture.has_value()) << id;
        const std::string text(picture->begin(), picture->end());
        EXPECT_EQ(text.rfind("<svg ", 0), 0u) << id;
        EXPECT_NE(text.find("(logo " + std::to_string(id) + ")"), std::string::npos) << id;
        // Letters are strokes: a picture looks the same without fonts.
        EXPECT_EQ(text.find("<text"), std::string::npos) << id;
        pictures.insert(text);
    }
    EXPECT_EQ(pictures.size(), bitmaps.size());
}

INSTANTIATE_TEST_SUITE_P(
    Modules, GenerationGlossaTest,
    ::testing::Values(GenerationGlossa{"Cpumod9Glossa.so", gen9::NamingRules, gen9::InformationRules},
                      GenerationGlossa{"Cpumod8Glossa.so", gen8::NamingRules, gen8::InformationRules}),
    [](const auto& testCase) { return std::string(testCase.param.library).substr(0, 7); });

}  // namespace
}  // namespace sondrel::language
