// Signature and product tests of the frequency pages, as tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "sondrel/app/product_codes.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/app/system_record.h"

namespace sondrel::ui::freq_rules {

struct Signature {
    std::int32_t extendedModel;
    std::int32_t model;
};

// Whether the record is a family-6 processor with one of `signatures`.
constexpr bool IsFamily6Among(const app::SystemRecord& record, std::span<const Signature> signatures) {
    return record.family == app::kFamily6 &&
           std::any_of(signatures.begin(), signatures.end(), [&record](const Signature& signature) {
               return signature.extendedModel == record.extendedModel && signature.model == record.model;
           });
}

// Two cores sharing one L2 and no L3: the first page counts two cores and
// shows twice the L2.
inline constexpr std::array<Signature, 3> kTwoCoreModels = {{{3, 7}, {4, 12}, {4, 13}}};
// The first page's second column stays hidden for these.
inline constexpr std::array<Signature, 8> kSecondColumnHidden = {
    {{2, 5}, {2, 12}, {2, 13}, {2, 14}, {2, 15}, {3, 7}, {4, 12}, {4, 13}}};
// ... and its values are not even written for these.
inline constexpr std::array<Signature, 4> kSecondColumnValuesHidden = {{{2, 5}, {2, 12}, {2, 14}, {2, 15}}};
// Two cores without per-core headers.
inline constexpr std::array<Signature, 6> kSingleLineHeaders = {
    {{2, 5}, {2, 12}, {2, 14}, {2, 15}, {3, 7}, {4, 12}}};
// The bus row names the reference clock for these (and for product code 78
// from extended model 2 on).
inline constexpr std::array<Signature, 7> kReferenceClockModels = {
    {{2, 5}, {2, 12}, {2, 14}, {2, 15}, {3, 7}, {4, 12}, {4, 13}}};
inline constexpr std::int32_t kReferenceClockProduct = 78;
inline constexpr std::int32_t kReferenceClockFromExtendedModel = 2;

// The note on frequencies above the rated one: on the first page for this
// processor of module 10 ...
inline constexpr std::int32_t kModule10 = 10;
inline constexpr std::array<Signature, 1> kTurboNoteFirstPage = {{{4, 13}}};
// ... on the third page for these products of modules 9, 11 and 12, and
// for the last two products on any module.
inline constexpr std::array<std::int32_t, 3> kTurboNoteModules = {app::kModule9, app::kModule11,
                                                                  app::kModule12};
inline constexpr auto kTurboNoteProducts = std::to_array<std::int32_t>(
    {80,  81,  85,  98,  99,  107, 110, 112, 113, 114, 115, 116, 117, 118, 119, 120,
     121, 122, 123, 124, 125, 126, 127, 128, 129, 131, 132, 133, 134, 135, 136, 137});
inline constexpr std::array<std::int32_t, 2> kTurboNoteProductsAnyModule = {138, 139};

// The third page's layout A (bus, threads) serves these modules; every
// other module gets layout B (interconnect, memory controller).
inline constexpr std::array<std::int32_t, 3> kLayoutAModules = {app::kModule9, app::kModule11,
                                                                app::kModule12};

// The L3 counts as present only with a size of 1 KB or more.
constexpr bool HasL3(const app::SystemRecord& record) {
    return record.l3CacheSize >= 1;
}

}  // namespace sondrel::ui::freq_rules
