#include "sondrel/module/cache_descriptors.h"

#include <algorithm>
#include <array>

#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {

namespace {

constexpr std::uint32_t kNoDescriptorsBit = 1u << 31;
constexpr std::uint32_t kReadCountMask = 0xFFu;
constexpr int kBytesPerRegister = 4;
constexpr std::int32_t kBytesPerKilobyte = 1024;

}  // namespace

std::optional<std::int32_t> FindDescriptorSize(std::span<const CacheDescriptorRow> table, std::int32_t level,
                                               std::int32_t model, const CpuidRegisters& leaf2) {
    const std::array registers = {leaf2.eax & ~kReadCountMask, leaf2.ebx, leaf2.ecx, leaf2.edx};
    for (const std::uint32_t value : registers) {
        if ((value & kNoDescriptorsBit) != 0) {
            continue;
        }
        for (int byte = kBytesPerRegister - 1; byte >= 0; --byte) {
            const auto descriptor =
                static_cast<std::uint8_t>(Bits(value, static_cast<unsigned>(byte) * 8, 8));
            const auto row =
                std::find_if(table.begin(), table.end(), [&](const CacheDescriptorRow& candidate) {
                    return candidate.level == level && candidate.descriptor == descriptor &&
                           model >= candidate.lowestModel && model <= candidate.highestModel;
                });
            if (row != table.end()) {
                return row->sizeKB;
            }
        }
    }
    return std::nullopt;
}

DeterministicCache DecodeDeterministicCache(const CpuidRegisters& leaf4) {
    const std::int32_t lineSize = WrappingAdd(BitsAsInt(leaf4.ebx, 0, 12), 1);
    const std::int32_t partitions = WrappingAdd(BitsAsInt(leaf4.ebx, 12, 10), 1);
    const std::int32_t ways = WrappingAdd(BitsAsInt(leaf4.ebx, 22, 10), 1);
    const std::int32_t sets = WrappingAdd(static_cast<std::int32_t>(leaf4.ecx), 1);
    const std::int32_t bytes =
        WrappingMultiply(WrappingMultiply(WrappingMultiply(lineSize, sets), partitions), ways);
    return {BitsAsInt(leaf4.eax, 0, 5), BitsAsInt(leaf4.eax, 5, 3), bytes / kBytesPerKilobyte};
}

}  // namespace sondrel::module
