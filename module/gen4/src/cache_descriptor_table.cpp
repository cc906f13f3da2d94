#include <array>

#include "sondrel/gen4/tables.h"

namespace sondrel::gen4 {

namespace {

using module::CacheDescriptorRow;

constexpr std::int32_t kL1Data = 0;
constexpr std::int32_t kTraceCache = 1;  // thousands of micro-operations
constexpr std::int32_t kL2 = 2;
constexpr std::int32_t kL3 = 3;

constexpr std::array kDescriptors = {
    CacheDescriptorRow{kL1Data, 0x66, 8},      CacheDescriptorRow{kL1Data, 0x67, 16},
    CacheDescriptorRow{kL1Data, 0x68, 32},     CacheDescriptorRow{kTraceCache, 0x70, 12},
    CacheDescriptorRow{kTraceCache, 0x71, 16}, CacheDescriptorRow{kTraceCache, 0x72, 32},
    CacheDescriptorRow{kL2, 0x39, 128},        CacheDescriptorRow{kL2, 0x3B, 128},
    CacheDescriptorRow{kL2, 0x79, 128},        CacheDescriptorRow{kL2, 0x3A, 192},
    CacheDescriptorRow{kL2, 0x3C, 256},        CacheDescriptorRow{kL2, 0x7A, 256},
    CacheDescriptorRow{kL2, 0x3D, 384},        CacheDescriptorRow{kL2, 0x3E, 512},
    CacheDescriptorRow{kL2, 0x7B, 512},        CacheDescriptorRow{kL2, 0x7C, 1024},
    CacheDescriptorRow{kL3, 0x22, 512},        CacheDescriptorRow{kL3, 0x23, 1024},
    CacheDescriptorRow{kL3, 0x25, 2048},       CacheDescriptorRow{kL3, 0x29, 4096},
    CacheDescriptorRow{kL3, 0x40, 0},
};

}  // namespace

std::span<const CacheDescriptorRow> CacheDescriptorTable() {
    return kDescriptors;
}

}  // namespace sondrel::gen4
