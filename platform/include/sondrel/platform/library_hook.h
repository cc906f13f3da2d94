// A seam for tests of the Linux layer: a function called after a library
// has been checked and before it is loaded, so a test can change the file
// in between as an attacker would.
#pragma once

#include <string>

namespace sondrel::platform::testing {

using AfterVerificationHook = void (*)(const std::string& path);

// Null removes the hook.
void SetAfterVerificationHook(AfterVerificationHook hook);

}  // namespace sondrel::platform::testing
