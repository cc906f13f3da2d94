// A generation's register-field table: one row per field, in list order.
#pragma once

#include <cstdint>

namespace sondrel::module {

enum class FieldCondition {
    kAlways,
    kWithVirtualization,        // only when CPUID reports virtualization support
    kWithSecondThermalMonitor,  // only with the second thermal monitor (leaf 1 ECX bit 8)
    kWithFrequencyScaling,      // only with frequency scaling (leaf 1 ECX bit 7)
};

// The CPUID features the conditions of a table are judged by.
struct FieldConditionFlags {
    bool virtualization = false;
    bool secondThermalMonitor = false;
    bool frequencyScaling = false;
};

bool Holds(FieldCondition condition, const FieldConditionFlags& flags);

struct RegisterFieldRow {
    std::int32_t fieldId;
    const char* name;
    std::uint32_t msr;
    std::int32_t lowBit;
    std::int32_t width;
    FieldCondition condition = FieldCondition::kAlways;
};

}  // namespace sondrel::module
