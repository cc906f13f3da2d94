// Cpumod12's frequency support decision table.
#include <gtest/gtest.h>

#include "sondrel/gen12/frequency_decision_table.h"
#include "sondrel/module/frequency.h"

namespace sondrel::gen12 {
namespace {

using module::FrequencyOutcome;
using enum module::FrequencyOutcome;

struct Case {
    std::int32_t extendedModel;
    std::int32_t model;
    std::int32_t stepping;
    std::int32_t productCode;
    FrequencyOutcome production;     // preproductionFlag 0
    FrequencyOutcome preproduction;  // preproductionFlag 1
};

TEST(Cpumod12FrequencyDecision, FollowsTheTableBySignatureAndProductCode) {
    const Case cases[] = {
        {4, 14, 0, 0, kDerive, kDerive},
        {4, 14, 2, 56, kDerive, kDerive},
        {4, 14, 3, 56, kClear, kClear},
        {4, 14, 3, 112, kClear, kDerive},
        {4, 14, 3, 126, kUnsupported, kUnsupported},
        {4, 14, 3, 139, kClear, kDerive},
        {4, 14, 4, 112, kUnsupported, kUnsupported},
        {5, 5, 4, 145, kClear, kDerive},
        {5, 5, 4, 56, kClear, kClear},
        {5, 5, 5, 145, kUnsupported, kUnsupported},
        {5, 14, 1, 4, kDerive, kDerive},
        {5, 14, 3, 161, kClear, kDerive},
        {5, 14, 3, 138, kUnsupported, kUnsupported},
        {5, 14, 9, 146, kDerive, kDerive},
        {5, 14, 9, 56, kClear, kClear},
        {5, 14, 8, 0, kDerive, kDerive},
        {5, 14, 5, 146, kUnsupported, kUnsupported},
        {8, 14, 3, 131, kClear, kDerive},
        {8, 14, 3, 121, kUnsupported, kUnsupported},
        {8, 14, 9, 56, kDerive, kDerive},
        {8, 14, 12, 156, kClear, kDerive},
        {8, 14, 10, 157, kUnsupported, kUnsupported},
        {9, 14, 9, 141, kClear, kDerive},
        {9, 14, 9, 56, kClear, kClear},
        {9, 14, 9, 134, kUnsupported, kUnsupported},
        {9, 14, 11, 150, kClear, kDerive},
        {9, 14, 13, 150, kUnsupported, kUnsupported},
        {4, 5, 0, 56, kUnsupported, kUnsupported},
        {8, 5, 0, 56, kUnsupported, kUnsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.extendedModel << "," << c.model << ") stepping "
                                          << c.stepping << " code " << c.productCode);
        EXPECT_EQ(module::DecideFrequencyOutcome(FrequencyDecisionTable(), c.extendedModel, c.model,
                                                 c.stepping, c.productCode, 0),
                  c.production);
        EXPECT_EQ(module::DecideFrequencyOutcome(FrequencyDecisionTable(), c.extendedModel, c.model,
                                                 c.stepping, c.productCode, 1),
                  c.preproduction);
    }
}

}  // namespace
}  // namespace sondrel::gen12
