// Brand classes, renames, the mobile rule and the name fallback with
// Cpumod12's rules, on snapshots made by the tests.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "sondrel/gen12/naming_rules.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/module/naming.h"
#include "sondrel/module/text.h"

namespace sondrel::module {
namespace {

ProcessorSnapshot Processor(std::int32_t extendedModel, std::int32_t model, std::int32_t stepping,
                            const char* name) {
    ProcessorSnapshot s;
    s.family = 6;
    s.extendedModel = extendedModel;
    s.model = model;
    s.stepping = stepping;
    CopyBounded(s.processorName, sizeof s.processorName, name);
    CollapseSpaces(s.processorName, kCollapsedNameLimit);
    return s;
}

const NamingRules& Rules() {
    return gen12::NamingRules();
}

TEST(BrandClassification, ClassProductAndName) {
    struct Case {
        std::int32_t extendedModel, model, stepping;
        const char* brand;
        std::int32_t brandClass;
        std::int32_t productCode;
        const char* name;  // nullptr: unchanged
        std::int32_t mobileFlag;
    };
    const Case cases[] = {
        {5, 14, 3, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 25, 121, nullptr, 0},
        {5, 14, 3, "Quarn(R) Vantor(TM) i7 Extreme Edition CPU @ 3.20GHz", 26, 127, nullptr, 0},
        {4, 14, 7, "Quarn(R) Corvid(R) CPU G3900 @ 2.80GHz", 38, 123, nullptr, 0},
        {4, 14, 7, "Quarn(R) Bastra(R) CPU E3-1555M v5 @ 2.80GHz", 39, 124, nullptr, 0},
        {8, 14, 9, "Quarn(R) Vantor(TM) i3-8130U CPU @ 2.20GHz", 62, 149, nullptr, 0},
        {8, 14, 9, "Quarn(R) Vantor(TM) i7-8700 CPU @ 3.20GHz", 61, 148, nullptr, 0},
        {9, 14, 10, "Quarn(R) Vantor(TM) i5-7640X CPU @ 4.00GHz", 53, 140, nullptr, 0},
        {8, 14, 9, "Quarn(R) Vantor(TM) m3-8100Y CPU @ 1.10GHz", 0, 4, nullptr, 0},
        {8, 14, 9, "Quarn(R) Vantor(TM) m7-8Y75 CPU @ 1.30GHz", 71, 151, nullptr, 0},
        {8, 14, 9, "Quarn(R) Dunlin(R) CPU 4415U @ 2.30GHz", 49, 159, nullptr, 0},
        // Class 74 is valid but has no product code.
        {8, 14, 9, "Quarn(R) Bastra(R) CPU E3-1505M v6 @ 3.00GHz", 74, 4, nullptr, 0},
        // Branch C.
        {5, 5, 4, "Quarn(R) Bastra(R) Gold 6148 CPU @ 2.40GHz", 56, 143, nullptr, 0},
        {5, 5, 4, "Quarn(R) Vantor(TM) i7-7820X CPU @ 3.60GHz", 51, 138, nullptr, 0},
        {5, 5, 4, "Quarn(R) Vantor(TM) i9-7987XE CPU @ 2.60GHz", 52, 139, nullptr, 0},
        {5, 5, 4, "Quarn(R) Vantor(TM) i9-7987XE Extreme CPU @ 2.60GHz", 73, 158, nullptr, 0},
        {5, 5, 3, "Quarn(R) Vantor(TM) i9-7987XE CPU @ 2.60GHz", 0, 4, nullptr, 0},
        // The tier rename of product 126.
        {5, 14, 3, "Quarn(R) Processor 555 Mobile CPU @ 1.10GHz", 41, 126,
         "Quarn(R) Vantor(TM) M-555 Mobile CPU @ 1.10GHz", 1},
        {5, 14, 3, "Quarn(R) Processor 600 Mobile CPU @ 1.10GHz", 41, 126, nullptr, 0},
        // The Extreme Edition rename of 121, with the "MX" suffix.
        {5, 14, 3, "Quarn(R) Vantor(TM) i7-5432X CPU @ 3.00GHz", 26, 127,
         "Quarn(R) Vantor(TM) i7-5432X Extreme Edition CPU @ 3.00GHz", 0},
        {5, 14, 3, "Quarn(R) Vantor(TM) i7-4940MX CPU @ 3.10GHz", 26, 127,
         "Quarn(R) Vantor(TM) i7-4940MX Extreme Edition CPU @ 3.10GHz", 0},
    };
    for (const Case& c : cases) {
        ProcessorSnapshot s = Processor(c.extendedModel, c.model, c.stepping, c.brand);
        s.expectedCpuMHz = 1000.0f;
        ClassifyBrand(Rules(), s);
        EXPECT_EQ(s.brandClass, c.brandClass) << c.brand;
        EXPECT_EQ(s.productCode, c.productCode) << c.brand;
        EXPECT_STREQ(s.processorName, c.name != nullptr ? c.name : Processor(5, 14, 3, c.brand).processorName)
            << c.brand;
        EXPECT_EQ(s.mobileFlag, c.mobileFlag) << c.brand;
        EXPECT_EQ(s.expectedCpuMHz, c.productCode == 4 ? 0.0f : 1000.0f) << c.brand;
    }
}

TEST(BrandClassification, ExtremeEditionRenameFailsWithoutChangingTheName) {
    const ExtremeRenameRule& rule = Rules().extremeRename;
    for (const char* name : {
             "Quarn(R) Vantor(TM) i7-5432X Extreme CPU @ 3.00GHz",  // already "Extreme"
             "Quarn(R) Vantor(TM) i7-5432XK CPU @ 3.00GHz",         // a "K"
             "Quarn(R) Vantor(TM) i7-5432 CPU @ 3.00GHz",           // no "X"
             "Quarn(R) Vantor(TM) i7-3999X CPU @ 3.00GHz",          // below 4000
             "Quarn(R) Vantor(TM) i7-8001X CPU @ 3.00GHz",          // above 8000
             "Quarn(R) Vantor(TM) i7-5432X CPU 5432",               // no "@"
         }) {
        ProcessorSnapshot s = Processor(5, 14, 3, name);
        EXPECT_FALSE(RenameExtremeEdition(rule, s)) << name;
        EXPECT_STREQ(s.processorName, name);
    }
    ProcessorSnapshot s = Processor(5, 14, 3, "Quarn(R) Vantor(TM) i7-8000X CPU @ 3.00GHz");
    EXPECT_TRUE(RenameExtremeEdition(rule, s));
}

TEST(BrandClassification, TheProgrammableRenameNeedsBothFields) {
    // Product code 118 comes from class 31, which no Cpumod12 rule gives, so
    // the condition is tried on a rule that maps an i7 to 118.
    NamingRules rules = Rules();
    const BrandClassMapping mapping[] = {{25, 118}};
    rules.mapping = mapping;
    for (const auto& [ratio, turbo, renamed] : {std::tuple{1, 1, true}, std::tuple{1, 0, false}}) {
        ProcessorSnapshot s = Processor(5, 14, 3, "Quarn(R) Vantor(TM) i7-5432X CPU @ 3.00GHz");
        s.fields.values[field_id::kProgrammableRatio] = ratio;
        s.fields.values[field_id::kProgrammableTurbo] = turbo;
        ClassifyBrand(rules, s);
        EXPECT_EQ(s.productCode, renamed ? 127 : 118) << turbo;
    }
}

TEST(MobileRule, SuffixInsideTheWindowsTierOutsideThem) {
    struct Case {
        std::int32_t extendedModel, model;
        const char* name;
        std::int32_t before, after;
    };
    const Case cases[] = {
        {8, 14, "Quarn(R) Vantor(TM) i5-7234U CPU @ 2.50GHz", 0, 1},
        {8, 14, "Quarn(R) Vantor(TM) i5-7234K CPU @ 2.50GHz", 1, 0},
        {8, 14, "Quarn(R) Vantor(TM) i5-1550R CPU @ 2.50GHz", 0, 1},
        {8, 14, "Quarn(R) Vantor(TM) m5-1650 CPU @ 2.50GHz", 0, 1},   // tier test
        {8, 14, "Quarn(R) Vantor(TM) i5-5200U CPU @ 2.50GHz", 1, 0},  // neither
        // Signatures outside the rule keep the flag.
        {5, 5, "Quarn(R) Vantor(TM) i5-7234U CPU @ 2.50GHz", 0, 0},
        {6, 14, "Quarn(R) Vantor(TM) i5-7234K CPU @ 2.50GHz", 1, 1},
    };
    for (const Case& c : cases) {
        ProcessorSnapshot s = Processor(c.extendedModel, c.model, 9, c.name);
        s.mobileFlag = c.before;
        ApplyMobileRule(Rules(), s);
        EXPECT_EQ(s.mobileFlag, c.after) << c.name << " on " << c.extendedModel << "," << c.model;
    }
}

// A language file holding only the strings given.
LoadText Strings(std::map<std::int32_t, std::string> strings) {
    return [strings = std::move(strings)](std::int32_t id, std::span<char> buffer) {
        const auto found = strings.find(id);
        if (found == strings.end()) {
            buffer[0] = '\0';
            return false;
        }
        CopyBounded(buffer.data(), buffer.size(), found->second.c_str());
        return true;
    };
}

TEST(NameFallback, NamesByProductCode) {
    const LoadText load =
        Strings({{101, "not handled"}, {102, "generic"}, {111, "sample"}, {113, "i7 name"}});
    struct Case {
        std::int32_t productCode;
        const char* name;
        const char* expected;
        std::int32_t established;
    };
    const Case cases[] = {
        {4, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", "not handled", 1},
        {56, "Genuine Quarn(R) CPU 0000 @ 2.40GHz", "sample", 1},
        {121, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz", 1},
        {121, "", "i7 name", 1},
        {126, "", "Quarn(R) Vantor(TM) M CPU", 1},
        {152, "", "Quarn(R) Dunlin(R) CPU ", 1},
        {154, "", "generic", 1},
        // Not among the kept codes: string 102, not established.
        {157, "Quarn(R) Bastra(R) CPU 1234 @ 2.00GHz", "generic", 0},
        {0, "", "generic", 0},
    };
    for (const Case& c : cases) {
        ProcessorSnapshot s = Processor(5, 14, 3, c.name);
        s.productCode = c.productCode;
        RunNameFallback(Rules().fallback, load, s);
        EXPECT_STREQ(s.processorName, c.expected) << c.productCode;
        EXPECT_EQ(s.nameEstablished, c.established) << c.productCode;
    }
}

TEST(NameFallback, AMissingStringFallsBackToTheEmptyNameRule) {
    ProcessorSnapshot s = Processor(5, 14, 3, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    s.productCode = 4;
    RunNameFallback(Rules().fallback, Strings({{102, "generic"}}), s);
    EXPECT_STREQ(s.processorName, "generic");
    // With no strings at all the name stays empty, never the brand string or garbage.
    s = Processor(5, 14, 3, "Quarn(R) Vantor(TM) i7-6789K CPU @ 4.00GHz");
    s.productCode = 4;
    RunNameFallback(Rules().fallback, Strings({}), s);
    EXPECT_STREQ(s.processorName, "");
    EXPECT_EQ(s.nameEstablished, 1);
}

}  // namespace
}  // namespace sondrel::module
