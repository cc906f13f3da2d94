// Cpumod5's package table, its logos by product code and model nibble, and
// its feature codes.
#include <algorithm>
#include <array>
#include <vector>

#include "sondrel/gen5/string_ids.h"
#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {

namespace {

using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kMobilePinGrid{22, string_id::kMobilePinGridPackage};
constexpr PackageChoice kMobileBallGrid{26, string_id::kMobileBallGridPackage};
constexpr PackageChoice kServer{25, string_id::kServerPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// Every client line of these models is a mobile design, socketed or
// soldered: the "Mobile" field marks the socketed pin grid array, a clear
// field the ball grid array soldered into small and embedded boards. The
// low-voltage server line has one package.
constexpr std::array kClientCodes = {ProductCodeRange{54, 55}, ProductCodeRange{57, 57},
                                     ProductCodeRange{60, 61}, ProductCodeRange{63, 63},
                                     ProductCodeRange{69, 69}, ProductCodeRange{74, 74}};
constexpr std::array kServerCodes = {ProductCodeRange{64, 64}};

constexpr std::array kPackages = {
    PackageRow{kClientCodes, kMobilePinGrid, kMobileBallGrid},
    PackageRow{kServerCodes, kServer, kServer},
};

// The Corvid M badge changed with the second model of the line (13); the
// Dunlin M lines of models 9 and 13 (57) and of model 14 (63) have their own
// product codes and so their own badges. Samples (62) have none.
constexpr std::array kLogos = {
    SignatureLogoRow{54, 9, bitmap_id::kCorvidM},
    SignatureLogoRow{54, 13, bitmap_id::kCorvidMLater},
    SignatureLogoRow{55, kAnyModel, bitmap_id::kDunlinM},
    SignatureLogoRow{57, kAnyModel, bitmap_id::kDunlinM},
    SignatureLogoRow{63, kAnyModel, bitmap_id::kDunlinMDualModel},
    SignatureLogoRow{60, kAnyModel, bitmap_id::kVantorSolo},
    SignatureLogoRow{61, kAnyModel, bitmap_id::kVantorDuo},
    SignatureLogoRow{64, kAnyModel, bitmap_id::kBastra},
    SignatureLogoRow{69, kAnyModel, bitmap_id::kCorvidDualCore},
    SignatureLogoRow{74, kAnyModel, bitmap_id::kDunlin},
};

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.otherPackage = kUnknown;
    // Items 6 and 7 are never set.
    return rules;
}

// No thermal-sensor, SSE4, AVX or AES-NI code.
constexpr std::array kWithoutCodes = {120, 130, 140, 150};

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

std::span<const SignatureLogoRow> LogoTable() {
    return kLogos;
}

std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t model) {
    const auto row = std::find_if(kLogos.begin(), kLogos.end(), [&](const SignatureLogoRow& logo) {
        return logo.productCode == productCode && (logo.model == kAnyModel || logo.model == model);
    });
    return row == kLogos.end() ? std::nullopt : std::optional(row->bitmapId);
}

}  // namespace sondrel::gen5
