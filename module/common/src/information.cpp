#include "sondrel/module/information.h"

#include <algorithm>
#include <array>

#include "sondrel/module/field_ids.h"

namespace sondrel::module {

namespace {

enum class ItemCondition {
    kAlways,
    kMobile,
    kItem6Product,
    kItem7Product,
    kPreproduction,
    kTwinstrand,
    kArch64,
    kNameEstablished,
    kEqrt,
    kExecuteDisable,
    kVirtualization,
    kThermalSensor,
    kEpt,
};

struct ItemRow {
    std::int32_t item;
    ItemCondition condition;
};

// Items 2 and 8 have no row: they stay 0.
constexpr std::array kItems = {
    ItemRow{1, ItemCondition::kAlways},           ItemRow{3, ItemCondition::kAlways},
    ItemRow{4, ItemCondition::kMobile},           ItemRow{5, ItemCondition::kAlways},
    ItemRow{6, ItemCondition::kItem6Product},     ItemRow{7, ItemCondition::kItem7Product},
    ItemRow{9, ItemCondition::kPreproduction},    ItemRow{10, ItemCondition::kPreproduction},
    ItemRow{11, ItemCondition::kTwinstrand},      ItemRow{12, ItemCondition::kArch64},
    ItemRow{13, ItemCondition::kNameEstablished}, ItemRow{14, ItemCondition::kEqrt},
    ItemRow{15, ItemCondition::kExecuteDisable},  ItemRow{16, ItemCondition::kVirtualization},
    ItemRow{17, ItemCondition::kThermalSensor},   ItemRow{18, ItemCondition::kEpt},
};

bool Holds(ItemCondition condition, const InformationRules& rules, const ProcessorSnapshot& s) {
    switch (condition) {
        case ItemCondition::kAlways:
            return true;
        case ItemCondition::kMobile:
            return s.mobileFlag != 0;
        case ItemCondition::kItem6Product:
            return InRanges(rules.item6ProductCodes, s.productCode);
        case ItemCondition::kItem7Product:
            return InRanges(rules.item7ProductCodes, s.productCode);
        case ItemCondition::kPreproduction:
            return s.preproductionFlag != 0;
        case ItemCondition::kTwinstrand:
            return s.twinstrandEnabled == 1;
        case ItemCondition::kArch64:
            return s.arch64 == 1;
        case ItemCondition::kNameEstablished:
            return s.nameEstablished == 1;
        case ItemCondition::kEqrt:
            return s.eqrtSupported == 1;
        case ItemCondition::kExecuteDisable:
            return s.executeDisable == 1;
        case ItemCondition::kVirtualization:
            return s.virtualization == 1;
        case ItemCondition::kThermalSensor:
            return s.thermalSensor == 1;
        case ItemCondition::kEpt:
            return s.fields.Value(field_id::kEPTEnabled) == 1;
    }
    return false;
}

}  // namespace

std::optional<PackageChoice> FindPackage(const InformationRules& rules, const ProcessorSnapshot& snapshot) {
    for (const SignaturePackageRow& row : rules.signaturePackages) {
        if (row.productCode != snapshot.productCode) {
            continue;
        }
        if (snapshot.family != row.family || snapshot.extendedModel != row.extendedModel ||
            snapshot.model != row.model) {
            return std::nullopt;
        }
        return snapshot.fields.Value(row.fieldId) == row.fieldValue ? row.fieldMatches : row.otherwise;
    }
    for (const PackageRow& row : rules.packages) {
        if (InRanges(row.productCodes, snapshot.productCode)) {
            return snapshot.mobileFlag == 1 ? row.mobile : row.desktop;
        }
    }
    return rules.otherPackage;
}

void RunPackageStep(const InformationRules& rules, const LoadText& load, ProcessorSnapshot& snapshot) {
    const auto package = FindPackage(rules, snapshot);
    if (!package) {
        return;
    }
    snapshot.packageCode = package->code;
    if (!load(package->stringId, std::span(snapshot.packageName))) {
        snapshot.packageName[0] = '\0';
    }
}

std::int32_t ComputeInfoItemWord(const InformationRules& rules, const ProcessorSnapshot& snapshot) {
    if (snapshot.productCode == kProductUnclassified) {
        return 0;
    }
    std::uint32_t word = 0;
    for (const ItemRow& row : kItems) {
        if (Holds(row.condition, rules, snapshot)) {
            word |= 1u << (row.item - 1);
        }
    }
    return static_cast<std::int32_t>(word);
}

std::optional<std::int32_t> FindLogoBitmap(const InformationRules& rules, std::int32_t productCode) {
    const auto row = std::find_if(rules.logos.begin(), rules.logos.end(), [productCode](const LogoRow& logo) {
        return logo.productCode == productCode;
    });
    return row == rules.logos.end() ? std::nullopt : std::optional(row->bitmapId);
}

}  // namespace sondrel::module
