// Cpumod6Glossa.so holds every string and picture its module's tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen6/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::language {
namespace {

std::set<std::int32_t> StringsCpumod6Loads() {
    const module::NamingRules& naming = gen6::NamingRules();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            ids.insert(row.name.stringId);
        }
    }
    const module::InformationRules& information = gen6::InformationRules();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

// Every logo the module can ask for, over the product codes it gives and the models it serves.
std::set<std::int32_t> LogosCpumod6Loads() {
    std::set<std::int32_t> ids;
    for (const std::int32_t code : {4, 48, 49, 52, 56, 58, 59}) {
        for (const std::int32_t model : {3, 4, 6}) {
            if (const auto id = gen6::FindLogo(code, model)) {
                ids.insert(*id);
            }
        }
    }
    return ids;
}

TEST(Cpumod6Glossa, EveryStringAndLogo) {
    const OpenedLanguageModule opened = OpenLanguageModule("Cpumod6Glossa.so");
    ASSERT_EQ(opened.status, result::kSuccess);
    const std::set<std::int32_t> ids = StringsCpumod6Loads();
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 109, 111, 112, 113, 114, 115, 116, 120, 122}));
    const ResourceReader reader(opened.library);
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
    }
    const std::set<std::int32_t> logos = LogosCpumod6Loads();
    EXPECT_EQ(logos, (std::set<std::int32_t>{110, 111, 112, 113, 114, 115}));
    for (const std::int32_t id : logos) {
        BitmapHandle picture = reader.LoadPicture(id);
        EXPECT_NE(picture, nullptr) << id;
        platform::DestroyBitmap(picture);
    }
    platform::UnloadLibrary(opened.library);
}

// The two-core server parts of model 6 have a logo of their own; a code
// without a logo has none on any model.
TEST(Cpumod6Logos, ChosenByProductCodeAndModel) {
    EXPECT_EQ(gen6::FindLogo(49, 4), 114);
    EXPECT_EQ(gen6::FindLogo(49, 6), 115);
    EXPECT_EQ(gen6::FindLogo(48, 6), 110);
    EXPECT_EQ(gen6::FindLogo(56, 4), std::nullopt);
    EXPECT_EQ(gen6::FindLogo(4, 3), std::nullopt);
}

}  // namespace
}  // namespace sondrel::language
