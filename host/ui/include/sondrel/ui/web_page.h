// Opening a web page in the user's default browser: the browser comes from
// the open command registered for HTML documents, the address from the
// caller or the program's settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sondrel/result_codes.h"
#include "sondrel/ui/error_box.h"

namespace sondrel::ui {

// Addresses used when the program's settings cannot be read.
inline constexpr const char* kBuiltInHomePage = "https://www.quarn.example/";
inline constexpr const char* kBuiltInSupportArticle = "https://support.quarn.example/sondrel/freshness";

// Names of the settings that hold the two addresses.
inline constexpr const char* kHomePageSetting = "QuarnWebsite";
inline constexpr const char* kSupportArticleSetting = "Website";
inline constexpr std::size_t kSettingTextLimit = 99;

inline constexpr std::size_t kBrowserTextLimit = 255;
// The longest command line that is started; a longer one is refused rather
// than cut, since a cut address could lead anywhere.
inline constexpr std::size_t kCommandLineLimit = 259;

// The program's stored settings (the values of its key).
class ProgramSettings {
public:
    virtual ~ProgramSettings() = default;
    // Nullopt when the key cannot be opened with full access or the value
    // cannot be read.
    virtual std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const = 0;
};

// The browser's executable from the open command registered for ".htm"
// documents: a leading double quote is skipped and the text ends before
// the next double quote. Returns 0, or 0x80041F9F when nothing usable is
// registered (`browser` is then empty).
ResultCode GetBrowserCommand(std::string& browser);

// The command line that opens the page: the browser (in double quotes
// unless it is a short path with a tilde), a space and the address; the
// registered arguments are dropped. With `home` the maker's home page from
// the settings, else `address`, or the support article from the settings
// when `address` is empty. `settings` may be null: the built-in addresses
// serve. Returns 0 or 0x80041F9F.
ResultCode BuildWebPageCommandLine(bool home, std::string_view address, const ProgramSettings* settings,
                                   std::string& commandLine);

// Builds the command line and starts it. Any failure shows the error box
// for 0x80041F9F. Returns the browser lookup's result: 0 when it succeeded,
// even when the start failed afterwards.
ResultCode OpenWebPage(bool home, std::string_view address, const ProgramSettings* settings,
                       ErrorReporter& errors);

}  // namespace sondrel::ui
