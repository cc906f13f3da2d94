// The error box's text, caption and icon for every code of its table and
// the two fallback boxes.
#include <gtest/gtest.h>

#include "sondrel/ui/error_box.h"
#include "support/table_language_text.h"

using namespace sondrel;
using namespace sondrel::ui;
using sondrel::testing::TableLanguageText;

namespace {

// Every string the box can use, each text naming its id.
TableLanguageText ErrorStrings() {
    TableLanguageText language;
    for (const std::int32_t id :
         {115, 116, 117, 122, 143, 169, 178, 186, 188, 190, 192, 195, 303, 334, 374, 375}) {
        language.Set(id, "<" + std::to_string(id) + ">");
    }
    language.Set(102, "Sondrel %s");
    language.Set(123, "Sondrel %s stopped with code 0x%08X.");
    language.Set(176, "Sondrel notice");
    return language;
}

struct BoxCase {
    std::uint32_t code;
    const char* text;
    bool notice;  // caption 176 and no icon
};

class ErrorBoxTable : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ErrorBoxTable, ChoosesTextCaptionAndIcon) {
    const TableLanguageText language = ErrorStrings();
    const auto& [code, text, notice] = GetParam();
    const ErrorBoxDescription box = DescribeErrorBox(static_cast<ResultCode>(code), &language);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, notice ? "Sondrel notice" : "Sondrel 5.80");
    EXPECT_EQ(box.icon, notice ? ErrorBoxIcon::kNone : ErrorBoxIcon::kError);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorBoxTable,
    ::testing::Values(BoxCase{0x80041F41, "<374>", false}, BoxCase{0x80041F42, "<195>", false},
                      BoxCase{0x80041F43, "<143>", false}, BoxCase{0x80041F44, "<186>", false},
                      BoxCase{0x80041F66, "<186>", false}, BoxCase{0x80041F4C, "<190>", false},
                      BoxCase{0x80041F4D, "<192>", false}, BoxCase{0x80041F52, "<117>", true},
                      BoxCase{0x80041F5D, "<117>", true}, BoxCase{0x80041F54, "<178>", false},
                      BoxCase{0x80041F55, "<116><115>", true}, BoxCase{0x80041F5E, "<117><122>", true},
                      BoxCase{0x80041F5F, "<303>", false}, BoxCase{0x80041F9F, "<169>", false},
                      BoxCase{0x80041FA4, "<188>", false}, BoxCase{0x80041FA9, "<375>", false},
                      BoxCase{0x80041FAE, "<375>", false}, BoxCase{0x80041FB5, "<334>", false},
                      // Any other code: string 123 with the version and the code.
                      BoxCase{0x80041F40, "Sondrel 5.80 stopped with code 0x80041F40.", false},
                      BoxCase{0x80004005, "Sondrel 5.80 stopped with code 0x80004005.", false}));

TEST(ErrorBox, WithoutALanguageModuleTheFixedEnglishBox) {
    const ErrorBoxDescription box = DescribeErrorBox(result::kProcessorNotPresent, nullptr);
    EXPECT_EQ(box.text, "Cannot load language file!\n\nPlease re-install this utility.");
    EXPECT_EQ(box.caption, "Quarn(R) Sondrel Error");
    EXPECT_EQ(box.icon, ErrorBoxIcon::kError);
}

TEST(ErrorBox, MissingStringsOrUnsafeFormatsGiveTheResourcesBox) {
    const ErrorBoxDescription resources{
        "Cannot locate required internal resources.\n\nPlease re-install this utility.",
        "Quarn(R) Sondrel Error", ErrorBoxIcon::kError};
    struct Damage {
        std::int32_t id;
        std::optional<std::string> text;  // nullopt: the string is missing
        ResultCode code;
    };
    for (const Damage& damage : {Damage{115, std::nullopt, result::kProcessorNotPresent},
                                 Damage{176, std::nullopt, result::kProcessorNotIdentified},
                                 Damage{102, std::nullopt, result::kReportReadOnly},
                                 Damage{123, std::nullopt, result::kUnexpectedFailure},
                                 // Formats that would read or write arguments never passed.
                                 Damage{102, "Sondrel %s%n", result::kReportReadOnly},
                                 Damage{102, "Sondrel %s %s", result::kReportReadOnly},
                                 Damage{123, "%s %X %s", result::kUnexpectedFailure},
                                 Damage{123, "%d %s", result::kUnexpectedFailure}}) {
        TableLanguageText language = ErrorStrings();
        if (damage.text) {
            language.Set(damage.id, *damage.text);
        } else {
            language.Remove(damage.id);
        }
        EXPECT_EQ(DescribeErrorBox(damage.code, &language), resources) << "string " << damage.id;
    }
}

TEST(ErrorBox, TextsAreCutToTheBoxesLimits) {
    TableLanguageText language = ErrorStrings();
    language.Set(102, std::string(300, 'c') + "%s");
    language.Set(116, std::string(5000, 'a'));
    language.Set(115, std::string(5000, 'b'));
    const ErrorBoxDescription box = DescribeErrorBox(result::kProcessorNotPresent, &language);
    EXPECT_EQ(box.text.size(), kErrorTextLimit);
    EXPECT_EQ(DescribeErrorBox(result::kReportReadOnly, &language).caption.size(), kErrorCaptionLimit);
}

}  // namespace
