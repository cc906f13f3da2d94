// A generation's register-field table: one row per field, in list order.
#pragma once

#include <cstdint>

namespace sondrel::module {

enum class FieldCondition {
    kAlways,
    kWithVirtualization,  // only when CPUID reports virtualization support
};

struct RegisterFieldRow {
    std::int32_t fieldId;
    const char* name;
    std::uint32_t msr;
    std::int32_t lowBit;
    std::int32_t width;
    FieldCondition condition = FieldCondition::kAlways;
};

}  // namespace sondrel::module
