#include "sondrel/ui/web_page.h"

#include "sondrel/platform/web_browser.h"

namespace sondrel::ui {

namespace {

constexpr const char* kHtmlExtension = ".htm";
constexpr char kQuote = '"';
constexpr char kShortPathMark = '~';

std::string SettingOr(const ProgramSettings* settings, const char* name, const char* fallback) {
    if (settings != nullptr) {
        if (auto value = settings->ReadText(name, kSettingTextLimit)) {
            return std::move(*value);
        }
    }
    return fallback;
}

}  // namespace

ResultCode GetBrowserCommand(std::string& browser) {
    browser.clear();
    const auto documentClass = platform::FileTypeClass(kHtmlExtension);
    if (!documentClass || documentClass->empty() ||
        documentClass->size() >= platform::kAssociationTextLimit) {
        return result::kDocumentNotOpened;
    }
    const auto command = platform::OpenCommand(*documentClass);
    if (!command || command->size() >= platform::kAssociationTextLimit) {
        return result::kDocumentNotOpened;
    }
    std::string_view text(*command);
    if (!text.empty() && text.front() == kQuote) {
        text.remove_prefix(1);
    }
    text = text.substr(0, text.find(kQuote));
    if (text.empty() || text.size() > kBrowserTextLimit) {
        return result::kDocumentNotOpened;
    }
    browser = std::string(text);
    return result::kSuccess;
}

ResultCode BuildWebPageCommandLine(bool home, std::string_view address, const ProgramSettings* settings,
                                   std::string& commandLine) {
    commandLine.clear();
    std::string browser;
    if (GetBrowserCommand(browser) != result::kSuccess) {
        return result::kDocumentNotOpened;
    }
    std::string line;
    const std::size_t mark = browser.find(kShortPathMark);
    if (mark == std::string::npos || mark == 0) {
        line += kQuote;
    }
    line += browser;
    line += "\" ";
    if (home) {
        line += SettingOr(settings, kHomePageSetting, kBuiltInHomePage);
    } else if (!address.empty()) {
        line += address;
    } else {
        line += SettingOr(settings, kSupportArticleSetting, kBuiltInSupportArticle);
    }
    if (line.size() > kCommandLineLimit) {
        return result::kDocumentNotOpened;
    }
    commandLine = std::move(line);
    return result::kSuccess;
}

ResultCode OpenWebPage(bool home, std::string_view address, const ProgramSettings* settings,
                       ErrorReporter& errors) {
    std::string browser;
    const ResultCode lookup = GetBrowserCommand(browser);
    std::string commandLine;
    if (lookup != result::kSuccess ||
        BuildWebPageCommandLine(home, address, settings, commandLine) != result::kSuccess ||
        !platform::StartProcess(commandLine)) {
        errors.ShowErrorBox(result::kDocumentNotOpened);
    }
    return lookup;
}

}  // namespace sondrel::ui
