// The main sheet's first step: is this a system the program runs on, with
// room on the program's volume and the rights the system class asks for.
#pragma once

#include <cstdint>
#include <string>

#include "sondrel/platform/os_version.h"
#include "sondrel/result_codes.h"

namespace sondrel::app {

// System classes of the check. 0 to 5 are unsupported; 6 and 8 need the
// disk and the administrator check, 7, 9, 10 and 11 the disk check only.
using OsClass = std::int32_t;

// The least space the program's volume must offer the user.
inline constexpr std::uint64_t kMinimumFreeDiskBytes = 100000;

// Linux onto the system classes, by kernel version and word size:
//   kernel 3.2 or newer (every supported distribution): 10 on a 32-bit
//     system, 11 on a 64-bit one: the disk check only, so a normal user
//     can start the program;
//   kernel 2.6 to 3.1: 6 (32-bit) or 8 (64-bit): disk and administrator;
//   anything older: 5 on a 32-bit system (unsupported), 8 on a 64-bit one.
OsClass ClassifyLinux(const platform::OsVersion& kernel, bool is64BitSystem);

// Runs the check: 0 when the program may start, else the code the error
// box shows (0x80041F5F unsupported system, 0x80041F42 too little disk
// space, 0x80041F54 no administrator rights, 0x80041F40 a failed version
// query or an unknown class). `programDirectory` names the volume checked.
ResultCode CheckEnvironment(const std::string& programDirectory);

// The check for a known class, for the table of classes.
ResultCode CheckEnvironmentOfClass(OsClass osClass, const std::string& programDirectory);

}  // namespace sondrel::app
