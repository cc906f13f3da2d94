// The options of sondrel-report.
#include <gtest/gtest.h>

#include <vector>

#include "options.h"

using sondrel::report::ParseCommandLine;

namespace {

sondrel::report::ParsedOptions Parse(std::vector<const char*> arguments) {
    return ParseCommandLine(arguments);
}

TEST(ReportOptions, TheUsualSpellings) {
    auto parsed = Parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->processor, 1);
    EXPECT_FALSE(parsed.options->output);
    EXPECT_FALSE(parsed.options->help);

    for (const auto& arguments :
         std::vector<std::vector<const char*>>{{"--processor", "3", "--output", "r.txt"},
                                               {"--processor=3", "--output=r.txt"},
                                               {"-p", "3", "-o", "r.txt"}}) {
        parsed = Parse(arguments);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->processor, 3);
        EXPECT_EQ(parsed.options->output, "r.txt");
    }
    EXPECT_EQ(Parse({}).options->format, sondrel::report::ReportFormat::kText);
    for (const auto& arguments :
         std::vector<std::vector<const char*>>{{"--format", "json"}, {"--format=json"}}) {
        parsed = Parse(arguments);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->format, sondrel::report::ReportFormat::kJson);
    }
    EXPECT_EQ(Parse({"--format=json", "--format", "text"}).options->format,
              sondrel::report::ReportFormat::kText);
    parsed = Parse({"-h"});
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->help);
}

TEST(ReportOptions, WrongLinesSayWhatIsWrong) {
    struct Case {
        std::vector<const char*> arguments;
        const char* error;
    };
    for (const Case& wrong : {
             Case{{"--processor"}, "option --processor needs a processor number"},
             Case{{"--processor", "0"},
                  "invalid processor number '0': a processor number is a whole number from 1 on"},
             Case{{"--processor", "-1"},
                  "invalid processor number '-1': a processor number is a whole number from 1 on"},
             Case{{"--processor=2x"},
                  "invalid processor number '2x': a processor number is a whole number from 1 on"},
             Case{{"--processor", "99999999999"},
                  "invalid processor number '99999999999': a processor number is a whole number from 1 on"},
             Case{{"--output"}, "option --output needs a file name"},
             Case{{"--output="}, "option --output needs a file name"},
             Case{{"--format"}, "option --format needs a format: text or json"},
             Case{{"--format", "JSON"}, "invalid report format 'JSON': the formats are text and json"},
             Case{{"--format="}, "invalid report format '': the formats are text and json"},
             Case{{"-f", "json"}, "unknown argument '-f'"},
             Case{{"--processors", "2"}, "unknown argument '--processors'"},
             Case{{"report.txt", "10"}, "unknown argument 'report.txt'"},
         }) {
        const auto parsed = Parse(wrong.arguments);
        EXPECT_FALSE(parsed.options) << wrong.arguments[0];
        EXPECT_EQ(parsed.error, wrong.error);
    }
}

}  // namespace
