// Command ids of the main sheet's menus and window messages.
#pragma once

#include <cstdint>

namespace sondrel::app::command_id {
inline constexpr std::int32_t kExit = 32771;
inline constexpr std::int32_t kViewFrequencyPage = 32776;
inline constexpr std::int32_t kViewTechnologiesPage = 32778;
inline constexpr std::int32_t kViewCpuidPage = 32779;
inline constexpr std::int32_t kHelpContents = 32780;
inline constexpr std::int32_t kAbout = 32820;
inline constexpr std::int32_t kSaveReport = 32821;
// Processor n is selected by kSelectProcessorBase + n, for n = 1 to 32.
inline constexpr std::int32_t kSelectProcessorBase = 32822;
inline constexpr std::int32_t kSelectFirstProcessor = 32823;
inline constexpr std::int32_t kSelectLastProcessor = 32854;
inline constexpr std::int32_t kOpenWebPage = 32856;
// System-menu command and window message.
inline constexpr std::int32_t kSystemAbout = 16;
inline constexpr std::int32_t kEndSheetMessage = 0x464;
}  // namespace sondrel::app::command_id
