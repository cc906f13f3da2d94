// The error report box: which text, caption and icon a result code gets.
// The box itself is drawn by the user interface (or printed by programs
// without a window); every user-visible failure of the host goes through it.
#pragma once

#include <string>

#include "sondrel/result_codes.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::ui {

enum class ErrorBoxIcon { kError, kNone };

struct ErrorBoxDescription {
    std::string text;
    std::string caption;
    ErrorBoxIcon icon = ErrorBoxIcon::kError;

    bool operator==(const ErrorBoxDescription&) const = default;
};

// Texts of the boxes shown when the language module cannot serve them.
inline constexpr const char* kErrorTitle = "Quarn(R) Sondrel Error";
inline constexpr const char* kLanguageFileNotLoaded =
    "Cannot load language file!\n\nPlease re-install this utility.";
inline constexpr const char* kResourcesNotFound =
    "Cannot locate required internal resources.\n\nPlease re-install this utility.";

// Limits of the box's texts.
inline constexpr std::size_t kErrorTextLimit = 6000;
inline constexpr std::size_t kErrorCaptionLimit = 199;

// The box for `code`; `language` is null when no language module is loaded.
// A missing string, or a language format that asks for other arguments than
// the version text (and the code), gives the box of missing resources.
ErrorBoxDescription DescribeErrorBox(ResultCode code, const LanguageText* language);

// What shows the boxes: the user interface, or a program's error stream.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void ShowErrorBox(ResultCode code) = 0;
};

}  // namespace sondrel::ui
