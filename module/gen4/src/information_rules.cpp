// Cpumod4's package table, logos by product code and stepping, its
// information items, feature codes and name fallback.
#include <algorithm>
#include <array>

#include "sondrel/gen4/string_ids.h"
#include "sondrel/gen4/tables.h"
#include "sondrel/module/information.h"

namespace sondrel::gen4 {

namespace {

using module::FallbackNameRow;
using module::PackageChoice;
using module::PackageRow;
using module::ProcessorSnapshot;
using module::ProductCodeRange;

constexpr std::int32_t kNoPackage = -2;
constexpr PackageChoice kDesktop{21, string_id::kDesktopPackage};
constexpr PackageChoice kMobile{22, string_id::kMobilePackage};
constexpr PackageChoice kServer{25, string_id::kServerPackage};
constexpr PackageChoice kUnknown{kNoPackage, string_id::kUnknownPackage};

// The product code already says desktop, server or mobile.
constexpr std::array kDesktopCodes = {ProductCodeRange{48, 48}, ProductCodeRange{50, 50}};
constexpr std::array kServerCodes = {ProductCodeRange{49, 49}};
constexpr std::array kMobileCodes = {ProductCodeRange{51, 53}};

constexpr std::array kPackages = {
    PackageRow{kDesktopCodes, kDesktop, kDesktop},
    PackageRow{kServerCodes, kServer, kServer},
    PackageRow{kMobileCodes, kMobile, kMobile},
};

struct LogoRow {
    std::int32_t productCode;
    std::int32_t firstStepping;
    std::int32_t lastStepping;
    std::int32_t bitmapId;
};

// The desktop line wears its newer badge from stepping 7 on.
constexpr std::array kLogos = {
    LogoRow{48, 0, 6, 105},  LogoRow{48, 7, 15, 106}, LogoRow{49, 0, 15, 107}, LogoRow{50, 0, 15, 108},
    LogoRow{53, 0, 15, 108}, LogoRow{51, 0, 15, 109}, LogoRow{52, 0, 15, 110},
};

constexpr std::uint32_t Bit(std::int32_t item) {
    return 1u << static_cast<std::uint32_t>(item - 1);
}

// The items this generation decides by product code; the others keep the
// shared meaning (production part, name established, 64-bit and so on).
constexpr std::uint32_t kProductItems =
    Bit(1) | Bit(3) | Bit(4) | Bit(5) | Bit(6) | Bit(7) | Bit(8) | Bit(11) | Bit(14);
constexpr std::uint32_t kAlwaysItems = Bit(1) | Bit(3) | Bit(11);

struct ItemRow {
    std::int32_t productCode;
    std::uint32_t items;
};

constexpr std::array kItems = {
    ItemRow{48, Bit(6)},
    ItemRow{49, Bit(7)},
    ItemRow{50, Bit(8)},
    ItemRow{51, Bit(4)},
    ItemRow{52, Bit(4) | Bit(5) | Bit(14)},
    ItemRow{53, Bit(4) | Bit(8)},
};

constexpr std::array kReplacedNames = {FallbackNameRow{4, {string_id::kNotHandledName, {}}}};
constexpr std::array kKeptNames = {ProductCodeRange{48, 53}};
// A name the frequency decision emptied is refilled with its product line.
constexpr std::array kEmptyNames = {
    FallbackNameRow{48, {string_id::kCorvid4Name, {}}},
    FallbackNameRow{49, {string_id::kBastraName, {}}},
    FallbackNameRow{50, {string_id::kDunlinName, {}}},
    FallbackNameRow{51, {string_id::kMobileCorvid4Name, {}}},
    FallbackNameRow{52, {string_id::kCorvid4MName, {}}},
    FallbackNameRow{53, {string_id::kMobileDunlinName, {}}},
};

module::InformationRules DescribeInformation() {
    module::InformationRules rules{};
    rules.packages = kPackages;
    rules.otherPackage = kUnknown;
    return rules;
}

module::NamingRules DescribeNaming() {
    module::NamingRules rules{};
    rules.fallback = {kReplacedNames, kKeptNames, string_id::kGenericName, kEmptyNames,
                      string_id::kGenericName};
    return rules;
}

constexpr std::int32_t kTwinstrandItem = 11;

// Twinstrand: item 11 set and the part both capable of and configured for
// two logical processors.
std::int32_t TwinstrandFeature(const ProcessorSnapshot& s) {
    const bool item11 = (static_cast<std::uint32_t>(s.infoItemWord) & Bit(kTwinstrandItem)) != 0;
    return item11 && s.multiThreadingCapable != 0 && s.leaf1LogicalCount > 1 ? 1 : 0;
}

constexpr std::array kFeatures = {
    module::FeatureRow{10, [](const ProcessorSnapshot& s) { return s.mmx; }},
    module::FeatureRow{20, [](const ProcessorSnapshot& s) { return s.sse; }},
    module::FeatureRow{30, [](const ProcessorSnapshot& s) { return s.sse2; }},
    module::FeatureRow{50, &TwinstrandFeature},
    // Neither execute disable nor the enhanced halt state exists on these parts.
    module::FeatureRow{80, [](const ProcessorSnapshot&) { return 0; }},
    module::FeatureRow{90, [](const ProcessorSnapshot&) { return 0; }},
};

}  // namespace

const module::InformationRules& InformationRules() {
    static const module::InformationRules rules = DescribeInformation();
    return rules;
}

const module::NamingRules& NamingRules() {
    static const module::NamingRules rules = DescribeNaming();
    return rules;
}

std::span<const module::FeatureRow> FeatureRows() {
    return kFeatures;
}

std::int32_t InfoItemWord(const ProcessorSnapshot& s) {
    if (s.productCode == module::kProductUnclassified) {
        return 0;
    }
    if (s.productCode == module::kProductNotHandled) {
        return static_cast<std::int32_t>(Bit(1));
    }
    const auto shared = static_cast<std::uint32_t>(module::ComputeInfoItemWord(InformationRules(), s));
    std::uint32_t word = (shared & ~kProductItems) | kAlwaysItems;
    const auto row = std::find_if(kItems.begin(), kItems.end(), [&s](const ItemRow& candidate) {
        return candidate.productCode == s.productCode;
    });
    if (row != kItems.end()) {
        word |= row->items;
    }
    return static_cast<std::int32_t>(word);
}

std::optional<std::int32_t> LogoBitmap(std::int32_t productCode, std::int32_t stepping) {
    const auto row = std::find_if(kLogos.begin(), kLogos.end(), [&](const LogoRow& logo) {
        return logo.productCode == productCode && stepping >= logo.firstStepping &&
               stepping <= logo.lastStepping;
    });
    return row == kLogos.end() ? std::nullopt : std::optional(row->bitmapId);
}

}  // namespace sondrel::gen4
