// The processor snapshot: everything Initialize reads and derives. The
// member initialisers are the values of a cleared snapshot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "sondrel/module/field_ids.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::module {

inline constexpr int kCacheLevelCount = 4;

// Product codes with a meaning in every generation.
inline constexpr std::int32_t kProductUnclassified = 0;
inline constexpr std::int32_t kProductNotHandled = 4;

// Cache size of a level no descriptor or leaf-4 entry described.
inline constexpr std::int32_t kCacheSizeUnknown = -2;

// A collapsed processor name keeps at most this many characters.
inline constexpr std::size_t kCollapsedNameLimit = 59;

// Register-field values by field id. Ratio fields are held as floats, every
// other field (flags as 0 or 1) as an integer.
struct RegisterFieldSlots {
    std::array<std::int32_t, field_id::kSlotCount> values = InitialValues();
    std::array<float, field_id::kSlotCount> ratios{};
    // Id 1 is stored twice: the first-ratio pair.
    std::array<std::int32_t, 2> firstRatioPair{};

    std::int32_t Value(std::int32_t id) const { return values.at(static_cast<std::size_t>(id)); }
    float Ratio(std::int32_t id) const { return ratios.at(static_cast<std::size_t>(id)); }

private:
    static constexpr std::array<std::int32_t, field_id::kSlotCount> InitialValues() {
        std::array<std::int32_t, field_id::kSlotCount> initial{};
        initial[field_id::kCoreCount] = 1;
        initial[18] = 1;
        initial[20] = 1;
        return initial;
    }
};

// State of the front-side-bus speed model (generations whose bus clock is
// selected by "FSBSel").
struct FrontSideBusState {
    float busClockMHz = 0.0f;  // selected by "FSBSel" when expected values are derived
    float coreRatio = 0.0f;    // the current core-to-bus ratio
    std::int32_t multiCoreSet = 0;
};

struct ProcessorSnapshot {
    // Signature (CPUID leaf 1) and the highest standard leaf (leaf 0).
    std::int32_t family = 0;
    std::int32_t processorType = 0;
    std::int32_t model = 0;
    std::int32_t stepping = 0;
    std::int32_t extendedFamily = 0;
    std::int32_t extendedModel = 0;
    std::uint32_t maxStandardLeaf = 0;

    // Classification.
    std::int32_t productCode = 0;
    std::int32_t brandClass = 0;
    std::int32_t packageCode = -2;
    char packageName[kNameBufferSize] = {};
    std::int32_t infoItemWord = 0;
    std::int32_t nameEstablished = 0;
    std::int32_t mobileFlag = 0;         // slot of register field id 3
    std::int32_t preproductionFlag = 0;  // slot of register field id 7
    std::int32_t revision = 0;
    std::int32_t revisionAvailable = 0;
    char processorName[kNameBufferSize] = {};
    char compatibilityGuide[kGuideBufferSize] = {};

    // CPUID feature flags.
    std::int32_t mmx = 0;
    std::int32_t sse = 0;
    std::int32_t sse2 = 0;
    std::int32_t sse3 = 0;
    std::int32_t sse4 = 0;
    std::int32_t eqrtSupported = 0;
    std::int32_t virtualization = 0;
    std::int32_t aesNi = 0;
    std::int32_t avx = 0;
    std::int32_t arch64 = 0;
    std::int32_t executeDisable = 0;
    std::int32_t thermalSensor = 0;
    std::int32_t twinstrandEnabled = 0;
    // Remembered from leaf 1 for later steps of the CPUID pass.
    std::int32_t multiThreadingCapable = 0;
    std::int32_t leaf1LogicalCount = 0;
    std::int32_t secondThermalMonitor = 0;  // leaf 1 ECX bit 8

    // Topology counts.
    std::int32_t packageCores = 1;
    std::int32_t threadsPerCore = 0;
    std::int32_t maxPackageCores = 0;
    std::int32_t packageThreads = 0;
    std::int32_t systemThreads = 1;
    std::int32_t systemCountC = 1;
    std::int32_t packagesEstimate = 1;
    std::int32_t disabledCores = 0;
    std::int32_t multiCoreEnabled = 1;
    // Cores of a package as the second cache of leaf 4 gives them (1 below leaf 4).
    std::int32_t cacheLeafCores = 1;

    // Caches by level index: L1 data, L1 instruction, L2, L3.
    std::array<std::int32_t, kCacheLevelCount> cacheSizeKB{};
    std::array<std::int32_t, kCacheLevelCount> cacheCount{1, 1, 1, 1};

    // Frequencies and power.
    float expectedCpuMHz = 0.0f;
    float expectedBusMHz = 0.0f;
    float reportedCpuMHz = 0.0f;
    float reportedBusMHz = 0.0f;
    float measuredBusMHz = 0.0f;
    float ratioFrequencyMHz = 0.0f;
    double tdpWatts = 0.0;

    // PCI-derived values.
    std::int32_t pciActiveCores = 1;
    std::int32_t pciDetailsValid = 0;
    std::int32_t chipsetDeviceId = 0;
    std::int32_t graphicsDeviceId = 0;
    float expectedInterconnectMHz = 0.0f;
    float expectedMemoryControllerMHz = 0.0f;
    float reportedInterconnectMHz = 0.0f;
    float reportedMemoryControllerMHz = 0.0f;

    FrontSideBusState frontSideBus;

    RegisterFieldSlots fields;
};

}  // namespace sondrel::module
