// The trust manifest that the build and the install write beside the
// companion libraries: one "<sha256 hex>  <name>" line per library.
#pragma once

#include <optional>
#include <string>

namespace sondrel::platform::detail {

// The digest the manifest beside `path` records for the file's name.
std::optional<std::string> RecordedDigest(const std::string& path);

// SHA-256 of everything the open file `descriptor` holds, in lower-case
// hexadecimal, read from offset 0; `*bytes` receives how many were read.
std::optional<std::string> DescriptorDigest(int descriptor, std::uint64_t* bytes);

}  // namespace sondrel::platform::detail
