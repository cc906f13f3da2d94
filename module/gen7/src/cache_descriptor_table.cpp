#include <array>

#include "sondrel/gen7/tables.h"

namespace sondrel::gen7 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kL1Instruction = 1;
constexpr std::int32_t kL2 = 2;
constexpr std::int32_t kL3 = 3;

constexpr std::array kDescriptors = {
    CacheDescriptorRow{kL1Data, 0x0A, 8},         CacheDescriptorRow{kL1Data, 0x66, 8},
    CacheDescriptorRow{kL1Data, 0x0C, 16},        CacheDescriptorRow{kL1Data, 0x60, 16},
    CacheDescriptorRow{kL1Data, 0x67, 16},        CacheDescriptorRow{kL1Data, 0x2C, 32},
    CacheDescriptorRow{kL1Data, 0x62, 32},        CacheDescriptorRow{kL1Data, 0x68, 32},
    CacheDescriptorRow{kL1Data, 0x0E, 24},        CacheDescriptorRow{kL1Instruction, 0x06, 8},
    CacheDescriptorRow{kL1Instruction, 0x08, 16}, CacheDescriptorRow{kL1Instruction, 0x30, 32},
    CacheDescriptorRow{kL2, 0x3F, 256},           CacheDescriptorRow{kL2, 0x40, 0},
    CacheDescriptorRow{kL2, 0x48, 3072},          CacheDescriptorRow{kL2, 0x49, 4096},
    CacheDescriptorRow{kL2, 0x4E, 6144},          CacheDescriptorRow{kL2, 0x78, 1024},
    CacheDescriptorRow{kL2, 0x87, 1024},          CacheDescriptorRow{kL2, 0x7D, 2048},
    CacheDescriptorRow{kL2, 0x7F, 512},           CacheDescriptorRow{kL2, 0x80, 512},
    CacheDescriptorRow{kL2, 0x86, 512},           CacheDescriptorRow{kL3, 0x40, 0},
    CacheDescriptorRow{kL3, 0x47, 8192},          CacheDescriptorRow{kL3, 0x4B, 8192},
    CacheDescriptorRow{kL3, 0x4A, 6144},          CacheDescriptorRow{kL3, 0x4C, 12288},
    CacheDescriptorRow{kL3, 0x4D, 16384},
};

}  // namespace

std::span<const CacheDescriptorRow> CacheDescriptorTable() {
    return kDescriptors;
}

}  // namespace sondrel::gen7
