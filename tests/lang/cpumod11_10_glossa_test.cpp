// Cpumod11Glossa.so and Cpumod10Glossa.so hold every string and picture
// their modules' tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "sondrel/gen10/tables.h"
#include "sondrel/gen11/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/module/snapshot.h"

namespace sondrel::language {
namespace {

std::set<std::int32_t> StringsLoaded(const module::NamingRules& naming,
                                     const module::InformationRules& information) {
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault,
                                  information.otherPackage.stringId};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            if (row.name.stringId != 0) {
                ids.insert(row.name.stringId);
            }
        }
    }
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

struct Glossa {
    const char* file;
    std::set<std::int32_t> strings;
    std::set<std::int32_t> pictures;
};

std::vector<Glossa> Modules() {
    std::set<std::int32_t> logos11;
    for (const module::LogoRow& row : gen11::InformationRules().logos) {
        logos11.insert(row.bitmapId);
    }
    std::set<std::int32_t> logos10;
    for (const gen10::SignatureLogoRow& row : gen10::LogoTable()) {
        logos10.insert(row.bitmapId);
    }
    return {
        {"Cpumod11Glossa.so", StringsLoaded(gen11::NamingRules(), gen11::InformationRules()), logos11},
        {"Cpumod10Glossa.so", StringsLoaded(gen10::NamingRules(), gen10::InformationRules()), logos10},
    };
}

TEST(GenerationGlossa, EveryStringAndLogoTheTablesName) {
    for (const Glossa& glossa : Modules()) {
        SCOPED_TRACE(glossa.file);
        const OpenedLanguageModule opened = OpenLanguageModule(glossa.file);
        ASSERT_EQ(opened.status, result::kSuccess);
        const ResourceReader reader(opened.library);
        for (const std::int32_t id : glossa.strings) {
            const auto text = reader.String(id, 1000);
            ASSERT_TRUE(text.has_value()) << id;
            EXPECT_FALSE(text->empty()) << id;
            EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
            EXPECT_EQ(text->find('%'), std::string::npos) << id;
        }
        std::set<std::string> pictures;
        for (const std::int32_t id : glossa.pictures) {
            const auto picture = reader.Find(kSondrelPicture, id);
            ASSERT_TRUE(picture.has_value()) << id;
            const std::string text(picture->begin(), picture->end());
            EXPECT_EQ(text.rfind("<svg ", 0), 0u) << id;
            EXPECT_EQ(text.find("<text"), std::string::npos) << id;
            EXPECT_NE(text.find("(logo " + std::to_string(id) + ")"), std::string::npos) << id;
            pictures.insert(text);
        }
        EXPECT_EQ(pictures.size(), glossa.pictures.size());
        platform::UnloadLibrary(opened.library);
    }
}

}  // namespace
}  // namespace sondrel::language
