// Product codes and module numbers the host gives a meaning to.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace sondrel::app {

inline constexpr std::int32_t kProductNotHandled = 4;
// A product code that, with module 9 or 11, is treated like a third-page one.
inline constexpr std::int32_t kProductThirdPageOnModules9And11 = 56;

inline constexpr std::array<std::int32_t, 21> kThirdPageProductCodes = {
    79, 80, 81, 84, 85, 86, 91, 92, 94, 95, 96, 97, 98, 99, 100, 101, 107, 108, 109, 110, 129};
// Excess-exempt codes beyond the third-page ones.
inline constexpr std::array<std::int32_t, 2> kFurtherExcessExemptProductCodes = {122, 123};

inline constexpr std::int32_t kModule8 = 8;
inline constexpr std::int32_t kModule9 = 9;
inline constexpr std::int32_t kModule11 = 11;
inline constexpr std::int32_t kModule12 = 12;

constexpr bool IsOneOf(std::span<const std::int32_t> values, std::int32_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

constexpr bool IsThirdPageProduct(std::int32_t productCode) {
    return IsOneOf(kThirdPageProductCodes, productCode);
}

constexpr bool IsExcessExemptProduct(std::int32_t productCode) {
    return IsThirdPageProduct(productCode) || IsOneOf(kFurtherExcessExemptProductCodes, productCode);
}

// Product code 56 served by module 9 or 11.
constexpr bool IsProduct56OnModule9Or11(std::int32_t productCode, std::int32_t moduleNumber) {
    return productCode == kProductThirdPageOnModules9And11 &&
           (moduleNumber == kModule9 || moduleNumber == kModule11);
}

}  // namespace sondrel::app
