// Leaf-2 descriptors, leaf-4 sizes and graphics codes with Cpumod12's tables.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "sondrel/gen12/cache_descriptor_table.h"
#include "sondrel/gen12/pci_tables.h"
#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/pci.h"

namespace sondrel::module {
namespace {

constexpr std::int32_t kModel = 14;

std::optional<std::int32_t> Size(std::int32_t level, CpuidRegisters leaf2) {
    return FindDescriptorSize(gen12::CacheDescriptorTable(), level, kModel, leaf2);
}

TEST(CacheDescriptors, TheFirstByteTheLevelKnowsWinsMostSignificantFirst) {
    EXPECT_EQ(Size(3, {0x01, 0x40D40000u, 0, 0}), 0);
    EXPECT_EQ(Size(3, {0x01, 0x00D44000u, 0, 0}), 8192);
    EXPECT_EQ(Size(3, {0x01, 0, 0x00000040u, 0x00D40000u}), 0);
    // EAX before EDX; a byte another level knows is skipped.
    EXPECT_EQ(Size(2, {0x2C210001u, 0, 0, 0x00000040u}), 256);
    EXPECT_EQ(Size(0, {0x2C210001u, 0, 0, 0}), 32);
    EXPECT_EQ(Size(1, {0x2C210001u, 0, 0, 0}), std::nullopt);
}

TEST(CacheDescriptors, RegistersWithBitThirtyOneCarryNoDescriptors) {
    EXPECT_EQ(Size(3, {0x01, 0x80D40000u, 0, 0}), std::nullopt);
    EXPECT_EQ(Size(3, {0x01, 0x80D40000u, 0x00E60000u, 0}), 24576);
    EXPECT_EQ(Size(1, {0x80000901u, 0, 0, 0x00000009u}), 32);
}

TEST(CacheDescriptors, TheReadCountIsNotADescriptor) {
    // The low byte of EAX (09h here) would name a 32 KB instruction cache.
    EXPECT_EQ(Size(1, {0x00000009u, 0, 0, 0}), std::nullopt);
}

TEST(CacheDescriptors, RowsCanBeLimitedToModels) {
    constexpr std::array rows = {CacheDescriptorRow{3, 0x29, 4096, 0, 4},
                                 CacheDescriptorRow{3, 0x29, 2048, 6, 6}};
    const CpuidRegisters leaf2{0x01, 0x29000000u, 0, 0};
    EXPECT_EQ(FindDescriptorSize(rows, 3, 4, leaf2), 4096);
    EXPECT_EQ(FindDescriptorSize(rows, 3, 6, leaf2), 2048);
    EXPECT_EQ(FindDescriptorSize(rows, 3, 5, leaf2), std::nullopt);
}

TEST(DeterministicCache, SizeIsLineTimesPartitionsTimesWaysTimesSets) {
    // 48 KB first-level data: 64-byte lines, 12 ways, 64 sets.
    const DeterministicCache data = DecodeDeterministicCache({0x121, (11u << 22) | 63u, 63, 0});
    EXPECT_EQ(data.type, kDataCache);
    EXPECT_EQ(data.level, 1);
    EXPECT_EQ(data.sizeKB, 48);
    // Two partitions, 16 ways, 8192 sets: 16 MB.
    EXPECT_EQ(DecodeDeterministicCache({0x163, (15u << 22) | (1u << 12) | 63u, 8191, 0}).sizeKB, 16384);
    // 4096-byte lines in 2^19 sets: 2^31 bytes, read as a signed product.
    EXPECT_EQ(DecodeDeterministicCache({0x163, 0xFFFu, 0x7FFFFu, 0}).sizeKB, -2097152);
}

TEST(GraphicsCode, KnownIdentifiersHaveCodesAndOneDependsOnTheTdp) {
    const auto table = gen12::GraphicsCodeTable();
    struct Case {
        std::int32_t deviceId;
        double tdpWatts;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 15.0, -3},     {9, 15.0, 0},      {0x5C01, 0.0, 1}, {0x5C16, 91.0, 14}, {0x5C20, 15.0, 6},
        {0x5C20, 28.0, 7}, {0x5C20, 15.5, 0}, {0x5C20, 0.0, 0}, {0x5C17, 15.0, 0},  {0xFFFF, 15.0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GraphicsCode(table, c.deviceId, c.tdpWatts), c.expected) << std::hex << c.deviceId;
    }
}

}  // namespace
}  // namespace sondrel::module
