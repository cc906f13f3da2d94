// Ids the program and its main sheet read from Glossa.so: the menu, its
// texts, the window-menu About text, the program icon and the templates of
// the dialogs the program opens.
#pragma once

#include <cstdint>

namespace sondrel::ui::sheet_id {

inline constexpr std::int32_t kMainMenu = 127;
inline constexpr std::int32_t kProgramIcon = 149;

// The About item of the window menu; empty adds nothing.
inline constexpr std::int32_t kWindowMenuAbout = 101;
// Processor menu entries: this text followed by the processor's number.
inline constexpr std::int32_t kProcessorEntry = 424;
inline constexpr std::size_t kMenuTextLimit = 49;

// Dialog templates.
inline constexpr std::int32_t kAboutTemplate = 100;
inline constexpr std::int32_t kAgreementTemplate = 128;
inline constexpr std::int32_t kSplashTemplate = 142;

}  // namespace sondrel::ui::sheet_id
