// Cpumod11's validation and mapping of brand classes, including the classes
// its rules never give (held as others, or mapped to codes no rule reaches).
#include <gtest/gtest.h>

#include "sondrel/gen11/tables.h"
#include "sondrel/module/naming.h"

namespace sondrel::module {
namespace {

TEST(Cpumod11BrandClasses, ValidationAliasesAndMapping) {
    struct Case {
        std::int32_t brandClass;
        std::int32_t storedClass;
        std::int32_t productCode;
    };
    const Case cases[] = {
        {10, 10, 56},
        {24, 24, 98},
        {27, 27, 99},
        {34, 34, 100},
        {35, 35, 101},
        {36, 38, 100},
        {37, 39, 101},
        {38, 38, 108},
        {39, 39, 109},
        {40, 40, 110},
        {41, 41, 107},
        {42, 42, 111},
        {43, 43, 129},
        // Outside 10, 24 to 29 and 34 to 43: not handled.
        {23, 0, 4},
        {30, 0, 4},
        {44, 0, 4},
        {0, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.brandClass);
        ProcessorSnapshot snapshot;
        snapshot.expectedCpuMHz = 1.0f;
        MapBrandClass(gen11::NamingRules(), c.brandClass, snapshot);
        EXPECT_EQ(snapshot.brandClass, c.storedClass);
        EXPECT_EQ(snapshot.productCode, c.productCode);
        EXPECT_EQ(snapshot.expectedCpuMHz, c.productCode == 4 ? 0.0f : 1.0f);
    }
}

}  // namespace
}  // namespace sondrel::module
