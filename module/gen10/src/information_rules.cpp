// Cpumod10's package table, its logos by product code and extended model,
// and the graphics rule of GetGraphicsCode.
#include <algorithm>
#include <array>

#include "sondrel/gen10/string_ids.h"
#include "sondrel/gen10/tables.h"

namespace sondrel::gen10 {

namespace {

using module::PackageChoice;
using module::PackageRow;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kMobile{23, string_id::kMobilePackage};
constexpr PackageChoice kDesktop{31, string_id::kDesktopPackage};
constexpr PackageChoice kSystemOnChip{35, string_id::kSystemOnChipPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// Ember parts are systems on a chip; Dunlin and Corvid parts of this
// generation are soldered desktop parts. No register field or rule of this
// generation marks a part mobile, so the mobile column is there for shape.
constexpr std::array kEmberCodes = {ProductCodeRange{78, 78}, ProductCodeRange{104, 106}};
constexpr std::array kDesktopCodes = {ProductCodeRange{102, 103}};
constexpr std::array kPackages = {
    PackageRow{kEmberCodes, kMobile, kSystemOnChip},
    PackageRow{kDesktopCodes, kMobile, kDesktop},
};

// Ember logos follow the generation of the part: the netbook parts of
// extended model 2, the tablet parts of 3 and those of 4.
constexpr std::array kLogos = {
    SignatureLogoRow{78, 2, 110},
    SignatureLogoRow{78, 3, 111},
    SignatureLogoRow{78, 4, 112},
    SignatureLogoRow{102, kAnyExtendedModel, 113},
    SignatureLogoRow{103, kAnyExtendedModel, 114},
    SignatureLogoRow{104, kAnyExtendedModel, 115},
    SignatureLogoRow{105, kAnyExtendedModel, 116},
    SignatureLogoRow{106, kAnyExtendedModel, 117},
};

// The processors with integrated graphics, and the one graphics device
// (the x-series graphics core) that gets code 23.
constexpr std::int32_t kGraphicsFamily = 6;
constexpr std::array kGraphicsSignatures = {module::ModelSignature{3, 7}, module::ModelSignature{4, 12},
                                            module::ModelSignature{4, 13}};
constexpr std::int32_t kSeriesXGraphics = 0x5B31;
constexpr std::int32_t kSeriesXGraphicsCode = 23;
constexpr std::int32_t kOtherGraphicsCode = 3;

module::InformationRules Describe() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.otherPackage = kUnknown;
    return rules;
}

}  // namespace

const module::InformationRules& InformationRules() {
    static const module::InformationRules rules = Describe();
    return rules;
}

std::span<const SignatureLogoRow> LogoTable() {
    return kLogos;
}

std::optional<std::int32_t> FindLogo(std::int32_t productCode, std::int32_t extendedModel) {
    const auto row = std::find_if(kLogos.begin(), kLogos.end(), [&](const SignatureLogoRow& logo) {
        return logo.productCode == productCode &&
               (logo.extendedModel == kAnyExtendedModel || logo.extendedModel == extendedModel);
    });
    return row == kLogos.end() ? std::nullopt : std::optional(row->bitmapId);
}

std::optional<std::int32_t> GraphicsCode(std::int32_t family, std::int32_t extendedModel, std::int32_t model,
                                         std::int32_t graphicsDeviceId) {
    const bool withGraphics =
        family == kGraphicsFamily &&
        std::any_of(kGraphicsSignatures.begin(), kGraphicsSignatures.end(), [&](module::ModelSignature s) {
            return s.extendedModel == extendedModel && s.model == model;
        });
    if (!withGraphics) {
        return std::nullopt;
    }
    return graphicsDeviceId == kSeriesXGraphics ? kSeriesXGraphicsCode : kOtherGraphicsCode;
}

}  // namespace sondrel::gen10
