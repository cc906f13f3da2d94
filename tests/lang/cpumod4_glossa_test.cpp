// Cpumod4Glossa.so holds every string and picture the module's tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen4/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::language {
namespace {

std::set<std::int32_t> StringsCpumod4Loads() {
    const module::NamingRules& naming = gen4::NamingRules();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            ids.insert(row.name.stringId);
        }
    }
    const module::InformationRules& information = gen4::InformationRules();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

TEST(Cpumod4Glossa, EveryStringAndLogo) {
    const OpenedLanguageModule opened = OpenLanguageModule("Cpumod4Glossa.so");
    ASSERT_EQ(opened.status, result::kSuccess);
    const ResourceReader reader(opened.library);
    const std::set<std::int32_t> ids = StringsCpumod4Loads();
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 109, 112, 113, 114, 115, 116, 117, 120, 122}));
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
    }
    // Logos by product code and stepping.
    std::set<std::int32_t> logos;
    for (std::int32_t code = 0; code <= 60; ++code) {
        for (std::int32_t stepping = 0; stepping <= 15; ++stepping) {
            if (const auto id = gen4::LogoBitmap(code, stepping)) {
                logos.insert(*id);
            }
        }
    }
    EXPECT_EQ(logos, (std::set<std::int32_t>{105, 106, 107, 108, 109, 110}));
    for (const std::int32_t id : logos) {
        BitmapHandle picture = reader.LoadPicture(id);
        EXPECT_NE(picture, nullptr) << id;
        platform::DestroyBitmap(picture);
    }
    platform::UnloadLibrary(opened.library);
}

}  // namespace
}  // namespace sondrel::language
