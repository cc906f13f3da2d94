#include "sondrel/module/front_side_bus.h"

#include <algorithm>

namespace sondrel::module {

namespace {

constexpr float kBusTransfersPerClock = 4.0f;
constexpr float kHalfMegahertz = 0.5f;
constexpr float kHalfStep = 0.5f;
constexpr std::int32_t kFamily6 = 6;
// Extended model 1 past model 7 (or model 7 past stepping 12) reads the
// package's cores from leaf 0Bh when the processor has it.
constexpr std::int32_t kTopologyExtendedModel = 1;
constexpr std::int32_t kTopologyModel = 7;
constexpr std::int32_t kTopologyStepping = 12;
constexpr std::uint32_t kTopologyLeaf = 0xB;

const FixedBusClockRow* FindFixedClock(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot) {
    const auto row =
        std::find_if(model.fixedBusClocks.begin(), model.fixedBusClocks.end(),
                     [&snapshot](const FixedBusClockRow& fixed) { return fixed.model == snapshot.model; });
    return row == model.fixedBusClocks.end() ? nullptr : &*row;
}

bool HalfMegahertz(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot) {
    return model.halfMegahertzFsbSel != kNoHalfMegahertz &&
           EffectiveFsbSel(model, snapshot) == model.halfMegahertzFsbSel;
}

std::optional<float> RatioFrom(const RatioRule& rule, const ProcessorSnapshot& s) {
    const RegisterFieldSlots& fields = s.fields;
    switch (rule.source) {
        case RatioSource::kMaxFsbRatioForProduct:
            if (s.productCode == rule.productCode) {
                return fields.Ratio(fsb_field::kMaxFSBRatio);
            }
            return std::nullopt;
        case RatioSource::kSecondThermalMonitorWhenHot:
            if (s.secondThermalMonitor != 0 && fields.Value(fsb_field::kHot) == 1) {
                return fields.Ratio(fsb_field::kTM2Ratio);
            }
            return std::nullopt;
        case RatioSource::kHalfRatio: {
            if (fields.Value(fsb_field::kHalfRatioCapable) != 1) {
                return std::nullopt;
            }
            const float eqrt = fields.Ratio(fsb_field::kEQRTRatio);
            const float half = kHalfStep * static_cast<float>(fields.Value(fsb_field::kHalfRatio));
            return (eqrt > 0.0f ? eqrt : MaxRatio(s)) + half;
        }
        case RatioSource::kLargerOfMaxAndEqrt:
            return std::max(MaxRatio(s), fields.Ratio(fsb_field::kEQRTRatio));
        case RatioSource::kMaxRatio:
            return MaxRatio(s);
        case RatioSource::kEqrtWhenSet: {
            const float eqrt = fields.Ratio(fsb_field::kEQRTRatio);
            return eqrt > 0.0f ? std::optional(eqrt) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::int32_t EffectiveFsbSel(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot) {
    const FixedBusClockRow* fixed = FindFixedClock(model, snapshot);
    return fixed != nullptr ? fixed->fsbSelTakenAs : snapshot.fields.Value(fsb_field::kFsbSel);
}

std::optional<float> BusClock(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot) {
    if (const FixedBusClockRow* fixed = FindFixedClock(model, snapshot)) {
        return fixed->busClockMHz;
    }
    const std::int32_t fsbSel = snapshot.fields.Value(fsb_field::kFsbSel);
    const auto variant = std::find_if(
        model.variantBusClocks.begin(), model.variantBusClocks.end(), [&](const VariantBusClockRow& v) {
            return v.model == snapshot.model && v.stepping == snapshot.stepping &&
                   v.productCode == snapshot.productCode && v.fsbSel == fsbSel;
        });
    if (variant != model.variantBusClocks.end()) {
        return variant->busClockMHz;
    }
    const auto row = std::find_if(model.busClocks.begin(), model.busClocks.end(),
                                  [fsbSel](const BusClockRow& clock) { return clock.fsbSel == fsbSel; });
    return row == model.busClocks.end() ? std::nullopt : std::optional(row->busClockMHz);
}

float ExpectedBus(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot, float busClockMHz) {
    const float bus = kBusTransfersPerClock * busClockMHz;
    return HalfMegahertz(model, snapshot) ? bus + kHalfMegahertz : bus;
}

float ReportedBus(const FrontSideBusModel& model, const ProcessorSnapshot& snapshot) {
    const float ratio = snapshot.frontSideBus.coreRatio;
    if (!(ratio > 0.0f)) {
        return 0.0f;
    }
    const float quotient = snapshot.reportedCpuMHz / ratio;
    const float bus = quotient * kBusTransfersPerClock;
    return HalfMegahertz(model, snapshot) ? bus + kHalfMegahertz : bus;
}

float SelectCoreRatio(std::span<const RatioRule> rules, const ProcessorSnapshot& snapshot) {
    for (const RatioRule& rule : rules) {
        if (const auto ratio = RatioFrom(rule, snapshot)) {
            return *ratio;
        }
    }
    return 0.0f;
}

float MaxRatio(const ProcessorSnapshot& snapshot) {
    return static_cast<float>(snapshot.fields.firstRatioPair[0]);
}

std::int32_t CacheLeafPackageCores(const ProcessorSnapshot& s) {
    const bool laterModel =
        s.model > kTopologyModel || (s.model == kTopologyModel && s.stepping > kTopologyStepping);
    if (s.family == kFamily6 && s.extendedModel == kTopologyExtendedModel && laterModel &&
        s.maxStandardLeaf >= kTopologyLeaf) {
        // The pass has just read leaf 0Bh sub-leaf 1 into packageThreads.
        return s.packageThreads;
    }
    return s.cacheLeafCores;
}

void TakeCountsFromCpuid(ProcessorSnapshot& s) {
    const std::int32_t cores = s.packageCores;
    const std::int32_t logical = s.multiThreadingCapable != 0 ? s.leaf1LogicalCount : 0;
    s.fields.values[field_id::kCoreCount] = cores;
    s.fields.values[field_id::kThreadCount] = std::max(cores, logical);
}

}  // namespace sondrel::module
