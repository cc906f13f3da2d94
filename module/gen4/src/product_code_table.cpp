// The product code of a processor of family 15 model 2: no brand rules,
// a table by stepping and register fields instead.
#include <array>

#include "sondrel/gen4/tables.h"

namespace sondrel::gen4 {

namespace {

using module::ProcessorSnapshot;

constexpr std::int32_t kAny = -1;

// Platform codes ("PCardID") of the generation.
constexpr std::int32_t kDesktopPlatform = 0;
constexpr std::int32_t kDualServerPlatform = 1;
constexpr std::int32_t kValuePlatform = 2;
constexpr std::int32_t kMultiServerPlatform = 4;

constexpr std::array kAllSteppings = {4, 5, 7, 9};
constexpr std::array kServerSteppings = {4, 5, 7};
constexpr std::array kScalingSteppings = {7, 9};
constexpr std::array kServerPlatforms = {kDualServerPlatform, kMultiServerPlatform};
constexpr std::array kDesktopPlatforms = {kDesktopPlatform};
constexpr std::array kValuePlatforms = {kValuePlatform};

struct ProductCodeRow {
    std::span<const std::int32_t> steppings;
    std::span<const std::int32_t> platforms;  // "PCardID"
    std::int32_t mobile;                      // the "Mobile" field, or kAny
    bool frequencyScaling;                    // "EQRTRatio" read and above 0
    std::int32_t productCode;
};

// First row that holds; none: 4. The server parts ended with stepping 7,
// the mobile line with frequency scaling began with it.
constexpr std::array kProductCodes = {
    ProductCodeRow{kServerSteppings, kServerPlatforms, kAny, false, 49},
    ProductCodeRow{kScalingSteppings, kDesktopPlatforms, 1, true, 52},
    ProductCodeRow{kAllSteppings, kValuePlatforms, 1, false, 53},
    ProductCodeRow{kAllSteppings, kDesktopPlatforms, 1, false, 51},
    ProductCodeRow{kAllSteppings, kValuePlatforms, 0, false, 50},
    ProductCodeRow{kAllSteppings, kDesktopPlatforms, 0, false, 48},
};

bool ServedSignature(const ProcessorSnapshot& s) {
    return s.family == kFamily && s.extendedFamily == 0 && s.extendedModel == 0 && s.model == kModel;
}

bool Holds(const ProductCodeRow& row, const ProcessorSnapshot& s) {
    const bool scaling = s.eqrtSupported != 0 && s.fields.Ratio(module::fsb_field::kEQRTRatio) > 0.0f;
    return module::Contains(row.steppings, s.stepping) &&
           module::Contains(row.platforms, s.fields.Value(module::field_id::kPCardID)) &&
           (row.mobile == kAny || row.mobile == s.mobileFlag) && (!row.frequencyScaling || scaling);
}

}  // namespace

std::int32_t ProductCodeBySignature(const ProcessorSnapshot& s) {
    // Any known stepping reads its register fields; they decide the code.
    return ServedSignature(s) && module::Contains(kAllSteppings, s.stepping)
               ? kProductCodes.back().productCode
               : module::kProductNotHandled;
}

std::int32_t ProductCode(const ProcessorSnapshot& s) {
    if (!ServedSignature(s)) {
        return module::kProductNotHandled;
    }
    for (const ProductCodeRow& row : kProductCodes) {
        if (Holds(row, s)) {
            return row.productCode;
        }
    }
    return module::kProductNotHandled;
}

}  // namespace sondrel::gen4
