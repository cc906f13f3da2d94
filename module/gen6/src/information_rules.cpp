// Cpumod6's package table, its logos (partly by model), information items
// 6 and 7 and its feature codes.
#include <algorithm>
#include <array>
#include <vector>

#include "sondrel/gen6/string_ids.h"
#include "sondrel/gen6/tables.h"

namespace sondrel::gen6 {

namespace {

using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kDesktop{21, string_id::kDesktopPackage};
constexpr PackageChoice kMobile{22, string_id::kMobilePackage};
constexpr PackageChoice kServer{25, string_id::kServerPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// The desktop lines come in the land grid array, or the pin grid array when
// the "Mobile" field is set; the mobile line and the server line have one
// package each.
constexpr std::array kDesktopOrMobileCodes = {ProductCodeRange{48, 48}, ProductCodeRange{58, 59}};
constexpr std::array kMobileCodes = {ProductCodeRange{52, 52}};
constexpr std::array kServerCodes = {ProductCodeRange{49, 49}};

constexpr std::array kPackages = {
    PackageRow{kDesktopOrMobileCodes, kMobile, kDesktop},
    PackageRow{kMobileCodes, kMobile, kMobile},
    PackageRow{kServerCodes, kServer, kServer},
};

// A logo by product code, on the models given (empty: every model). The
// first row that holds wins: the two-core server parts of model 6 carry a
// logo of their own.
struct ModelLogoRow {
    std::int32_t productCode;
    std::span<const std::int32_t> models;
    std::int32_t bitmapId;
};
constexpr std::array kTwoCoreServerModels = {6};
constexpr std::array kLogos = {
    ModelLogoRow{48, {}, 110},
    ModelLogoRow{52, {}, 111},
    ModelLogoRow{58, {}, 112},
    ModelLogoRow{59, {}, 113},
    ModelLogoRow{49, kTwoCoreServerModels, 115},
    ModelLogoRow{49, {}, 114},
};

constexpr std::array kItem6Codes = {ProductCodeRange{48, 48}, ProductCodeRange{59, 59}};
constexpr std::array kItem7Codes = {ProductCodeRange{49, 49}};

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.otherPackage = kUnknown;
    rules.item6ProductCodes = kItem6Codes;
    rules.item7ProductCodes = kItem7Codes;
    return rules;
}

// No thermal-sensor (120), SSE4 (130), AVX (140) or AES-NI (150) codes.
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

std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t model) {
    const auto* row = std::find_if(kLogos.begin(), kLogos.end(), [&](const ModelLogoRow& logo) {
        return logo.productCode == productCode && (logo.models.empty() || module::Contains(logo.models, model));
    });
    return row == kLogos.end() ? std::nullopt : std::optional(row->bitmapId);
}

}  // namespace sondrel::gen6
