#include "sondrel/module/generation.h"

#include <algorithm>
#include <array>

namespace sondrel::module {

namespace {

constexpr std::int32_t kProbeFamily = 6;
constexpr std::array kProbeSignatures = {ModelSignature{4, 14}, ModelSignature{5, 14}, ModelSignature{8, 14},
                                         ModelSignature{5, 5}};
constexpr std::array kProcessorDeviceProductCodes = {125};
constexpr std::array kHostBridgeExtendedModels = {4};

constexpr ActiveCoreReads kStandardActiveCoreReads{kProbeFamily, kProbeSignatures,
                                                   kProcessorDeviceProductCodes, ModelSignature{4, 14},
                                                   kHostBridgeExtendedModels};

}  // namespace

const ActiveCoreReads& StandardActiveCoreReads() {
    return kStandardActiveCoreReads;
}

bool InRanges(std::span<const ProductCodeRange> ranges, std::int32_t productCode) {
    return std::any_of(ranges.begin(), ranges.end(), [productCode](const ProductCodeRange& range) {
        return productCode >= range.first && productCode <= range.last;
    });
}

bool Contains(std::span<const std::int32_t> values, std::int32_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace sondrel::module
