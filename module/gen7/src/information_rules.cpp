// Cpumod7's package table, logo table, information items 6 and 7 and its
// feature codes.
#include <algorithm>
#include <array>
#include <vector>

#include "sondrel/gen7/string_ids.h"
#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::LogoRow;
using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kDesktop{21, string_id::kDesktopPackage};
constexpr PackageChoice kMobile{22, string_id::kMobilePackage};
constexpr PackageChoice kMobileBallGrid{26, string_id::kMobileBallGridPackage};
constexpr PackageChoice kServer{25, string_id::kServerPackage};
constexpr PackageChoice kEmbedded{24, string_id::kEmbeddedPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// Desktop lines come in both packages, decided by the "Mobile" field; the
// mobile-only lines, the server and the low-power line have one package.
constexpr std::array kDesktopOrMobileCodes = {ProductCodeRange{65, 66}, ProductCodeRange{70, 73},
                                              ProductCodeRange{77, 77}, ProductCodeRange{82, 83}};
constexpr std::array kMobileCodes = {ProductCodeRange{67, 67}, ProductCodeRange{75, 75}};
constexpr std::array kSoloCodes = {ProductCodeRange{76, 76}};
constexpr std::array kServerCodes = {ProductCodeRange{68, 68}};
constexpr std::array kEmberCodes = {ProductCodeRange{78, 78}};

constexpr std::array kPackages = {
    PackageRow{kDesktopOrMobileCodes, kMobile, kDesktop},
    PackageRow{kMobileCodes, kMobile, kMobile},
    PackageRow{kSoloCodes, kMobileBallGrid, kMobileBallGrid},
    PackageRow{kServerCodes, kServer, kServer},
    PackageRow{kEmberCodes, kEmbedded, kEmbedded},
};

constexpr std::array kLogos = {
    LogoRow{65, 108}, LogoRow{67, 108}, LogoRow{66, 106}, LogoRow{70, 106}, LogoRow{68, 109},
    LogoRow{71, 110}, LogoRow{72, 111}, LogoRow{82, 111}, LogoRow{73, 112}, LogoRow{75, 112},
    LogoRow{77, 112}, LogoRow{83, 112}, LogoRow{76, 105}, LogoRow{78, 115},
};

constexpr std::array kItem6Codes = {ProductCodeRange{65, 66}, ProductCodeRange{70, 73},
                                    ProductCodeRange{76, 78}, ProductCodeRange{82, 83}};
constexpr std::array kItem7Codes = {ProductCodeRange{56, 56}, ProductCodeRange{68, 68},
                                    ProductCodeRange{70, 70}};

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.otherPackage = kUnknown;
    rules.logos = kLogos;
    rules.item6ProductCodes = kItem6Codes;
    rules.item7ProductCodes = kItem7Codes;
    return rules;
}

// No AVX and no AES-NI.
constexpr std::array kWithoutCodes = {140, 150};

std::vector<module::FeatureRow> Features() {
    std::vector<module::FeatureRow> rows;
    for (const module::FeatureRow& row : module::StandardFeatureRows()) {
        if (!module::Contains(kWithoutCodes, row.code)) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace

const module::InformationRules& InformationRules() {
    static const module::InformationRules rules = Describe();
    return rules;
}

std::span<const module::FeatureRow> FeatureRows() {
    static const std::vector<module::FeatureRow> rows = Features();
    return rows;
}

}  // namespace sondrel::gen7
