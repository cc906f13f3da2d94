// Cpumod10's leaf-2 descriptor table. No descriptor gives the third level:
// its size stays unknown until the leaf-4 walk, where there is one.
#include <array>

#include "sondrel/gen10/tables.h"

namespace sondrel::gen10 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kL1Instruction = 1;
constexpr std::int32_t kL2 = 2;

// Sizes in kilobytes; 0: the level is absent.
constexpr std::array kRows = {
    CacheDescriptorRow{kL1Data, 0x0E, 24}, CacheDescriptorRow{kL1Instruction, 0x30, 32},
    CacheDescriptorRow{kL2, 0x3F, 256},    CacheDescriptorRow{kL2, 0x40, 0},
    CacheDescriptorRow{kL2, 0x44, 1024},   CacheDescriptorRow{kL2, 0x45, 2048},
    CacheDescriptorRow{kL2, 0x80, 512},
};

}  // namespace

std::span<const module::CacheDescriptorRow> CacheDescriptorTable() {
    return kRows;
}

}  // namespace sondrel::gen10
