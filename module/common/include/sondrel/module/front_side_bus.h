// The speed model of the generations whose bus clock is selected by the
// "FSBSel" register field: the bus-clock table, the current core ratio and
// the bus values derived from them. Pure functions of the snapshot, driven
// by a generation's FrontSideBusModel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/module/snapshot.h"

namespace sondrel::module {

// Register fields of the model, by dispatch id.
namespace fsb_field {
inline constexpr std::int32_t kMaxRatio = 1;  // "Limit", the first-ratio pair
inline constexpr std::int32_t kFsbSel = 6;
inline constexpr std::int32_t kHot = 11;
inline constexpr std::int32_t kTM2Ratio = 12;
inline constexpr std::int32_t kEQRTRatio = 13;
inline constexpr std::int32_t kMaxFSBRatio = 14;
inline constexpr std::int32_t kExtremeEdition = 19;
inline constexpr std::int32_t kMultiCoreEnabled = 20;  // "CMPDisabled" read as value = 0
inline constexpr std::int32_t kHalfRatioCapable = 21;
inline constexpr std::int32_t kHalfRatio = 22;     // "N2Enabled", or "N2EnabledSedge" over it
inline constexpr std::int32_t kMultiCoreSet = 24;  // "CMPSet" read as value = 0
}  // namespace fsb_field

struct BusClockRow {
    std::int32_t fsbSel;
    float busClockMHz;
};

// A model whose bus clock is fixed whatever "FSBSel" says; the bus rules
// then take "FSBSel" as `fsbSelTakenAs`.
struct FixedBusClockRow {
    std::int32_t model;
    float busClockMHz;
    std::int32_t fsbSelTakenAs;
};

// One processor variant whose "FSBSel" value stands for another bus clock
// than the table's: the model, stepping and product code it applies to.
struct VariantBusClockRow {
    std::int32_t model;
    std::int32_t stepping;
    std::int32_t productCode;
    std::int32_t fsbSel;
    float busClockMHz;
};

enum class RatioSource {
    kMaxFsbRatioForProduct,        // "MaxFSBRatio", for one product code
    kSecondThermalMonitorWhenHot,  // "TM2Ratio" while the processor is hot and has the second monitor
    kHalfRatio,                    // "EQRTRatio" (or the maximum ratio) plus half a step, on half-ratio parts
    kLargerOfMaxAndEqrt,           // the larger of the maximum ratio and "EQRTRatio"
    kMaxRatio,                     // the maximum ratio
    kEqrtWhenSet,                  // "EQRTRatio" while it is above 0 (the ratio frequency scaling set)
};

// Ratio selection: the first rule that applies gives the current ratio.
struct RatioRule {
    RatioSource source;
    std::int32_t productCode = 0;  // kMaxFsbRatioForProduct only
};

inline constexpr std::int32_t kNoHalfMegahertz = -1;

struct FrontSideBusModel {
    std::span<const BusClockRow> busClocks;
    std::span<const FixedBusClockRow> fixedBusClocks;
    // Checked before `busClocks`; empty for every generation but one.
    std::span<const VariantBusClockRow> variantBusClocks = {};
    // The "FSBSel" whose bus values gain 0.5 MHz (a 166.6667 MHz clock
    // shows as 667); kNoHalfMegahertz: none.
    std::int32_t halfMegahertzFsbSel = kNoHalfMegahertz;
    std::span<const RatioRule> ratioRules;
    // Register-field slots copied into multiCoreEnabled and the multi-core-set
    // flag after the decision table; 0: not copied.
    std::int32_t multiCoreEnabledField = 0;
    std::int32_t multiCoreSetField = 0;
    // MeasureSpeeds loads one thread per core of the package while it refreshes.
    bool loadWhileRefreshing = false;
};

// "FSBSel" as the bus rules read it (a fixed-clock model's own value).
std::int32_t EffectiveFsbSel(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot);

// The bus clock of the processor; nullopt when "FSBSel" is not in the table.
std::optional<float> BusClock(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot);

// Four times the bus clock, plus 0.5 for the half-megahertz "FSBSel".
float ExpectedBus(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot, float busClockMHz);

// The bus rule: (reportedCpuMHz ÷ coreRatio) × 4 in single precision, plus
// 0.5 for the half-megahertz "FSBSel"; 0 while the ratio is 0 or less.
float ReportedBus(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot);

// The current core ratio by the first rule that applies; 0 when none does.
float SelectCoreRatio(std::span<const RatioRule> rules, const ProcessorSnapshot& snapshot);

// The maximum ratio ("Limit") as a float.
float MaxRatio(const ProcessorSnapshot& snapshot);

// PackageCoreRule::kCacheLeaf: the cores of leaf 4, or the leaf-0Bh count
// on the processors that have it.
std::int32_t CacheLeafPackageCores(const ProcessorSnapshot& snapshot);

// "CoreCount" and "ThreadCount" for a generation that reads neither: the
// package's cores, and the leaf-1 logical count on a multi-threading part
// (never fewer than the cores).
void TakeCountsFromCpuid(ProcessorSnapshot& snapshot);

}  // namespace sondrel::module
