// Language strings used as formats: only the conversions the caller passes
// are carried out.
#include <gtest/gtest.h>

#include "sondrel/ui/text_format.h"

using sondrel::ui::FormatArgument;
using sondrel::ui::FormatText;

namespace {

struct FormatCase {
    const char* format;
    std::optional<std::string> expected;
};

// Arguments: a text and an integer, as the unexpected-code message gets them.
class TextAndIntegerFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TextAndIntegerFormat, RendersMatchingConversionsAndRejectsTheRest) {
    const auto& [format, expected] = GetParam();
    const auto text =
        FormatText(format, {FormatArgument::Text("5.80"), FormatArgument::Integer(-2147213504)}, 200);
    EXPECT_EQ(text, expected) << format;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TextAndIntegerFormat,
    ::testing::Values(FormatCase{"Version %s, code 0x%08X", "Version 5.80, code 0x80041F40"},
                      FormatCase{"%s: %d 100%%", "5.80: -2147213504 100%"},
                      FormatCase{"[%-6s|%12u]", "[5.80  |  2147753792]"},
                      FormatCase{"%.2s %x", "5. 80041f40"},
                      // Fewer conversions than arguments read nothing that is not there.
                      FormatCase{"Version %s", "Version 5.80"}, FormatCase{"No conversion", "No conversion"},
                      // More conversions than arguments.
                      FormatCase{"%s %X %s", std::nullopt}, FormatCase{"%s %X %d", std::nullopt},
                      // Kinds that do not match.
                      FormatCase{"%d %X", std::nullopt}, FormatCase{"%s %s", std::nullopt},
                      FormatCase{"%s %f", std::nullopt},
                      // Writing through an argument, widths from arguments, length
                      // modifiers, other conversions, overlong fields, a cut-off end.
                      FormatCase{"%s%n", std::nullopt}, FormatCase{"%*s", std::nullopt},
                      FormatCase{"%s %ld", std::nullopt}, FormatCase{"%s %p", std::nullopt},
                      FormatCase{"%c", std::nullopt}, FormatCase{"%1000s", std::nullopt},
                      FormatCase{"%s %.500d", std::nullopt}, FormatCase{"%s %", std::nullopt},
                      // Flags C leaves undefined for the conversion.
                      FormatCase{"%#s %X", std::nullopt}, FormatCase{"%010s %X", std::nullopt},
                      FormatCase{"%s %#d", std::nullopt}, FormatCase{"%-8s|%#010X", "5.80    |0X80041F40"}));

TEST(TextFormat, RealsAndTheResultLimit) {
    EXPECT_EQ(FormatText("%.2f|%.1f", {FormatArgument::Real(2.049999f), FormatArgument::Real(8.0)}, 50),
              "2.05|8.0");
    EXPECT_EQ(FormatText("%s and more", {FormatArgument::Text("abcdef")}, 4), "abcd");
    // A text argument is never read as a C string beyond its end.
    const std::string_view part = std::string_view("abcdef").substr(0, 3);
    EXPECT_EQ(FormatText("<%s>", {FormatArgument::Text(part)}, 50), "<abc>");
}

}  // namespace
