// The package step, the information-item word and the logo table with
// Cpumod12's tables, on snapshots made by the tests.
#include <gtest/gtest.h>

#include <map>

#include "sondrel/gen12/naming_rules.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/module/information.h"
#include "sondrel/module/text.h"

namespace sondrel::module {
namespace {

const InformationRules& Rules() {
    return gen12::InformationRules();
}

ProcessorSnapshot Product(std::int32_t productCode, std::int32_t mobileFlag = 0) {
    ProcessorSnapshot s;
    s.family = 6;
    s.extendedModel = 5;
    s.model = 14;
    s.productCode = productCode;
    s.mobileFlag = mobileFlag;
    return s;
}

std::vector<std::int32_t> Items(std::int32_t word) {
    std::vector<std::int32_t> items;
    for (std::int32_t item = 1; item <= 18; ++item) {
        if ((static_cast<std::uint32_t>(word) >> (item - 1)) & 1u) {
            items.push_back(item);
        }
    }
    return items;
}

TEST(InformationItems, WordByProductCodeAndFlags) {
    ProcessorSnapshot s = Product(0);
    s.arch64 = s.virtualization = s.mobileFlag = 1;
    EXPECT_EQ(ComputeInfoItemWord(Rules(), s), 0);  // unclassified: nothing at all

    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), Product(4))), (std::vector{1, 3, 5}));
    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), Product(127))), (std::vector{1, 3, 5, 6}));
    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), Product(56))), (std::vector{1, 3, 5, 7}));
    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), Product(145))), (std::vector{1, 3, 5, 7}));
    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), Product(157))), (std::vector{1, 3, 5}));

    s = Product(121, 1);
    s.preproductionFlag = s.twinstrandEnabled = s.arch64 = s.nameEstablished = 1;
    s.eqrtSupported = s.executeDisable = s.virtualization = s.thermalSensor = 1;
    s.fields.values[field_id::kEPTEnabled] = 1;
    EXPECT_EQ(Items(ComputeInfoItemWord(Rules(), s)),
              (std::vector{1, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

TEST(PackageStep, CodeAndStringByProductCodeAndMobileFlag) {
    struct Case {
        std::int32_t productCode, mobileFlag;
        std::int32_t code, stringId;
    };
    const Case cases[] = {
        {137, 1, 23, 109}, {137, 0, 30, 120}, {139, 0, 34, 123}, {139, 1, 23, 109},
        {158, 0, 34, 123}, {143, 0, 33, 122}, {121, 0, 30, 120}, {4, 0, -2, 104},
        {4, 1, -2, 104},   {56, 0, -2, 104},  {138, 0, 34, 123}, {161, 1, 23, 109},
    };
    for (const Case& c : cases) {
        const auto package = FindPackage(Rules(), Product(c.productCode, c.mobileFlag));
        ASSERT_TRUE(package.has_value()) << c.productCode;
        EXPECT_EQ(package->code, c.code) << c.productCode << " mobile " << c.mobileFlag;
        EXPECT_EQ(package->stringId, c.stringId) << c.productCode << " mobile " << c.mobileFlag;
    }
}

TEST(PackageStep, ProductEightyOneDependsOnSignatureAndPlatform) {
    ProcessorSnapshot s = Product(81);
    s.fields.values[field_id::kPCardID] = 2;
    EXPECT_EQ(FindPackage(Rules(), s)->code, 27);
    s.fields.values[field_id::kPCardID] = 3;
    EXPECT_EQ(FindPackage(Rules(), s)->code, -2);
    s.extendedModel = 4;  // another signature: nothing is written
    EXPECT_FALSE(FindPackage(Rules(), s).has_value());

    const LoadText load = [](std::int32_t, std::span<char> buffer) {
        CopyBounded(buffer.data(), buffer.size(), "must not be loaded");
        return true;
    };
    CopyBounded(s.packageName, sizeof s.packageName, "before");
    RunPackageStep(Rules(), load, s);
    EXPECT_EQ(s.packageCode, -2);
    EXPECT_STREQ(s.packageName, "before");
}

TEST(PackageStep, AMissingNameLeavesItEmpty) {
    ProcessorSnapshot s = Product(137, 1);
    CopyBounded(s.packageName, sizeof s.packageName, "stale");
    RunPackageStep(
        Rules(),
        [](std::int32_t, std::span<char> buffer) {
            buffer[0] = '\0';
            return false;
        },
        s);
    EXPECT_EQ(s.packageCode, 23);
    EXPECT_STREQ(s.packageName, "");
}

TEST(LogoTable, BitmapByProductCode) {
    const std::map<std::int32_t, std::int32_t> logos = {
        {112, 120}, {115, 116}, {119, 116}, {118, 106}, {127, 106}, {160, 115},
        {161, 123}, {137, 168}, {145, 172}, {154, 193}, {158, 196}, {159, 198},
    };
    for (const auto& [productCode, bitmap] : logos) {
        EXPECT_EQ(FindLogoBitmap(Rules(), productCode), bitmap) << productCode;
    }
    for (const std::int32_t productCode : {0, 4, 56, 126, 155, 156, 162}) {
        EXPECT_FALSE(FindLogoBitmap(Rules(), productCode).has_value()) << productCode;
    }
}

}  // namespace
}  // namespace sondrel::module
