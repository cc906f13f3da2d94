// Cpumod5Glossa.so holds every string and picture Cpumod5's tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen5/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::language {
namespace {

std::set<std::int32_t> StringsCpumod5Loads() {
    const module::NamingRules& naming = gen5::NamingRules();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            ids.insert(row.name.stringId);
        }
    }
    const module::InformationRules& information = gen5::InformationRules();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

TEST(Cpumod5Glossa, EveryStringAndLogo) {
    const OpenedLanguageModule opened = OpenLanguageModule("Cpumod5Glossa.so");
    ASSERT_EQ(opened.status, result::kSuccess);
    const std::set<std::int32_t> ids = StringsCpumod5Loads();
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118,
                                           119, 122}));
    const ResourceReader reader(opened.library);
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
        EXPECT_EQ(text->find('%'), std::string::npos) << id;
    }
    std::set<std::int32_t> pictures;
    for (const gen5::SignatureLogoRow& row : gen5::LogoTable()) {
        BitmapHandle picture = reader.LoadPicture(row.bitmapId);
        EXPECT_NE(picture, nullptr) << row.bitmapId;
        platform::DestroyBitmap(picture);
        pictures.insert(row.bitmapId);
    }
    EXPECT_EQ(pictures, (std::set<std::int32_t>{105, 106, 107, 108, 109, 110, 111, 112, 113}));
    platform::UnloadLibrary(opened.library);
}

}  // namespace
}  // namespace sondrel::language
