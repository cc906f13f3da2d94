// 32-bit arithmetic of the snapshot with defined wrap-around: processors
// report arbitrary register values, so products and quotients must never
// rely on signed overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace sondrel {

constexpr std::int32_t WrappingMultiply(std::int32_t left, std::int32_t right) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(left) * static_cast<std::uint32_t>(right));
}

constexpr std::int32_t WrappingAdd(std::int32_t left, std::int32_t right) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(left) + static_cast<std::uint32_t>(right));
}

constexpr std::int32_t WrappingSubtract(std::int32_t left, std::int32_t right) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(left) - static_cast<std::uint32_t>(right));
}

// Truncating division; the one overflowing quotient (minimum ÷ −1) wraps.
// The divisor must not be 0.
constexpr std::int32_t WrappingDivide(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == -1) {
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(dividend));
    }
    return dividend / divisor;
}

// Bits low … low + width − 1 of a register, shifted down to bit 0.
constexpr std::uint32_t Bits(std::uint32_t value, unsigned low, unsigned width) {
    const std::uint32_t mask = width >= 32 ? ~0u : ((1u << width) - 1u);
    return (value >> low) & mask;
}

constexpr std::int32_t BitsAsInt(std::uint32_t value, unsigned low, unsigned width) {
    return static_cast<std::int32_t>(Bits(value, low, width));
}

// Truncation toward zero that stays defined for values outside the 32-bit
// range (they saturate) and for NaN (0).
inline std::int32_t SaturatingTruncate(float value) {
    constexpr float kBeyondRange = 2147483648.0f;  // 2^31
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kBeyondRange) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < -kBeyondRange) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace sondrel
