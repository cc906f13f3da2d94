// Cpumod11's package table, logo table and the product codes of
// information items 6 and 7.
#include <array>

#include "sondrel/gen11/string_ids.h"
#include "sondrel/gen11/tables.h"

namespace sondrel::gen11 {

namespace {

using module::LogoRow;
using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kMobile{23, string_id::kMobilePackage};
constexpr PackageChoice kDesktop{30, string_id::kDesktopPackage};
constexpr PackageChoice kServer{33, string_id::kServerPackage};
constexpr PackageChoice kHighEndDesktop{34, string_id::kHighEndDesktopPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// Vantor, Dunlin and Corvid parts sit in the desktop socket or, as mobile
// parts, on a ball grid array; the Extreme Edition in the high-end desktop
// socket; Bastra parts in the server socket.
constexpr std::array kDesktopCodes = {ProductCodeRange{80, 80}, ProductCodeRange{85, 86},
                                      ProductCodeRange{100, 101}, ProductCodeRange{108, 109},
                                      ProductCodeRange{111, 111}};
constexpr std::array kHighEndDesktopCodes = {ProductCodeRange{81, 81}};
constexpr std::array kServerCodes = {ProductCodeRange{98, 99}, ProductCodeRange{107, 107},
                                     ProductCodeRange{110, 110}, ProductCodeRange{129, 129}};

constexpr std::array kPackages = {
    PackageRow{kDesktopCodes, kMobile, kDesktop},
    PackageRow{kHighEndDesktopCodes, kMobile, kHighEndDesktop},
    PackageRow{kServerCodes, kMobile, kServer},
};

constexpr std::array kLogos = {
    LogoRow{80, 278},  LogoRow{81, 255},  LogoRow{85, 277},  LogoRow{86, 276},  LogoRow{100, 274},
    LogoRow{108, 274}, LogoRow{101, 280}, LogoRow{109, 280}, LogoRow{111, 283}, LogoRow{98, 279},
    LogoRow{99, 279},  LogoRow{107, 279}, LogoRow{110, 279}, LogoRow{129, 279},
};

constexpr std::array kItem6Codes = {ProductCodeRange{80, 81}, ProductCodeRange{85, 86},
                                    ProductCodeRange{100, 101}, ProductCodeRange{108, 109}};
constexpr std::array kItem7Codes = {ProductCodeRange{56, 56}, ProductCodeRange{98, 99},
                                    ProductCodeRange{107, 107}, ProductCodeRange{110, 110},
                                    ProductCodeRange{129, 129}};

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
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

}  // namespace sondrel::gen11
