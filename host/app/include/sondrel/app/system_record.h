// The host's record of everything the processor module reported about the
// current processor. Integers are signed 32-bit, frequencies single floats.
#pragma once

#include <cstdint>

#include "sondrel/app/owned_bitmap.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::app {

// Value of an information item or a tri-state feature that was not asked.
inline constexpr std::int32_t kNotAsked = -1;

// Support states.
inline constexpr std::int32_t kNotSupported = 0;
inline constexpr std::int32_t kNotDeterminable = 1;
inline constexpr std::int32_t kSupported = 2;

// Revision states.
inline constexpr std::int32_t kRevisionNotAvailable = 0;
inline constexpr std::int32_t kRevisionUnknown = 1;
inline constexpr std::int32_t kRevisionValid = 2;

// Cache sizes in KB, with two sentinels of the host's own besides the
// module's -1 (unknown) and 0 (none).
inline constexpr std::int32_t kNoCacheInterface = -2;
inline constexpr std::int32_t kCacheLevelAbsent = -3;

// frequencyExcess bits.
inline constexpr std::int32_t kProcessorExcess = 1;
inline constexpr std::int32_t kBusOrLinkExcess = 2;

struct SystemRecord {
    // Identity and signature.
    std::int32_t currentProcessor = 1;
    std::int32_t logicalProcessorCount = 1;
    std::int32_t moduleNumber = 0;  // not reset
    std::int32_t productCode = 0;
    char processorName[kNameBufferSize] = {};
    char packaging[kNameBufferSize] = {};
    char compatibilityGuide[kGuideBufferSize] = {};
    OwnedBitmap logoBitmap;  // deleted at the next reset
    std::int32_t revision = 0;
    std::int32_t revisionState = kRevisionUnknown;
    std::int32_t family = 0;
    std::int32_t cpuType = 0;
    std::int32_t model = 0;
    std::int32_t stepping = 0;
    std::int32_t extendedFamily = 0;
    std::int32_t extendedModel = 0;

    // Information items 1 to 18 (item 15 is never asked).
    std::int32_t item1Flag = kNotAsked;
    std::int32_t item2Flag = kNotAsked;
    std::int32_t item3Flag = kNotAsked;
    std::int32_t item4Flag = kNotAsked;
    std::int32_t item5Flag = kNotAsked;
    std::int32_t item6Flag = kNotAsked;
    std::int32_t item7Flag = kNotAsked;
    std::int32_t item8Flag = kNotAsked;
    std::int32_t item9Flag = kNotAsked;
    std::int32_t item10Flag = kNotAsked;
    std::int32_t twinstrandEnabled = kNotAsked;
    std::int32_t arch64Enabled = kNotAsked;
    std::int32_t item13Flag = kNotAsked;
    std::int32_t eqrtEnabled = kNotAsked;
    std::int32_t virtualizationEnabled = kNotAsked;
    std::int32_t item17Flag = kNotAsked;
    std::int32_t eptEnabled = kNotAsked;

    // Features.
    std::int32_t mmx = 0;
    std::int32_t sse = 0;
    std::int32_t sse2 = 0;
    std::int32_t sse3 = 0;
    std::int32_t sse4 = 0;
    std::int32_t avx = 0;    // not reset
    std::int32_t aesNi = 0;  // not reset
    std::int32_t enhancedHaltState = kNotAsked;
    std::int32_t twinstrandSupport = kNotDeterminable;
    std::int32_t arch64Support = kNotDeterminable;
    std::int32_t virtualizationSupport = kNotDeterminable;
    std::int32_t feature120Support = kNotDeterminable;
    std::int32_t executeDisable = kNotAsked;

    // Caches: sizes in KB with their unit kinds, derived counts, sharing.
    std::int32_t l1DataCacheSize = 0;
    std::int32_t l1DataCacheUnit = 0;
    std::int32_t l1InstructionCacheSize = 0;
    std::int32_t l1InstructionCacheUnit = 0;
    std::int32_t l2CacheSize = 0;
    std::int32_t l2CacheUnit = 0;
    std::int32_t l3CacheSize = kNoCacheInterface;
    std::int32_t l3CacheUnit = 0;
    std::int32_t l1InstructionCount = 0;
    std::int32_t l1DataCount = 0;
    std::int32_t l2Count = 0;
    std::int32_t l3Count = 0;
    std::int32_t l1DataSharing = 1;
    std::int32_t l1InstructionSharing = 1;
    std::int32_t l2Sharing = 1;
    std::int32_t l3Sharing = 1;

    // Frequencies in MHz; the interconnect in MT/s.
    float expectedCpuMHz = 0.0f;
    float expectedBusMHz = 0.0f;
    float reportedCpuMHz = 0.0f;
    float reportedBusMHz = 0.0f;
    float expectedInterconnect = 0.0f;
    float expectedMemoryController = 0.0f;
    float reportedInterconnect = 0.0f;
    float reportedMemoryController = 0.0f;
    std::int32_t frequencyExcess = 0;
    std::int32_t interconnectShown = kNotAsked;

    // Cores and packages.
    std::int32_t coresPerPackage = 1;
    std::int32_t multiCore = 0;
    std::int32_t threadsPerPackage = 0;
    std::int32_t multiCoreEnabled = 1;
    std::int32_t maxCoreCount = 1;
    std::int32_t packageThreadCount = 1;
    std::int32_t maxCoreCount2 = 0;
    std::int32_t packageThreadCount2 = 0;
    std::int32_t packageCount = 1;
    std::int32_t disabledCores = 0;

    // Graphics and power.
    std::int32_t chipsetId = 0;  // not reset
    std::int32_t graphicsCode = 0;
    std::int32_t addInGraphics = 0;
    std::int32_t baseTdpWatts = 0;
};

// The process-wide record that the pages and the report read.
SystemRecord& TheSystemRecord();

// Puts every field to its reset value, empties the texts and deletes a held
// logo bitmap. The fields marked "not reset" keep their values.
void ResetSystemRecord(SystemRecord& record);

}  // namespace sondrel::app
