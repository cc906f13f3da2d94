// What distinguishes one generation module from another: its tables and
// policies. The framework reads only this; behaviour beyond it is a virtual
// step of CProcessorModule.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sondrel/module/cache_descriptors.h"
#include "sondrel/module/feature_table.h"
#include "sondrel/module/register_dispatch.h"
#include "sondrel/module/register_field_table.h"

namespace sondrel::module {

// Cache size units of GetCacheSize.
inline constexpr std::int32_t kKilobyteUnit = 1;
inline constexpr std::int32_t kThousandMicroOperationsUnit = 3;  // trace caches
inline constexpr std::int32_t kInstructionCacheLevel = 1;

enum class LoadThreadPolicy {
    kOnePerLogicalProcessor,
    kSingleThenWait,  // one thread, then a pause of 1 ms before the snapshot
    kNone,
};

enum class MeasurementSlot {
    kFrequencies,         // processor and bus clock (slot 10)
    kProcessorFrequency,  // processor only (slot 9); the bus output is not written
};

struct NamingRules;
struct InformationRules;

struct ProductCodeRange {
    std::int32_t first;
    std::int32_t last;
};

struct GraphicsCodeRow {
    std::int32_t deviceId;
    std::int32_t code;
    // Only with this base TDP; an identifier whose code depends on it has a
    // row per TDP.
    std::optional<double> requiredTdpWatts{};
};

// Outcomes of the frequency support decision. kDeriveOrClear is Derive for
// a pre-production processor and Clear otherwise; kUnclassified leaves the
// processor with product code 0 (a model the module knows but does not
// classify), kUnsupported with product code 4.
enum class FrequencyOutcome { kDerive, kClear, kDeriveOrClear, kUnsupported, kUnclassified };

// How the module reports the bus frequency beside a measured core frequency.
enum class ReportedBusRule {
    kNominal,  // the generation's nominal bus frequency
    // The measured core frequency divided by the ratio frequency while that
    // is positive; the nominal bus frequency otherwise.
    kCoreOverRatioFrequency,
};

// When the Derive outcome reconciles measured with expected values.
enum class ReconcileRule {
    kAlways,
    kWhilePreproduction,  // only while preproductionFlag is 1
};

// A signature by extended model and model nibble.
struct ModelSignature {
    std::int32_t extendedModel;
    std::int32_t model;
};

// The PCI reads that give the active cores of a package. A processor of
// `probeFamily` with one of `probeSignatures` first makes a read whose
// value is not used; a product code of `processorDeviceProductCodes` on
// `processorDeviceSignature` reads the processor device; any other
// processor whose extended model is listed reads the host bridge.
struct ActiveCoreReads {
    std::int32_t probeFamily;
    std::span<const ModelSignature> probeSignatures;
    std::span<const std::int32_t> processorDeviceProductCodes;
    ModelSignature processorDeviceSignature;
    std::span<const std::int32_t> hostBridgeExtendedModels;
};

// The reads Cpumod12 makes; the default of every generation.
const ActiveCoreReads& StandardActiveCoreReads();

// Matches every extended model in a decision row.
inline constexpr std::int32_t kAnyExtendedModel = -1;

// How the CPUID pass counts the cores of a package.
enum class PackageCoreRule {
    kTopologyLeaf,  // leaf 0Bh, 1 below it
    // The second cache of leaf 4, or leaf 0Bh sub-leaf 1 on the family-6
    // processors of extended model 1 past model 7 that have leaf 0Bh.
    kCacheLeaf,
};

// One row of a frequency support decision table; the first row that
// matches decides, and a processor no row matches is unsupported.
struct FrequencyDecisionRow {
    std::int32_t extendedModel;  // kAnyExtendedModel: every one
    std::int32_t model;
    std::int32_t lowestStepping;
    std::int32_t highestStepping;
    std::span<const ProductCodeRange> productCodes;  // empty: every product code
    FrequencyOutcome outcome;
};

struct GenerationDescription {
    std::int32_t moduleNumber;  // n of Cpumod<n>, which also names the language file
    // The only processor family the CPUID pass accepts (0x80041F57 for any
    // other). The generations of family 15 set it to 15.
    std::int32_t requiredFamily = 6;
    // Interface ids beyond 1000 and 4000 that the module answers.
    std::span<const std::int32_t> interfaces;
    std::span<const RegisterFieldRow> registerFields;
    // Dispatch rows that replace or add to the shared ones, and the
    // "Production" value of a production part (kProductionFlag rows).
    std::span<const DispatchRow> dispatchOverrides;
    ProductionValueRule productionValue = nullptr;
    PackageCoreRule packageCores = PackageCoreRule::kTopologyLeaf;
    // A generation without "CoreCount" and "ThreadCount" fields takes both
    // from CPUID at the end of every register pass.
    bool countsFromCpuid = false;
    LoadThreadPolicy loadThreads = LoadThreadPolicy::kOnePerLogicalProcessor;
    MeasurementSlot measurementSlot = MeasurementSlot::kFrequencies;
    std::int32_t measurementMode = 0;
    // A measured core frequency that is not a finite number above 0 is
    // kept as 0 (not measured) instead of being reported.
    bool discardInvalidMeasurements = false;
    std::span<const FeatureRow> features;
    // Product codes whose register pass ends with the mobile rule.
    std::span<const ProductCodeRange> mobileRuleProductCodes;
    // Graphics device ids and their codes (GetGraphicsCode).
    std::span<const GraphicsCodeRow> graphicsCodes;
    // Unit of level 1, a trace cache in some generations.
    std::int32_t instructionCacheUnit = kKilobyteUnit;
    float nominalBusMHz = 100.0f;
    ReportedBusRule reportedBus = ReportedBusRule::kNominal;
    TdpRule tdpRule;
    // Model nibbles that reach the frequency support decision and the
    // disabled-core count; among them, the extended models the decision
    // knows. Any other processor is not handled by the module.
    std::span<const std::int32_t> decisionModels;
    std::span<const std::int32_t> decisionExtendedModels;
    // Leaf-2 descriptor bytes by level.
    std::span<const CacheDescriptorRow> cacheDescriptors;
    std::span<const FrequencyDecisionRow> frequencyDecisions;
    // The bus frequency a processor is rated for when it gets expected values.
    float expectedBusMHz = 100.0f;
    // Product codes whose disabled cores are counted against the active
    // cores read from PCI configuration space.
    std::span<const ProductCodeRange> pciActiveCoreProductCodes;
    ReconcileRule reconcile = ReconcileRule::kAlways;
    // null: StandardActiveCoreReads().
    const ActiveCoreReads* activeCoreReads = nullptr;
    // Brand-string analysis and naming (naming_rules.h), and the package,
    // logo and information-item tables (information_rules.h); null: none.
    const NamingRules* naming = nullptr;
    const InformationRules* information = nullptr;
};

bool InRanges(std::span<const ProductCodeRange> ranges, std::int32_t productCode);
bool Contains(std::span<const std::int32_t> values, std::int32_t value);

}  // namespace sondrel::module
