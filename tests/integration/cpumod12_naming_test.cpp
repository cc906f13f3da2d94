// Cpumod12.so naming processors from their brand strings, through
// ProfileData.so and the real Cpumod12Glossa.so.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "module_on_profile.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/bitmap.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

// Leaf-1 EAX: family 6 with (extended model, model) and stepping.
constexpr std::uint32_t Signature(std::uint32_t extendedModel, std::uint32_t model, std::uint32_t stepping) {
    return (extendedModel << 16) | (6u << 8) | (model << 4) | stepping;
}

// MSR 0xCE of the desktop profile with "Production" (bit 27) clear: a
// pre-production part, whose expected frequencies are derived and whose
// brand string the frequency decision therefore keeps.
constexpr const char* kPreproductionPlatformInformation = "0x0000080030002A00";

constexpr std::int32_t kMobileItem = 4;
constexpr std::int32_t kNameEstablishedItem = 13;

struct Observed {
    ResultCode initialize = result::kUnexpectedFailure;
    std::int32_t productCode = -1;
    std::string name;
    std::int32_t mobile = -1;
    std::int32_t nameEstablished = -1;
    std::int32_t packageCode = 0;
    std::string packageName;
    std::int32_t items[19] = {};
    ResultCode logo = result::kUnexpectedFailure;
    std::string logoStart;  // the first bytes of the logo picture
};

Observed InitialiseWith(std::uint32_t leaf1, const char* brand) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    SetCpuid(profile, 1, 0, "eax", leaf1);
    profile["packages"][0]["brand"] = brand;
    profile["packages"][0]["msr"]["0xCE"] = kPreproductionPlatformInformation;
    ModuleOnProfile harness;
    harness.UseProfile(profile);
    Observed seen;
    IFreqIDUnknown* root = harness.Create();
    if (root == nullptr) {
        return seen;
    }
    auto* init = Lookup<IInitializePM>(root, interface_id::kInitializePM);
    seen.initialize = init->Initialize(1);
    init->DropReference();
    auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
    char text[kNameBufferSize] = {};
    EXPECT_EQ(info->GetProductCode(1, &seen.productCode), result::kSuccess);
    EXPECT_EQ(info->GetProcessorName(1, text), result::kSuccess);
    seen.name = text;
    EXPECT_EQ(info->GetPackage(1, &seen.packageCode, text), result::kSuccess);
    seen.packageName = text;
    for (std::int32_t item = 1; item <= 18; ++item) {
        EXPECT_EQ(info->GetInfoItem(1, item, &seen.items[item]), result::kSuccess);
    }
    seen.mobile = seen.items[kMobileItem];
    seen.nameEstablished = seen.items[kNameEstablishedItem];
    BitmapHandle logo = nullptr;
    seen.logo = info->GetLogoBitmap(1, &logo);
    const auto bytes = platform::BitmapBytes(logo);
    seen.logoStart.assign(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 4));
    platform::DestroyBitmap(logo);
    info->DropReference();
    root->DropReference();
    return seen;
}

struct NamingCase {
    const char* label;
    std::uint32_t leaf1;
    const char* brand;
    std::int32_t productCode;
    const char* name;  // what GetProcessorName gives
    std::int32_t mobile;
};

// The names the module loads from Cpumod12Glossa.so.
constexpr const char* kNotHandledName = "Quarn(R) Processor (model not known to this module)";
constexpr const char* kSampleName = "Genuine Quarn(R) Processor (pre-release sample)";

class Cpumod12Naming : public ::testing::TestWithParam<NamingCase> {};

TEST_P(Cpumod12Naming, ClassifiesAndNames) {
    const NamingCase& c = GetParam();
    const Observed seen = InitialiseWith(c.leaf1, c.brand);
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.productCode, c.productCode);
    EXPECT_EQ(seen.name, c.name);
    EXPECT_EQ(seen.mobile, c.mobile);
    EXPECT_EQ(seen.nameEstablished, 1);
}

INSTANTIATE_TEST_SUITE_P(
    BrandStrings, Cpumod12Naming,
    ::testing::Values(
        // Branch A: class 25; the Extreme rename fails on the "K"; 6789 with suffix K is not mobile.
        NamingCase{"DesktopI7", Signature(5, 14, 3), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 121,
                   "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 0},
        // Branch B: 7234 with the mobile suffix U, class 47.
        NamingCase{"MobileI5", Signature(8, 14, 9), "Quarn(R) Vantor(TM) i5-7234U CPU @ 2.50GHz", 135,
                   "Quarn(R) Vantor(TM) i5-7234U CPU @ 2.50GHz", 1},
        NamingCase{"SeriesSevenI7", Signature(9, 14, 9), "Quarn(R) Vantor(TM) i7-7789 CPU @ 3.60GHz", 133,
                   "Quarn(R) Vantor(TM) i7-7789 CPU @ 3.60GHz", 0},
        NamingCase{"SeriesSevenI7X", Signature(9, 14, 9), "Quarn(R) Vantor(TM) i7-7788X CPU @ 4.30GHz", 141,
                   "Quarn(R) Vantor(TM) i7-7788X CPU @ 4.30GHz", 0},
        // Branch B row 6: the tier test and 701 to 799.
        NamingCase{"TierM3", Signature(8, 14, 9), "Quarn(R) Vantor(TM) m3-7Y30 CPU @ 1.00GHz", 137,
                   "Quarn(R) Vantor(TM) m3-7Y30 CPU @ 1.00GHz", 1},
        // Branch B row 6 with M5: class 67 is not a valid class.
        NamingCase{"RejectedClass", Signature(8, 14, 9), "Quarn(R) Vantor(TM) m5-7Y54 CPU @ 1.20GHz", 4,
                   kNotHandledName, 0},
        // Branch C; the mobile rule leaves model 5 alone.
        NamingCase{"BranchCI9", Signature(5, 5, 4), "Quarn(R) Vantor(TM) i9-7987XE CPU @ 2.60GHz", 139,
                   "Quarn(R) Vantor(TM) i9-7987XE CPU @ 2.60GHz", 0},
        NamingCase{"Sample", Signature(5, 14, 3), "Genuine Quarn(R) CPU 0000 @ 2.40GHz", 56, kSampleName, 0},
        NamingCase{"DoubleSpaces", Signature(5, 14, 3), "Quarn(R)  Vantor(TM)  i3-6123 CPU @ 3.70GHz", 119,
                   "Quarn(R) Vantor(TM) i3-6123 CPU @ 3.70GHz", 0},
        // 677 is outside both suffix windows; "m7-" passes the tier test.
        NamingCase{"TierM7", Signature(4, 14, 3), "Quarn(R) Vantor(TM) m7-6Y77 CPU @ 1.20GHz", 114,
                   "Quarn(R) Vantor(TM) m7-6Y77 CPU @ 1.20GHz", 1},
        // Padded on the left as older processors report it: collapsing keeps one
        // leading space in the name, and the prefix tests look past it.
        NamingCase{"RightJustified", Signature(5, 14, 3),
                   "        Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 121,
                   " Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 0},
        NamingCase{"EmptyBrand", Signature(5, 14, 3), "", 4, kNotHandledName, 0},
        // Branch B applies, but 6789 with K matches none of its rows.
        NamingCase{"NoBranchBRow", Signature(5, 14, 9), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 4,
                   kNotHandledName, 0},
        NamingCase{"ExtremeRename", Signature(5, 14, 3), "Quarn(R) Vantor(TM) i7-5432X CPU @ 3.00GHz", 127,
                   "Quarn(R) Vantor(TM) i7-5432X Extreme Edition CPU @ 3.00GHz", 0},
        NamingCase{"OutsideEveryBranch", Signature(4, 14, 9), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 4,
                   kNotHandledName, 0}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(Cpumod12Information, AProcessorNotHandledHasItemsOneThreeAndFiveButNoLogo) {
    const Observed seen = InitialiseWith(Signature(5, 14, 9), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    ASSERT_EQ(seen.initialize, result::kSuccess);
    ASSERT_EQ(seen.productCode, 4);
    for (const std::int32_t item : {1, 3, 5}) {
        EXPECT_EQ(seen.items[item], 1) << item;
    }
    for (const std::int32_t item : {2, 4, 6, 7, 8}) {
        EXPECT_EQ(seen.items[item], 0) << item;
    }
    EXPECT_EQ(seen.logo, result::kNoLogoBitmap);
    EXPECT_EQ(seen.packageCode, -2);
    EXPECT_EQ(seen.packageName, "Package not identified");
}

TEST(Cpumod12Information, PackagesFollowTheProductCodeAndTheMobileFlag) {
    struct Case {
        std::uint32_t leaf1;
        const char* brand;
        std::int32_t packageCode;
        const char* packageName;
    };
    const Case cases[] = {
        {Signature(8, 14, 9), "Quarn(R) Vantor(TM) m3-7Y30 CPU @ 1.00GHz", 23,
         "QBG-1440 mobile ball grid array"},
        {Signature(5, 5, 4), "Quarn(R) Vantor(TM) i9-7987XE CPU @ 2.60GHz", 34,
         "QLG-2090 high-end desktop land grid array"},
        {Signature(5, 14, 3), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 30,
         "QLG-1160 desktop land grid array"},
    };
    for (const Case& c : cases) {
        const Observed seen = InitialiseWith(c.leaf1, c.brand);
        ASSERT_EQ(seen.initialize, result::kSuccess) << c.brand;
        EXPECT_EQ(seen.packageCode, c.packageCode) << c.brand;
        EXPECT_EQ(seen.packageName, c.packageName) << c.brand;
    }
}

TEST(Cpumod12Information, ALogoIsAPictureOfTheLanguageFile) {
    const Observed seen = InitialiseWith(Signature(5, 14, 3), "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    ASSERT_EQ(seen.initialize, result::kSuccess);
    EXPECT_EQ(seen.logo, result::kSuccess);
    EXPECT_EQ(seen.logoStart, "<svg");
    // Item 6 for 121, items 9 and 10 for the pre-production part.
    EXPECT_EQ(seen.items[6], 1);
    EXPECT_EQ(seen.items[7], 0);
    EXPECT_EQ(seen.items[9], 1);
    EXPECT_EQ(seen.items[10], 1);
}

}  // namespace
