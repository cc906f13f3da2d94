// Cpumod5's logos by product code and model nibble.
#include <gtest/gtest.h>

#include <optional>

#include "sondrel/gen5/tables.h"

namespace sondrel::gen5 {
namespace {

TEST(Cpumod5Logos, ChosenByProductCodeAndModel) {
    struct Case {
        std::int32_t productCode;
        std::int32_t model;
        std::optional<std::int32_t> bitmap;
    };
    const Case cases[] = {
        {54, 9, 105},  {54, 13, 106}, {54, 14, std::nullopt}, {55, 9, 107},  {57, 13, 107},
        {63, 14, 108}, {60, 14, 109}, {61, 14, 110},          {64, 14, 111}, {69, 14, 112},
        {74, 14, 113}, {62, 14, std::nullopt}, {4, 13, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindLogo(c.productCode, c.model), c.bitmap) << c.productCode << " on model " << c.model;
    }
}

}  // namespace
}  // namespace sondrel::gen5
