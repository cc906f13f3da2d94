// Cpumod9's package table, logo table and the product codes of
// information items 6 and 7.
#include <array>

#include "sondrel/gen9/string_ids.h"
#include "sondrel/gen9/tables.h"

namespace sondrel::gen9 {

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

// Vantor i3/i5/i7, Dunlin, Corvid and the Bastra of the desktop socket
// (94) share the desktop package; the Extreme Edition sits in the
// high-end desktop socket, the (2,13) Bastra (95) in the server socket.
constexpr std::array kDesktopCodes = {ProductCodeRange{80, 80}, ProductCodeRange{85, 86},
                                      ProductCodeRange{94, 94}, ProductCodeRange{96, 97}};
constexpr std::array kHighEndDesktopCodes = {ProductCodeRange{81, 81}};
constexpr std::array kServerCodes = {ProductCodeRange{95, 95}};

constexpr std::array kPackages = {
    PackageRow{kDesktopCodes, kMobile, kDesktop},
    PackageRow{kHighEndDesktopCodes, kMobile, kHighEndDesktop},
    PackageRow{kServerCodes, kMobile, kServer},
};

constexpr std::array kLogos = {
    LogoRow{80, 110}, LogoRow{81, 111}, LogoRow{85, 112}, LogoRow{86, 113},
    LogoRow{94, 109}, LogoRow{95, 109}, LogoRow{96, 115}, LogoRow{97, 114},
};

constexpr std::array kItem6Codes = {ProductCodeRange{80, 81}, ProductCodeRange{85, 86},
                                    ProductCodeRange{96, 97}};
constexpr std::array kItem7Codes = {ProductCodeRange{56, 56}, ProductCodeRange{94, 95}};

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

}  // namespace sondrel::gen9
