// Signature tests the host applies in more than one place.
#pragma once

#include <array>
#include <cstdint>

#include "sondrel/app/product_codes.h"
#include "sondrel/app/system_record.h"

namespace sondrel::app {

inline constexpr std::int32_t kFamily6 = 6;
inline constexpr std::int32_t kFamily15 = 15;

// Family 6, extended model 2, models 5, 12, 14 and 15: they keep the first
// frequency page and never show the link lines.
inline constexpr std::int32_t kFirstPageExtendedModel = 2;
inline constexpr std::array<std::int32_t, 4> kFirstPageModels = {5, 12, 14, 15};

constexpr bool IsFirstPageSignature(const SystemRecord& record) {
    return record.family == kFamily6 && record.extendedModel == kFirstPageExtendedModel &&
           IsOneOf(kFirstPageModels, record.model);
}

}  // namespace sondrel::app
