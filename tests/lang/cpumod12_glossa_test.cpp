// Cpumod12Glossa.so holds every string and picture Cpumod12's tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen12/naming_rules.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::language {
namespace {

class Cpumod12GlossaTest : public ::testing::Test {
protected:
    void SetUp() override {
        opened = OpenLanguageModule("Cpumod12Glossa.so");
        ASSERT_EQ(opened.status, result::kSuccess);
    }
    void TearDown() override { platform::UnloadLibrary(opened.library); }

    OpenedLanguageModule opened;
};

std::set<std::int32_t> StringsTheModuleLoads() {
    const module::NamingRules& naming = gen12::NamingRules();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            if (row.name.stringId != 0) {
                ids.insert(row.name.stringId);
            }
        }
    }
    const module::InformationRules& information = gen12::InformationRules();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    for (const module::SignaturePackageRow& row : information.signaturePackages) {
        ids.insert({row.fieldMatches.stringId, row.otherwise.stringId});
    }
    return ids;
}

TEST_F(Cpumod12GlossaTest, EveryStringFitsItsBufferAndFormatsNothing) {
    const ResourceReader reader(opened.library);
    const std::set<std::int32_t> ids = StringsTheModuleLoads();
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 108, 109, 111, 112, 113, 114, 115, 116, 117, 118,
                                           120, 122, 123}));
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
        // Names are shown and written into reports as they are.
        EXPECT_EQ(text->find('%'), std::string::npos) << id;
    }
}

TEST_F(Cpumod12GlossaTest, EveryLogoIsItsOwnPicture) {
    const ResourceReader reader(opened.library);
    std::set<std::int32_t> bitmaps;
    for (const module::LogoRow& row : gen12::InformationRules().logos) {
        bitmaps.insert(row.bitmapId);
    }
    std::set<std::string> pictures;
    for (const std::int32_t id : bitmaps) {
        const auto picture = reader.Find(kSondrelPicture, id);
        ASSERT_TRUE(picture.has_value()) << id;
        const std::string text(picture->begin(), picture->end());
        EXPECT_EQ(text.rfind("<svg ", 0), 0u) << id;
        EXPECT_NE(text.find("</svg>"), std::string::npos) << id;
        EXPECT_NE(text.find("(logo " + std::to_string(id) + ")"), std::string::npos) << id;
        pictures.insert(text);
    }
    EXPECT_EQ(pictures.size(), bitmaps.size());
}

}  // namespace
}  // namespace sondrel::language
