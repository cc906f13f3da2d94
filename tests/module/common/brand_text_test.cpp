// Processor number and suffix letter of brand strings.
#include <gtest/gtest.h>

#include "sondrel/module/brand_text.h"

namespace sondrel::module {
namespace {

TEST(BrandText, ProcessorNumberAndSuffixLetter) {
    struct Case {
        const char* name;
        std::int32_t number;
        char suffix;
    };
    const Case cases[] = {
        {"", 0, '\0'},
        // '… CPU @ …': the digits after the first "-", the letter before " CPU".
        {"Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 6789, 'K'},
        {"Quarn(R) Vantor(TM) i5-7234U CPU @ 2.50GHz", 7234, 'U'},
        {"Quarn(R) Vantor(TM) i7-6821HQ CPU @ 2.70GHz", 6821, 'H'},
        {"Quarn(R) Vantor(TM) i7-5432X Extreme Edition CPU @ 3.00GHz", 5432, 'X'},
        // Digits after "CPU": the window from posCPU + 4; the letter before "@".
        {"Quarn(R) Dunlin(R) CPU 123 @ 2.50GHz", 123, ' '},
        {"Quarn(R) Dunlin(R) CPU 1234U @ 2.50GHz", 1234, 'U'},
        {"Quarn(R) Dunlin(R) CPU 123", 0, '\0'},
        // No "-": "Quarn(R) Processor" digits, then those before "CPU".
        {"Quarn(R) Processor 555 Mobile CPU @ 1.10GHz", 555, 'l'},
        {"CPU @ 1.00GHz", 0, '\0'},
        // No "CPU": value lines read the window before "@".
        {"Quarn(R) Dunlin(R) G1234 @ 2.80GHz", 1234, ' '},
        {"Quarn(R) Dunlin(R) G1234T@ 2.80GHz", 1234, 'T'},
        {"Quarn(R) Dunlin(R) G1234", 0, '\0'},
        {"Quarn(R) Vantor(TM) i7-6789K", 0, '\0'},
        // The "M v5" form: the five characters before " v5 @", leading digits.
        {"Quarn(R) Bastra(R) CPU E3-1555M v5 @ 2.80GHz", 1555, 'E'},
        {"Quarn(R) Processor 1234X", 1234, '\0'},
        {"Quarn(R) Processor X", 0, '\0'},
        // More than five digits: the first five count.
        {"Quarn(R) Vantor(TM) i7-1234567 CPU @ 1.00GHz", 12345, '7'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProcessorNumber(c.name), c.number) << c.name;
        EXPECT_EQ(SuffixLetter(c.name), c.suffix) << c.name;
    }
}

TEST(BrandText, SearchNeverFindsAnEmptyPattern) {
    EXPECT_FALSE(Find("abc", "").has_value());
    EXPECT_FALSE(StartsWith("abc", ""));
    EXPECT_EQ(Find("abcabc", "ca"), 2u);
    EXPECT_TRUE(StartsWith("Quarn(R) Vantor(TM) i7", "Quarn(R) Vantor(TM) i"));
    EXPECT_FALSE(StartsWith("Quarn(R) Vantor(TM) i7", "quarn"));  // case matters
}

}  // namespace
}  // namespace sondrel::module
