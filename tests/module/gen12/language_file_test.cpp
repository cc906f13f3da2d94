// What Cpumod12 does when its language file lacks a string or a picture.
#include <gtest/gtest.h>

#include <cstring>

#include "module_fixture.h"
#include "sondrel/language_module.h"
#include "sondrel/platform/fake.h"

namespace sondrel::test {
namespace {

constexpr char kGenericName[] = "generic processor";

// A language file holding string 102 and nothing else.
std::int32_t OnlyTheGenericName(std::int32_t kind, std::int32_t id, const void** data, std::uint32_t* size) {
    if (kind != kSondrelString || id != 102) {
        return 0;
    }
    *data = kGenericName;
    *size = sizeof kGenericName - 1;
    return 1;
}

class LanguageFileTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        platform::fake::FakeLibrary language;
        language.entryPoints[export_name::kFindResource] = reinterpret_cast<void*>(&OnlyTheGenericName);
        platform::fake::AddLibrary(kLanguageFileName, language);
        ASSERT_EQ(Create(), 0);
    }
};

TEST_F(LanguageFileTest, AMissingNameFallsBackAndAMissingPackageNameIsEmpty) {
    data.brandString = "";
    ASSERT_EQ(Initialize(), 0);
    char name[kNameBufferSize];
    std::memset(name, 'x', sizeof name);
    ASSERT_EQ(Module().GetProcessorName(1, name), 0);
    EXPECT_STREQ(name, kGenericName);  // string 101 is missing: the empty name gets string 102
    std::int32_t established = 0;
    ASSERT_EQ(Module().GetInfoItem(1, 13, &established), 0);
    EXPECT_EQ(established, 1);
    std::int32_t packageCode = 0;
    std::memset(name, 'x', sizeof name);
    ASSERT_EQ(Module().GetPackage(1, &packageCode, name), 0);
    EXPECT_EQ(packageCode, -2);
    EXPECT_STREQ(name, "");
}

TEST_F(LanguageFileTest, AMissingLogoIsANullHandleAndSuccess) {
    ASSERT_EQ(Initialize(), 0);  // product code 121, logo 118
    std::int32_t product = 0;
    ASSERT_EQ(Module().GetProductCode(1, &product), 0);
    ASSERT_EQ(product, 121);
    BitmapHandle logo = reinterpret_cast<BitmapHandle>(&product);
    EXPECT_EQ(Module().GetLogoBitmap(1, &logo), 0);
    EXPECT_EQ(logo, nullptr);
}

TEST_F(LanguageFileTest, WithoutALogoRowNothingIsWritten) {
    data.brandString = "Genuine Quarn(R) CPU 0000 @ 2.40GHz";  // product code 56
    ASSERT_EQ(Initialize(), 0);
    std::int32_t product = 0;
    ASSERT_EQ(Module().GetProductCode(1, &product), 0);
    ASSERT_EQ(product, 56);
    BitmapHandle logo = reinterpret_cast<BitmapHandle>(&product);
    EXPECT_EQ(Module().GetLogoBitmap(1, &logo), result::kNoLogoBitmap);
    EXPECT_EQ(logo, reinterpret_cast<BitmapHandle>(&product));
}

}  // namespace
}  // namespace sondrel::test
