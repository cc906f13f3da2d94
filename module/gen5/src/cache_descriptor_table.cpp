#include <array>

#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kL1Instruction = 1;
constexpr std::int32_t kL2 = 2;
constexpr std::int32_t kL3 = 3;

// Sizes in kilobytes; 40h means "no cache at this level".
constexpr std::array kDescriptors = {
    CacheDescriptorRow{kL1Data, 0x0A, 8},         CacheDescriptorRow{kL1Data, 0x66, 8},
    CacheDescriptorRow{kL1Data, 0x0C, 16},        CacheDescriptorRow{kL1Data, 0x60, 16},
    CacheDescriptorRow{kL1Data, 0x67, 16},        CacheDescriptorRow{kL1Data, 0x2C, 32},
    CacheDescriptorRow{kL1Data, 0x62, 32},        CacheDescriptorRow{kL1Data, 0x68, 32},
    CacheDescriptorRow{kL1Instruction, 0x06, 8},  CacheDescriptorRow{kL1Instruction, 0x08, 16},
    CacheDescriptorRow{kL1Instruction, 0x30, 32}, CacheDescriptorRow{kL2, 0x39, 128},
    CacheDescriptorRow{kL2, 0x3B, 128},           CacheDescriptorRow{kL2, 0x41, 128},
    CacheDescriptorRow{kL2, 0x79, 128},           CacheDescriptorRow{kL2, 0x3A, 192},
    CacheDescriptorRow{kL2, 0x3C, 256},           CacheDescriptorRow{kL2, 0x42, 256},
    CacheDescriptorRow{kL2, 0x7A, 256},           CacheDescriptorRow{kL2, 0x82, 256},
    CacheDescriptorRow{kL2, 0x3D, 384},           CacheDescriptorRow{kL2, 0x3E, 512},
    CacheDescriptorRow{kL2, 0x43, 512},           CacheDescriptorRow{kL2, 0x7B, 512},
    CacheDescriptorRow{kL2, 0x7F, 512},           CacheDescriptorRow{kL2, 0x83, 512},
    CacheDescriptorRow{kL2, 0x86, 512},           CacheDescriptorRow{kL2, 0x44, 1024},
    CacheDescriptorRow{kL2, 0x78, 1024},          CacheDescriptorRow{kL2, 0x7C, 1024},
    CacheDescriptorRow{kL2, 0x84, 1024},          CacheDescriptorRow{kL2, 0x87, 1024},
    CacheDescriptorRow{kL2, 0x45, 2048},          CacheDescriptorRow{kL2, 0x7D, 2048},
    CacheDescriptorRow{kL2, 0x85, 2048},          CacheDescriptorRow{kL2, 0x40, 0},
    CacheDescriptorRow{kL3, 0x40, 0},
};

}  // namespace

std::span<const CacheDescriptorRow> CacheDescriptorTable() {
    return kDescriptors;
}

}  // namespace sondrel::gen5
