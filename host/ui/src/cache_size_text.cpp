#include "sondrel/ui/cache_size_text.h"

#include <cstdio>

#include "sondrel/ui/string_ids.h"

namespace sondrel::ui {

namespace {

constexpr std::int32_t kUnknownSize = -1;
constexpr std::int32_t kNoCache = 0;
// A module without a cache interface leaves -2, and one that reports the
// level absent -3; printed as numbers they read as a size of -2 bytes, so
// they take the texts of an unknown size and of no cache.
constexpr std::int32_t kNoCacheInterface = -2;
constexpr std::int32_t kLevelAbsent = -3;
constexpr std::int32_t kKilobytesPerMegabyte = 1024;
// The decimal is the remainder in hundreds of KB, cut, not rounded.
constexpr std::int32_t kKilobytesPerDecimal = 100;
constexpr std::size_t kUnitPieceLimit = 24;

struct UnitPieces {
    std::int32_t prefix;  // 0: none
    std::int32_t unit;
};

UnitPieces UnitOf(std::int32_t size, std::int32_t unit) {
    if (unit == kCacheUnitBytes) {
        return {size < kKilobytesPerMegabyte ? string_id::kUnitKilo : string_id::kUnitMega,
                string_id::kUnitBytes};
    }
    if (unit == kCacheUnitTrace) {
        return {string_id::kUnitKilo, string_id::kUnitMicroOperations};
    }
    return {0, string_id::kUnitBytes};
}

}  // namespace

std::string FormatCacheSize(std::int32_t size, std::int32_t unit, const LanguageText& language) {
    if (size == kUnknownSize || size == kNoCacheInterface) {
        return language.StringOrEmpty(string_id::kCacheUnknown, kCacheSizeTextLimit);
    }
    if (size == kNoCache || size == kLevelAbsent) {
        return language.StringOrEmpty(string_id::kCacheNone, kCacheSizeTextLimit);
    }
    const UnitPieces pieces = UnitOf(size, unit);
    const std::string unitText =
        (pieces.prefix == 0 ? std::string() : language.StringOrEmpty(pieces.prefix, kUnitPieceLimit)) +
        language.StringOrEmpty(pieces.unit, kUnitPieceLimit);

    // Every size the pages name (8 to 512 KB, whole MB from 1 to 32, and
    // 1536, 8448, 14080 and 39424 with a decimal) follows these two rules.
    char number[kCacheSizeTextLimit + 1];
    const std::int32_t remainder = size % kKilobytesPerMegabyte;
    if (size < kKilobytesPerMegabyte) {
        std::snprintf(number, sizeof number, "%d", size);
    } else if (remainder == 0) {
        std::snprintf(number, sizeof number, "%d", size / kKilobytesPerMegabyte);
    } else {
        std::snprintf(number, sizeof number, "%d.%d", size / kKilobytesPerMegabyte,
                      remainder / kKilobytesPerDecimal);
    }
    std::string text = std::string(number) + " " + unitText;
    text.resize(std::min(text.size(), kCacheSizeTextLimit));
    return text;
}

}  // namespace sondrel::ui
