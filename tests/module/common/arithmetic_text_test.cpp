#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "sondrel/module/frequency.h"
#include "sondrel/module/text.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::module {
namespace {

TEST(WrappingArithmetic, OverflowWrapsInsteadOfBeingUndefined) {
    EXPECT_EQ(WrappingMultiply(0x10000, 0x10000), 0);
    EXPECT_EQ(WrappingMultiply(INT_MAX, 2), -2);
    EXPECT_EQ(WrappingAdd(INT_MAX, 1), INT_MIN);
    EXPECT_EQ(WrappingDivide(INT_MIN, -1), INT_MIN);
    EXPECT_EQ(WrappingDivide(-7, 2), -3);  // truncates toward zero
    EXPECT_EQ(Bits(0xFFFFFFFFu, 26, 6), 63u);
    EXPECT_EQ(Bits(0xFFFFFFFFu, 0, 32), 0xFFFFFFFFu);
}

TEST(CopyBounded, CutsToTheBufferAndTerminates) {
    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    CopyBounded(buffer, sizeof buffer, "abcdefgh");
    EXPECT_STREQ(buffer, "abcd");
    CopyBounded(buffer, 0, "z");  // nothing written
    EXPECT_STREQ(buffer, "abcd");
}

TEST(CollapseSpaces, RunsBecomeOneSpaceAndTheResultIsBounded) {
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"Quarn(R)  Vantor(TM)   i3", "Quarn(R) Vantor(TM) i3"},
        {"   lead", " lead"},
        {"trail   ", "trail "},
        {"", ""},
    };
    for (const Case& c : cases) {
        char text[64] = {};
        std::strcpy(text, c.input);
        CollapseSpaces(text, 59);
        EXPECT_STREQ(text, c.expected) << c.input;
    }
    char longText[64] = {};
    std::memset(longText, 'a', 60);
    CollapseSpaces(longText, 59);
    EXPECT_EQ(std::strlen(longText), 59u);
}

TEST(Snap, WithinOnePercentBoundsIncludedGivesTheReference) {
    struct Case {
        float value;
        float reference;
        float expected;
    };
    const Case cases[] = {
        {3395.0f, 3400.0f, 3400.0f}, {3365.0f, 3400.0f, 3365.0f}, {3366.0f, 3400.0f, 3400.0f},
        {3434.0f, 3400.0f, 3400.0f}, {3434.5f, 3400.0f, 3434.5f}, {100.0f, 0.0f, 100.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Snap(c.value, c.reference), c.expected) << c.value << " against " << c.reference;
    }
}

}  // namespace
}  // namespace sondrel::module
