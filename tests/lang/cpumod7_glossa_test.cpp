// Cpumod7Glossa.so and Cpumod0Glossa.so hold every string and picture their
// modules' tables name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sondrel/gen0/future_module.h"
#include "sondrel/gen7/tables.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::language {
namespace {

std::set<std::int32_t> StringsCpumod7Loads() {
    const module::NamingRules& naming = gen7::NamingRules();
    std::set<std::int32_t> ids = {naming.fallback.unknownNameString, naming.fallback.emptyNameDefault};
    for (const auto rows : {naming.fallback.replacedNames, naming.fallback.emptyNames}) {
        for (const module::FallbackNameRow& row : rows) {
            ids.insert(row.name.stringId);
        }
    }
    const module::InformationRules& information = gen7::InformationRules();
    ids.insert(information.otherPackage.stringId);
    for (const module::PackageRow& row : information.packages) {
        ids.insert({row.mobile.stringId, row.desktop.stringId});
    }
    return ids;
}

void ExpectNames(const OpenedLanguageModule& opened, const std::set<std::int32_t>& ids) {
    const ResourceReader reader(opened.library);
    for (const std::int32_t id : ids) {
        const auto text = reader.String(id, 1000);
        ASSERT_TRUE(text.has_value()) << id;
        EXPECT_FALSE(text->empty()) << id;
        EXPECT_LE(text->size(), kNameBufferSize - 1) << id;
        EXPECT_EQ(text->find('%'), std::string::npos) << id;
    }
}

TEST(Cpumod7Glossa, EveryStringAndLogo) {
    const OpenedLanguageModule opened = OpenLanguageModule("Cpumod7Glossa.so");
    ASSERT_EQ(opened.status, result::kSuccess);
    const std::set<std::int32_t> ids = StringsCpumod7Loads();
    EXPECT_EQ(ids, (std::set<std::int32_t>{101, 102, 104, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118,
                                           119, 120, 122, 124}));
    ExpectNames(opened, ids);
    const ResourceReader reader(opened.library);
    for (const module::LogoRow& row : gen7::InformationRules().logos) {
        BitmapHandle picture = reader.LoadPicture(row.bitmapId);
        EXPECT_NE(picture, nullptr) << row.bitmapId;
        platform::DestroyBitmap(picture);
    }
    platform::UnloadLibrary(opened.library);
}

TEST(Cpumod0Glossa, TheFutureNameAndThePackage) {
    const OpenedLanguageModule opened = OpenLanguageModule("Cpumod0Glossa.so");
    ASSERT_EQ(opened.status, result::kSuccess);
    ExpectNames(opened, {gen0::kFutureProcessorName, gen0::kUnknownPackage});
    platform::UnloadLibrary(opened.library);
}

}  // namespace
}  // namespace sondrel::language
