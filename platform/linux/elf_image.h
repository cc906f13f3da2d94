// A structural check of a shared object before the loader maps it: the
// loader trusts the headers and touches every page they name, so a file
// cut short would fault inside it instead of failing.
#pragma once

#include <cstdint>

namespace sondrel::platform::detail {

// True when the open file is a shared object for this machine whose
// program headers, loadable segments and section headers all lie inside
// its `size` bytes.
bool IsCompleteElfImage(int descriptor, std::uint64_t size);

}  // namespace sondrel::platform::detail
