#include "sondrel/gen12/cache_descriptor_table.h"

#include <array>

namespace sondrel::gen12 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kL1Instruction = 1;
constexpr std::int32_t kL2 = 2;
constexpr std::int32_t kL3 = 3;

// Sizes in kilobytes; 0: the level is absent.
constexpr std::array kRows = {
    CacheDescriptorRow{kL1Data, 0x0D, 16},
    CacheDescriptorRow{kL1Data, 0x2C, 32},
    CacheDescriptorRow{kL1Instruction, 0x09, 32},
    CacheDescriptorRow{kL2, 0x21, 256},
    CacheDescriptorRow{kL2, 0x40, 0},
    CacheDescriptorRow{kL3, 0x40, 0},
    CacheDescriptorRow{kL3, 0xD0, 512},
    CacheDescriptorRow{kL3, 0xD1, 1024},
    CacheDescriptorRow{kL3, 0xD6, 1024},
    CacheDescriptorRow{kL3, 0xDC, 1536},
    CacheDescriptorRow{kL3, 0xD2, 2048},
    CacheDescriptorRow{kL3, 0xD7, 2048},
    CacheDescriptorRow{kL3, 0xE2, 2048},
    CacheDescriptorRow{kL3, 0xDD, 3072},
    CacheDescriptorRow{kL3, 0xD3, 4096},
    CacheDescriptorRow{kL3, 0xD8, 4096},
    CacheDescriptorRow{kL3, 0xE3, 4096},
    CacheDescriptorRow{kL3, 0xDE, 6144},
    CacheDescriptorRow{kL3, 0xD4, 8192},
    CacheDescriptorRow{kL3, 0xD9, 8192},
    CacheDescriptorRow{kL3, 0xE4, 8192},
    CacheDescriptorRow{kL3, 0xDA, 12288},
    CacheDescriptorRow{kL3, 0xDF, 12288},
    CacheDescriptorRow{kL3, 0xEA, 12288},
    CacheDescriptorRow{kL3, 0xE5, 16384},
    CacheDescriptorRow{kL3, 0xE0, 18432},
    CacheDescriptorRow{kL3, 0xEB, 18432},
    CacheDescriptorRow{kL3, 0xE6, 24576},
    CacheDescriptorRow{kL3, 0xEC, 24576},
};

}  // namespace

std::span<const module::CacheDescriptorRow> CacheDescriptorTable() {
    return kRows;
}

}  // namespace sondrel::gen12
