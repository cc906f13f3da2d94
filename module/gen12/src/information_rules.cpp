// Cpumod12's package table, logo table and the product codes of
// information items 6 and 7.
#include <array>

#include "sondrel/gen12/naming_rules.h"
#include "sondrel/gen12/string_ids.h"
#include "sondrel/module/field_ids.h"

namespace sondrel::gen12 {

namespace {

using module::LogoRow;
using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;
using module::SignaturePackageRow;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kMobile{23, string_id::kMobilePackage};
constexpr PackageChoice kDesktop{30, string_id::kDesktopPackage};
constexpr PackageChoice kServer{33, string_id::kServerPackage};
constexpr PackageChoice kHighEndDesktop{34, string_id::kHighEndDesktopPackage};
constexpr PackageChoice kDualProcessor{27, string_id::kDualProcessorPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

constexpr std::array kDesktopCodes = {ProductCodeRange{80, 80},   ProductCodeRange{85, 86},
                                      ProductCodeRange{112, 127}, ProductCodeRange{131, 137},
                                      ProductCodeRange{146, 157}, ProductCodeRange{159, 161}};
constexpr std::array kHighEndDesktopCodes = {ProductCodeRange{138, 141}, ProductCodeRange{158, 158}};
constexpr std::array kServerCodes = {ProductCodeRange{142, 145}};

constexpr std::array kPackages = {
    PackageRow{kDesktopCodes, kMobile, kDesktop},
    PackageRow{kHighEndDesktopCodes, kMobile, kHighEndDesktop},
    PackageRow{kServerCodes, kMobile, kServer},
};

// Product code 81 on (5,14): the platform identification decides.
constexpr std::int32_t kDualProcessorPlatform = 2;
constexpr std::array kSignaturePackages = {
    SignaturePackageRow{81, 6, 5, 14, module::field_id::kPCardID, kDualProcessorPlatform, kDualProcessor,
                        kUnknown},
};

constexpr std::array kLogos = {
    LogoRow{112, 120}, LogoRow{113, 121}, LogoRow{114, 122}, LogoRow{115, 116}, LogoRow{119, 116},
    LogoRow{116, 117}, LogoRow{120, 117}, LogoRow{117, 118}, LogoRow{121, 118}, LogoRow{118, 106},
    LogoRow{127, 106}, LogoRow{122, 115}, LogoRow{152, 115}, LogoRow{160, 115}, LogoRow{123, 114},
    LogoRow{124, 123}, LogoRow{125, 123}, LogoRow{157, 123}, LogoRow{161, 123}, LogoRow{131, 164},
    LogoRow{134, 164}, LogoRow{132, 165}, LogoRow{135, 165}, LogoRow{133, 163}, LogoRow{136, 163},
    LogoRow{137, 168}, LogoRow{138, 170}, LogoRow{141, 170}, LogoRow{139, 171}, LogoRow{140, 169},
    LogoRow{142, 166}, LogoRow{143, 173}, LogoRow{144, 167}, LogoRow{145, 172}, LogoRow{146, 195},
    LogoRow{149, 195}, LogoRow{147, 192}, LogoRow{150, 192}, LogoRow{148, 191}, LogoRow{151, 191},
    LogoRow{153, 198}, LogoRow{159, 198}, LogoRow{154, 193}, LogoRow{158, 196},
};

constexpr std::array kItem6Codes = {ProductCodeRange{112, 123}, ProductCodeRange{127, 127},
                                    ProductCodeRange{131, 141}, ProductCodeRange{146, 156},
                                    ProductCodeRange{158, 158}};
constexpr std::array kItem7Codes = {ProductCodeRange{56, 56}, ProductCodeRange{124, 125},
                                    ProductCodeRange{142, 145}};

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.signaturePackages = kSignaturePackages;
    rules.otherPackage = kUnknown;
    rules.logos = kLogos;
    rules.item6ProductCodes = kItem6Codes;
    rules.item7ProductCodes = kItem7Codes;
    return rules;
}

}  // namespace

const module::InformationRules& InformationRules() {
    static const module::InformationRules rules = Describe();
    return rules;
}

}  // namespace sondrel::gen12
