// Failures inside a dialog's steps: a step throws the result code, the
// dialog's handler catches it at the step's boundary.
#pragma once

#include <optional>
#include <string>

#include "sondrel/result_codes.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

struct DialogFailure {
    ResultCode code;
};

// The string, or a DialogFailure of 0x80041F66 when it is missing.
std::string RequireString(const LanguageText& language, std::int32_t id, std::size_t limit);

}  // namespace sondrel::ui
