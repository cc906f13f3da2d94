#include "sondrel/module/generation.h"

#include <algorithm>

namespace sondrel::module {

bool InRanges(std::span<const ProductCodeRange> ranges, std::int32_t productCode) {
    return std::any_of(ranges.begin(), ranges.end(), [productCode](const ProductCodeRange& range) {
        return productCode >= range.first && productCode <= range.last;
    });
}

bool Contains(std::span<const std::int32_t> values, std::int32_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace sondrel::module
