// The document handler the user registered for a file type, and starting a
// program from a command line: what the web-page launcher builds on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sondrel::platform {

// Texts of the association are read into buffers of this many bytes.
inline constexpr std::size_t kAssociationTextLimit = 256;

// The document class registered for a file extension such as ".htm";
// empty when none is registered or it cannot be read.
std::optional<std::string> FileTypeClass(std::string_view extension);

// The open command of a document class, as registered: an executable
// (quoted when it is a full path) followed by its arguments. Empty when
// the class has none or it cannot be read.
std::optional<std::string> OpenCommand(std::string_view documentClass);

// Starts the program of a command line: the first word (a double-quoted
// part counts as one word) names the program, the others are its
// arguments. The program runs on its own. False when it could not be started.
bool StartProcess(const std::string& commandLine);

}  // namespace sondrel::platform
