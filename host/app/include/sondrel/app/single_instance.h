// One instance at a time: the lock's name, and how a second start brings
// the running instance's window forward by the title stored in "Name".
#pragma once

#include <cstddef>

#include "sondrel/result_codes.h"

namespace sondrel::app {

inline constexpr const char* kInstanceLockName = "KVT_SONDREL_APP_RUNNING";
inline constexpr const char* kNameSetting = "Name";
// The buffer the "Name" value is read into.
inline constexpr std::size_t kNameSettingLimit = 6000;

// Reads "Name" from the program's settings and asks the running instance
// to bring forward its window of that title. 0x80041F40 when the settings
// key cannot be opened; 0 otherwise, also when "Name" is missing (nothing
// is then asked) or no window has that title.
ResultCode BringRunningInstanceToFront();

}  // namespace sondrel::app
