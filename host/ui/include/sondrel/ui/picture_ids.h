// Ids of the host's pictures in Glossa.so.
#pragma once

#include <cstdint>

namespace sondrel::ui::picture_id {

inline constexpr std::int32_t kPageBackground = 131;
inline constexpr std::int32_t kMakerLogo = 132;
inline constexpr std::int32_t kSplashBackground = 133;
inline constexpr std::int32_t kAdvisoryMark = 134;
inline constexpr std::int32_t kProgramIcon = 149;

}  // namespace sondrel::ui::picture_id
