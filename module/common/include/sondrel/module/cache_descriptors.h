// Cache sizes from CPUID: the descriptor bytes of leaf 2, decoded with a
// generation's table, and the deterministic cache parameters of leaf 4.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/data_module_interfaces.h"

namespace sondrel::module {

inline constexpr std::int32_t kLowestModel = 0;
inline constexpr std::int32_t kHighestModel = 15;

// One descriptor byte of leaf 2 and the size it gives one level (0: the
// level is absent). Some generations read a byte differently by model.
struct CacheDescriptorRow {
    std::int32_t level;
    std::uint8_t descriptor;
    std::int32_t sizeKB;
    std::int32_t lowestModel = kLowestModel;
    std::int32_t highestModel = kHighestModel;
};

// The size the first byte the table knows for `level` gives, scanning EAX,
// EBX, ECX and EDX in this order, each most significant byte first; a
// register with bit 31 set carries no descriptors. The low byte of EAX (the
// read count) is not a descriptor.
std::optional<std::int32_t> FindDescriptorSize(std::span<const CacheDescriptorRow> table, std::int32_t level,
                                               std::int32_t model, const CpuidRegisters& leaf2);

// One entry of the leaf-4 enumeration.
struct DeterministicCache {
    std::int32_t type;   // 0: no more caches; 1: data
    std::int32_t level;  // 1 to 3 for the levels the module knows
    std::int32_t sizeKB;
};

inline constexpr std::int32_t kNoMoreCaches = 0;
inline constexpr std::int32_t kDataCache = 1;

// Decodes a leaf-4 answer: line size × partitions × ways × sets, as a
// signed 32-bit product, in kilobytes truncated toward zero.
DeterministicCache DecodeDeterministicCache(const CpuidRegisters& leaf4);

}  // namespace sondrel::module
