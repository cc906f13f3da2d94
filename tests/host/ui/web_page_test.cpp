// The browser lookup and the command line of the web-page launcher over
// the platform fake's file-type association.
#include <gtest/gtest.h>

#include <map>

#include "sondrel/platform/fake.h"
#include "sondrel/ui/web_page.h"
#include "support/table_language_text.h"

using namespace sondrel;
using namespace sondrel::ui;
namespace fake = sondrel::platform::fake;

namespace {

constexpr const char* kAddress = "https://support.quarn.example/sondrel";

class Settings : public ProgramSettings {
public:
    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override {
        const auto found = values.find(std::string(name));
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second.substr(0, limit);
    }
    std::map<std::string, std::string> values;
};

class WebPage : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::Reset(); }

    static void Register(const std::string& command) {
        fake::SetFileTypeClass(".htm", "browser.document");
        fake::SetOpenCommand("browser.document", command);
    }

    static std::string CommandLine(bool home, std::string_view address, const ProgramSettings* settings) {
        std::string line;
        EXPECT_EQ(BuildWebPageCommandLine(home, address, settings, line), result::kSuccess);
        return line;
    }
};

TEST_F(WebPage, AQuotedPathKeepsItsQuotesAndDropsTheRegisteredArguments) {
    Register("\"/opt/Web Browser/bin/browser\" --new-window %u");
    std::string browser;
    ASSERT_EQ(GetBrowserCommand(browser), result::kSuccess);
    EXPECT_EQ(browser, "/opt/Web Browser/bin/browser");
    EXPECT_EQ(CommandLine(false, kAddress, nullptr),
              "\"/opt/Web Browser/bin/browser\" " + std::string(kAddress));
}

TEST_F(WebPage, AShortPathWithATildeGetsNoOpeningQuote) {
    Register("C:\\PROGRA~1\\Browser\\browser.exe -url %1");
    std::string browser;
    ASSERT_EQ(GetBrowserCommand(browser), result::kSuccess);
    EXPECT_EQ(browser, "C:\\PROGRA~1\\Browser\\browser.exe -url %1");
    EXPECT_EQ(CommandLine(false, kAddress, nullptr),
              "C:\\PROGRA~1\\Browser\\browser.exe -url %1\" " + std::string(kAddress));
    // A tilde in first place is no short path.
    Register("~browser");
    EXPECT_EQ(CommandLine(false, kAddress, nullptr), "\"~browser\" " + std::string(kAddress));
}

TEST_F(WebPage, TheAddressComesFromTheSettingsOrTheBuiltInDefaults) {
    Register("\"/usr/bin/browser\" %u");
    Settings settings;
    EXPECT_EQ(CommandLine(true, "ignored", nullptr), "\"/usr/bin/browser\" " + std::string(kBuiltInHomePage));
    EXPECT_EQ(CommandLine(false, "", &settings),
              "\"/usr/bin/browser\" " + std::string(kBuiltInSupportArticle));
    settings.values = {{"QuarnWebsite", "https://home.example/"}, {"Website", "https://article.example/"}};
    EXPECT_EQ(CommandLine(true, "ignored", &settings), "\"/usr/bin/browser\" https://home.example/");
    EXPECT_EQ(CommandLine(false, "", &settings), "\"/usr/bin/browser\" https://article.example/");
    EXPECT_EQ(CommandLine(false, "https://given.example/", &settings),
              "\"/usr/bin/browser\" https://given.example/");
}

TEST_F(WebPage, NothingUsableRegisteredIs9F) {
    std::string browser = "stale";
    EXPECT_EQ(GetBrowserCommand(browser), result::kDocumentNotOpened);
    EXPECT_EQ(browser, "");
    fake::SetFileTypeClass(".htm", "browser.document");
    EXPECT_EQ(GetBrowserCommand(browser), result::kDocumentNotOpened);
    Register("\"\" --new-window");
    EXPECT_EQ(GetBrowserCommand(browser), result::kDocumentNotOpened);
    Register("\"" + std::string(300, 'b') + "\"");
    EXPECT_EQ(GetBrowserCommand(browser), result::kDocumentNotOpened);
}

TEST_F(WebPage, ACommandLineThatDoesNotFitIsRefusedNotCut) {
    Register("\"/usr/bin/browser\"");
    std::string line = "stale";
    EXPECT_EQ(BuildWebPageCommandLine(false, std::string(250, 'a'), nullptr, line),
              result::kDocumentNotOpened);
    EXPECT_EQ(line, "");
}

TEST_F(WebPage, OpenWebPageStartsTheCommandLineAndReportsFailuresOnce) {
    sondrel::testing::RecordingErrorReporter errors;
    Register("\"/usr/bin/browser\" %u");
    EXPECT_EQ(OpenWebPage(false, kAddress, nullptr, errors), result::kSuccess);
    EXPECT_EQ(fake::StartedCommandLines(),
              std::vector<std::string>{"\"/usr/bin/browser\" " + std::string(kAddress)});
    EXPECT_TRUE(errors.codes.empty());

    // A start that fails is shown, yet the lookup's result is returned.
    fake::FailProcessStart(true);
    EXPECT_EQ(OpenWebPage(true, "", nullptr, errors), result::kSuccess);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kDocumentNotOpened});

    fake::Reset();
    errors.codes.clear();
    EXPECT_EQ(OpenWebPage(true, "", nullptr, errors), result::kDocumentNotOpened);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kDocumentNotOpened});
    EXPECT_TRUE(fake::StartedCommandLines().empty());
}

}  // namespace
