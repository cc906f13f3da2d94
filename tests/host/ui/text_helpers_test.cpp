// The build stamp, cache-size and frequency texts with the examples the
// pages and the report rely on.
#include <gtest/gtest.h>

#include "sondrel/ui/build_stamp.h"
#include "sondrel/ui/cache_size_text.h"
#include "sondrel/ui/frequency_text.h"
#include "sondrel/ui/version.h"
#include "support/table_language_text.h"

using namespace sondrel;
using namespace sondrel::ui;
using sondrel::testing::TableLanguageText;
using sondrel::testing::UnitStrings;

namespace {

TEST(BuildStamp, FromTheBuildDate) {
    EXPECT_EQ(BuildStampFromDate("Oct 18 2017"), "20171018");
    // A one-digit day has a space in front of it.
    EXPECT_EQ(BuildStampFromDate("Mar  5 2019"), "20190305");
    EXPECT_EQ(BuildStampFromDate("Jan 31 2024"), "20240131");
    EXPECT_EQ(BuildStampFromDate("Dec  1 2030"), "20301201");
    // Dates of another form give no stamp rather than a wrong one.
    EXPECT_EQ(BuildStampFromDate("Okt 18 2017"), std::nullopt);
    EXPECT_EQ(BuildStampFromDate("Oct 18 17"), std::nullopt);
    EXPECT_EQ(BuildStampFromDate("Oct 1x 2017"), std::nullopt);

    std::string stamp;
    ASSERT_EQ(GetBuildStamp(stamp), result::kSuccess);
    EXPECT_EQ(stamp, BuildStampFromDate(kBuildDate));
}

struct CacheCase {
    std::int32_t size;
    std::int32_t unit;
    const char* expected;
};

class CacheSizeText : public ::testing::TestWithParam<CacheCase> {};

TEST_P(CacheSizeText, ShowsTheSizeInItsUnit) {
    const TableLanguageText language = UnitStrings();
    const auto& [size, unit, expected] = GetParam();
    EXPECT_EQ(FormatCacheSize(size, unit, language), expected) << size << " unit " << unit;
}

INSTANTIATE_TEST_SUITE_P(Sizes, CacheSizeText,
                         ::testing::Values(CacheCase{8192, 1, "8 MB"}, CacheCase{14080, 1, "13.7 MB"},
                                           CacheCase{-1, 1, "Unknown"}, CacheCase{0, 1, "None"},
                                           CacheCase{-2, 0, "Unknown"}, CacheCase{-3, 1, "None"},
                                           CacheCase{1536, 1, "1.5 MB"}, CacheCase{8448, 1, "8.2 MB"},
                                           CacheCase{39424, 1, "38.5 MB"}, CacheCase{256, 1, "256 KB"},
                                           CacheCase{1024, 1, "1 MB"}, CacheCase{11264, 1, "11 MB"},
                                           CacheCase{1023, 1, "1023 KB"}, CacheCase{12, 3, "12 K uops"},
                                           CacheCase{32, 0, "32 B"}));

TEST(CacheSizeText, MissingStringsGiveEmptyTexts) {
    const TableLanguageText none;
    EXPECT_EQ(FormatCacheSize(-1, 1, none), "");
    EXPECT_EQ(FormatCacheSize(256, 1, none), "256 ");
}

struct FrequencyCase {
    std::int32_t reported;
    std::int32_t expected;
    bool bus;
    TextPair texts;
};

class FrequencyPairText : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyPairText, ChoosesTheUnitByTheExpectedValue) {
    const TableLanguageText language = UnitStrings();
    const auto& [reported, expected, bus, texts] = GetParam();
    EXPECT_EQ(FormatFrequencyPair(reported, expected, bus, language), texts) << reported << "/" << expected;
}

INSTANTIATE_TEST_SUITE_P(Pairs, FrequencyPairText,
                         ::testing::Values(FrequencyCase{3392, 3400, false, {"3.39 GHz", "3.40 GHz"}},
                                           FrequencyCase{2000, 2000, false, {"2.0 GHz", "2.0 GHz"}},
                                           FrequencyCase{2050, 2050, false, {"2.05 GHz", "2.05 GHz"}},
                                           // Tens are cut, not rounded.
                                           FrequencyCase{2059, 2059, false, {"2.05 GHz", "2.05 GHz"}},
                                           FrequencyCase{800, 0, false, {"800 MHz", "0 MHz"}},
                                           FrequencyCase{2394, 0, false, {"2.39 GHz", "0 MHz"}},
                                           FrequencyCase{650, 800, false, {"650 MHz", "800 MHz"}},
                                           FrequencyCase{100, 100, true, {"100 MHz", "100 MHz"}},
                                           FrequencyCase{3700, 3700, true, {"3700 MHz", "3700 MHz"}},
                                           // A reported value below a GHz expectation is still in GHz.
                                           FrequencyCase{0, 1600, false, {"0.0 GHz", "1.60 GHz"}}));

TEST(TransferRateText, ThousandsFromAnExpectedThousandOn) {
    const TableLanguageText language = UnitStrings();
    EXPECT_EQ(FormatTransferRatePair(6400.0f, 6400.0f, language), (TextPair{"6.40 GT/s", "6.40 GT/s"}));
    EXPECT_EQ(FormatTransferRatePair(8000.0f, 8000.0f, language), (TextPair{"8.0 GT/s", "8.0 GT/s"}));
    EXPECT_EQ(FormatTransferRatePair(4.8f, 4.8f, language), (TextPair{"4.80 GT/s", "4.80 GT/s"}));
    EXPECT_EQ(FormatTransferRatePair(4809.0f, 0.0f, language), (TextPair{"4.80 GT/s", "0.00 GT/s"}));
    EXPECT_EQ(FormatTransferRatePair(900.5f, 0.0f, language), (TextPair{"900.50 GT/s", "0.00 GT/s"}));
}

TEST(LocalizeDecimalPoint, UsesTheLanguagesSeparator) {
    TableLanguageText language = UnitStrings();
    language.Set(453, ",00");
    std::string first = "3.39 GHz";
    std::string second = "3.40 GHz";
    LocalizeDecimalPoint(first, second, language);
    EXPECT_EQ(first, "3,39 GHz");
    EXPECT_EQ(second, "3,40 GHz");

    // A missing separator string gives a comma.
    language.Remove(453);
    first = "6.40";
    second = "1.2.3";
    LocalizeDecimalPoint(first, second, language);
    EXPECT_EQ(first, "6,40");
    EXPECT_EQ(second, "1,2,3");

    language.Set(453, ".");
    first = "8.0";
    LocalizeDecimalPoint(first, second, language);
    EXPECT_EQ(first, "8.0");
}

}  // namespace
