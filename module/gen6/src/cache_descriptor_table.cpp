#include <array>

#include "sondrel/gen6/tables.h"

namespace sondrel::gen6 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kTraceCache = 1;  // thousands of micro-operations
constexpr std::int32_t kL2 = 2;
constexpr std::int32_t kL3 = 3;

// The level-3 bytes 29h and 46h to 4Dh mean different sizes before and
// after model 6; model 5 is not one of this module's processors.
constexpr std::int32_t kLastEarlyModel = 4;
constexpr std::int32_t kLateModel = 6;

constexpr CacheDescriptorRow Early(std::uint8_t descriptor, std::int32_t sizeKB) {
    return {kL3, descriptor, sizeKB, module::kLowestModel, kLastEarlyModel};
}
constexpr CacheDescriptorRow Late(std::uint8_t descriptor, std::int32_t sizeKB) {
    return {kL3, descriptor, sizeKB, kLateModel, kLateModel};
}

constexpr std::array kDescriptors = {
    CacheDescriptorRow{kL1Data, 0x60, 16},
    CacheDescriptorRow{kL1Data, 0x67, 16},
    CacheDescriptorRow{kL1Data, 0x62, 32},
    CacheDescriptorRow{kL1Data, 0x68, 32},
    CacheDescriptorRow{kL1Data, 0x66, 8},
    CacheDescriptorRow{kL1Data, 0x69, 64},
    CacheDescriptorRow{kTraceCache, 0x70, 12},
    CacheDescriptorRow{kTraceCache, 0x71, 16},
    CacheDescriptorRow{kTraceCache, 0x72, 32},
    CacheDescriptorRow{kTraceCache, 0x73, 64},
    CacheDescriptorRow{kL2, 0x39, 128},
    CacheDescriptorRow{kL2, 0x3B, 128},
    CacheDescriptorRow{kL2, 0x41, 128},
    CacheDescriptorRow{kL2, 0x79, 128},
    CacheDescriptorRow{kL2, 0x3A, 192},
    CacheDescriptorRow{kL2, 0x3C, 256},
    CacheDescriptorRow{kL2, 0x42, 256},
    CacheDescriptorRow{kL2, 0x7A, 256},
    CacheDescriptorRow{kL2, 0x82, 256},
    CacheDescriptorRow{kL2, 0x3D, 384},
    CacheDescriptorRow{kL2, 0x3E, 512},
    CacheDescriptorRow{kL2, 0x43, 512},
    CacheDescriptorRow{kL2, 0x7B, 512},
    CacheDescriptorRow{kL2, 0x7F, 512},
    CacheDescriptorRow{kL2, 0x83, 512},
    CacheDescriptorRow{kL2, 0x86, 512},
    CacheDescriptorRow{kL2, 0x44, 1024},
    CacheDescriptorRow{kL2, 0x78, 1024},
    CacheDescriptorRow{kL2, 0x7C, 1024},
    CacheDescriptorRow{kL2, 0x84, 1024},
    CacheDescriptorRow{kL2, 0x87, 1024},
    CacheDescriptorRow{kL2, 0x45, 2048},
    CacheDescriptorRow{kL2, 0x7D, 2048},
    CacheDescriptorRow{kL2, 0x85, 2048},
    CacheDescriptorRow{kL3, 0x22, 512},
    CacheDescriptorRow{kL3, 0x23, 1024},
    CacheDescriptorRow{kL3, 0x25, 2048},
    Early(0x29, 4096),
    Early(0x46, 4096),
    Early(0x4A, 4096),
    Early(0x47, 8192),
    Early(0x4C, 8192),
    Early(0x4B, 6144),
    Late(0x29, 4096),
    Late(0x49, 4096),
    Late(0x4A, 6144),
    Late(0x4B, 8192),
    Late(0x4C, 12288),
    Late(0x4D, 16384),
    CacheDescriptorRow{kL3, 0x40, 0},
};

}  // namespace

std::span<const CacheDescriptorRow> CacheDescriptorTable() {
    return kDescriptors;
}

}  // namespace sondrel::gen6
