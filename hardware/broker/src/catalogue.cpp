#include "catalogue.h"

#include <algorithm>
#include <array>

#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::broker {

namespace {

constexpr std::int32_t kAnyExtendedFamily = -1;
constexpr std::int32_t kModelsPerExtendedModel = 16;
constexpr std::int32_t kFamily6 = 6;

struct CatalogueRow {
    std::int32_t moduleNumber;
    std::int32_t family;
    std::int32_t extendedFamily;  // kAnyExtendedFamily: not compared
    std::int32_t extendedModel;
    std::int32_t model;
};

constexpr CatalogueRow Family6(std::int32_t moduleNumber, std::int32_t extendedModel, std::int32_t model) {
    return {moduleNumber, kFamily6, kAnyExtendedFamily, extendedModel, model};
}

constexpr CatalogueRow Family15(std::int32_t moduleNumber, std::int32_t model) {
    constexpr std::int32_t kFamily15 = 15;
    return {moduleNumber, kFamily15, 0, 0, model};
}

// The processors each module accepts.
constexpr std::array kCatalogue = {
    Family6(12, 4, 14), Family6(12, 5, 5),  Family6(12, 5, 14), Family6(12, 8, 14), Family6(12, 9, 14),
    Family6(11, 3, 12), Family6(11, 3, 13), Family6(11, 3, 15), Family6(11, 4, 5),  Family6(11, 4, 6),
    Family6(11, 4, 7),  Family6(11, 4, 15), Family6(11, 5, 6),  Family6(9, 2, 10),  Family6(9, 2, 13),
    Family6(9, 3, 10),  Family6(9, 3, 14),  Family6(8, 1, 10),  Family6(8, 1, 14),  Family6(8, 2, 5),
    Family6(8, 2, 12),  Family6(8, 2, 14),  Family6(8, 2, 15),  Family6(10, 2, 6),  Family6(10, 3, 6),
    Family6(10, 3, 7),  Family6(10, 4, 12), Family6(10, 4, 13), Family6(7, 0, 15),  Family6(7, 1, 6),
    Family6(7, 1, 7),   Family6(7, 1, 12),  Family6(7, 1, 13),  Family15(6, 3),     Family15(6, 4),
    Family15(6, 6),     Family6(5, 0, 9),   Family6(5, 0, 13),  Family6(5, 0, 14),  Family15(4, 2),
};

constexpr std::int32_t DisplayedModel(std::int32_t extendedModel, std::int32_t model) {
    return WrappingAdd(WrappingMultiply(extendedModel, kModelsPerExtendedModel), model);
}

constexpr std::int32_t NewestFamily6Model() {
    std::int32_t newest = 0;
    for (const CatalogueRow& row : kCatalogue) {
        if (row.family == kFamily6) {
            newest = std::max(newest, DisplayedModel(row.extendedModel, row.model));
        }
    }
    return newest;
}

bool Accepts(const CatalogueRow& row, const Signature& signature) {
    return row.family == signature.family &&
           (row.extendedFamily == kAnyExtendedFamily || row.extendedFamily == signature.extendedFamily) &&
           row.extendedModel == signature.extendedModel && row.model == signature.model;
}

}  // namespace

Signature DecodeSignature(std::uint32_t leaf1Eax) {
    return {BitsAsInt(leaf1Eax, 8, 4), BitsAsInt(leaf1Eax, 20, 8), BitsAsInt(leaf1Eax, 4, 4),
            BitsAsInt(leaf1Eax, 16, 4)};
}

std::optional<std::int32_t> ChooseModuleNumber(const Signature& signature) {
    for (const CatalogueRow& row : kCatalogue) {
        if (Accepts(row, signature)) {
            return row.moduleNumber;
        }
    }
    if (signature.family == kFamily6 &&
        DisplayedModel(signature.extendedModel, signature.model) > NewestFamily6Model()) {
        return kFutureModuleNumber;
    }
    return std::nullopt;
}

}  // namespace sondrel::broker
