// Glossa.so holds every string the host reads, in the form its users need,
// menu 127 and the host's pictures.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sondrel/language/resource_reader.h"
#include "sondrel/ui/language_text.h"
#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/text_format.h"
#include "sondrel/ui/version.h"

namespace sondrel::language {
namespace {

using ui::FormatArgument;
using ui::FormatText;

// Every string id the host reads, as first and last of a run.
constexpr std::pair<std::int32_t, std::int32_t> kHostStrings[] = {
    {101, 112}, {114, 117}, {119, 123}, {126, 131}, {133, 133}, {141, 141}, {143, 143}, {146, 146},
    {151, 151}, {154, 156}, {167, 171}, {176, 178}, {180, 180}, {182, 182}, {186, 193}, {195, 207},
    {210, 210}, {212, 212}, {214, 214}, {216, 216}, {218, 218}, {220, 220}, {226, 226}, {228, 228},
    {230, 230}, {232, 232}, {238, 238}, {263, 264}, {276, 276}, {278, 278}, {280, 287}, {290, 290},
    {293, 298}, {300, 334}, {337, 337}, {339, 339}, {343, 343}, {345, 345}, {347, 347}, {350, 350},
    {354, 358}, {361, 378}, {380, 383}, {387, 390}, {392, 392}, {395, 396}, {398, 399}, {401, 403},
    {408, 408}, {410, 412}, {415, 417}, {420, 420}, {424, 439}, {441, 443}, {446, 450}, {453, 458},
    {460, 466}, {468, 468}, {470, 470}, {472, 474}, {476, 476}, {478, 496}, {499, 501}, {1266, 1267}};

// The strings used as formats and the arguments their users pass.
constexpr std::int32_t kFreshnessFormat = 204;
constexpr std::int32_t kProgramName = 278;
constexpr std::int32_t kFirstAgreementPart = 304;
constexpr std::int32_t kLastAgreementPart = 333;
constexpr std::size_t kAgreementEndLength = 3;

constexpr std::size_t kLimit = 6000;

class GlossaTest : public ::testing::Test {
protected:
    void SetUp() override {
        opened = OpenLanguageModule("Glossa.so");
        ASSERT_EQ(opened.status, result::kSuccess);
    }
    void TearDown() override { platform::UnloadLibrary(opened.library); }

    std::string Text(std::int32_t id) const {
        return ResourceReader(opened.library).String(id, kLimit).value_or("?");
    }

    OpenedLanguageModule opened;
};

TEST_F(GlossaTest, HoldsEveryStringTheHostReadsAndOnlyTheFormatsCarryConversions) {
    const ResourceReader reader(opened.library);
    for (const auto& [first, last] : kHostStrings) {
        for (std::int32_t id = first; id <= last; ++id) {
            const auto text = reader.String(id, kLimit);
            ASSERT_TRUE(text.has_value()) << "string " << id;
            const bool format = id == ui::string_id::kVersionedCaption ||
                                id == ui::string_id::kUnexpectedCodeFormat || id == kFreshnessFormat;
            if (!format) {
                EXPECT_EQ(text->find('%'), std::string::npos) << "string " << id << ": " << *text;
            }
        }
    }
}

TEST_F(GlossaTest, FormatsTakeExactlyTheArgumentsTheirUsersPass) {
    const auto caption =
        FormatText(Text(ui::string_id::kVersionedCaption), {FormatArgument::Text(ui::kVersionText)}, kLimit);
    ASSERT_TRUE(caption.has_value());
    // The running instance is found by the main window's title.
    EXPECT_EQ(*caption, Text(ui::string_id::kMainWindowTitle));
    const auto message = FormatText(
        Text(ui::string_id::kUnexpectedCodeFormat),
        {FormatArgument::Text(ui::kVersionText), FormatArgument::Integer(result::kUnexpectedFailure)},
        kLimit);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("5.80"), std::string::npos);
    EXPECT_NE(message->find("80041F40"), std::string::npos);
    const auto freshness =
        FormatText(Text(kFreshnessFormat), {FormatArgument::Text(Text(kProgramName))}, kLimit);
    ASSERT_TRUE(freshness.has_value());
    EXPECT_NE(freshness->find(Text(kProgramName)), std::string::npos);
}

TEST_F(GlossaTest, FixedFormsOfAnswersUnitsAndAddresses) {
    EXPECT_EQ(Text(155), "Yes");
    EXPECT_EQ(Text(156), "No");
    EXPECT_EQ(Text(ui::string_id::kMegahertz), "MHz");
    EXPECT_EQ(Text(ui::string_id::kGigahertz), "GHz");
    EXPECT_EQ(Text(ui::string_id::kTransferRate), "GT/s");
    EXPECT_EQ(Text(ui::string_id::kUnitKilo) + Text(ui::string_id::kUnitBytes), "KB");
    EXPECT_EQ(Text(ui::string_id::kUnitMega) + Text(ui::string_id::kUnitBytes), "MB");
    EXPECT_EQ(Text(ui::string_id::kDecimalSeparator).substr(0, 1), ".");
    for (const std::int32_t address :
         {ui::string_id::kHomePageAddress, ui::string_id::kSupportArticleAddress}) {
        EXPECT_EQ(Text(address).rfind("https://", 0), 0u) << Text(address);
        EXPECT_EQ(Text(address).find(' '), std::string::npos);
    }
}

TEST_F(GlossaTest, TheAgreementEndsAtAShortString) {
    std::vector<std::int32_t> shown = {kFirstAgreementPart};
    std::int32_t id = kFirstAgreementPart + 1;
    for (; id <= kLastAgreementPart && Text(id).size() > kAgreementEndLength; ++id) {
        shown.push_back(id);
    }
    EXPECT_LE(id, kLastAgreementPart) << "the agreement has no end string";
    EXPECT_GE(shown.size(), 3u);
    EXPECT_NE(Text(kFirstAgreementPart).find("AGREEMENT"), std::string::npos);
}

TEST_F(GlossaTest, Menu127HasTheSheetsPopupsAndCommands) {
    const auto menu = ResourceReader(opened.library).Menu(127);
    std::vector<std::vector<std::int32_t>> popups;
    for (const SondrelMenuItem& item : menu) {
        if (item.depth == 0) {
            popups.emplace_back();
        } else if (item.command != 0) {
            ASSERT_FALSE(popups.empty());
            popups.back().push_back(item.command);
        }
    }
    const std::vector<std::vector<std::int32_t>> expected = {
        {32821, 32771}, {32823}, {32776, 32778, 32779}, {32780, 32856, 32820}};
    EXPECT_EQ(popups, expected);
}

TEST_F(GlossaTest, PicturesAreSvgDocumentsWithoutTheTransparentColour) {
    const ResourceReader reader(opened.library);
    for (const std::int32_t id : {131, 132, 133, 134, 149}) {
        const auto picture = reader.Find(kSondrelPicture, id);
        ASSERT_TRUE(picture.has_value()) << "picture " << id;
        const std::string text(reinterpret_cast<const char*>(picture->data()), picture->size());
        EXPECT_EQ(text.rfind("<svg ", 0), 0u) << "picture " << id;
        EXPECT_NE(text.find("</svg>"), std::string::npos) << "picture " << id;
        EXPECT_EQ(text.find("#FF0000"), std::string::npos) << "picture " << id;
    }
}

}  // namespace
}  // namespace sondrel::language
