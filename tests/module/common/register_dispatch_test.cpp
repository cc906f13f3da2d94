#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "sondrel/module/register_dispatch.h"

namespace sondrel::module {
namespace {

RegisterFieldNode Node(std::int32_t fieldId, std::uint64_t value, bool read = true) {
    RegisterFieldNode node{};
    node.fieldId = fieldId;
    node.value = value;
    node.readFlag = read ? 1 : 0;
    return node;
}

TEST(RegisterDispatch, StoresEachKindIntoItsSlot) {
    struct Case {
        const char* what;
        RegisterFieldNode node;
        std::function<bool(const ProcessorSnapshot&)> holds;
    };
    const Case cases[] = {
        {"value keeps the low 32 bits", Node(field_id::kCoreCount, 0x1'0000'0004ull),
         [](const ProcessorSnapshot& s) { return s.fields.Value(field_id::kCoreCount) == 4; }},
        {"flag tests all 64 bits", Node(field_id::kProgrammableRatio, 0x1'0000'0000ull),
         [](const ProcessorSnapshot& s) { return s.fields.Value(field_id::kProgrammableRatio) == 1; }},
        {"ratio becomes a float", Node(field_id::kMaxFSBRatio, 34),
         [](const ProcessorSnapshot& s) { return s.fields.Ratio(field_id::kMaxFSBRatio) == 34.0f; }},
        {"id 3 is the mobile flag", Node(field_id::kMobile, 2),
         [](const ProcessorSnapshot& s) { return s.mobileFlag == 1; }},
        {"Production 0 is a preproduction part", Node(field_id::kProduction, 0),
         [](const ProcessorSnapshot& s) { return s.preproductionFlag == 1; }},
        {"Production 1 is not", Node(field_id::kProduction, 1),
         [](const ProcessorSnapshot& s) { return s.preproductionFlag == 0; }},
        {"id 18 is set only by exactly 1", Node(18, 2),
         [](const ProcessorSnapshot& s) { return s.fields.Value(18) == 0; }},
        {"id 20 needs no read and tests for 0", Node(20, 0, false),
         [](const ProcessorSnapshot& s) { return s.fields.Value(20) == 1; }},
        {"id 1 fills the first-ratio pair", Node(field_id::kFirstRatio, 12),
         [](const ProcessorSnapshot& s) {
             return s.fields.firstRatioPair[0] == 12 && s.fields.firstRatioPair[1] == 12;
         }},
    };
    for (const Case& c : cases) {
        ProcessorSnapshot snapshot;
        EXPECT_TRUE(DispatchRegisterField(c.node, snapshot, TdpRule{})) << c.what;
        EXPECT_TRUE(c.holds(snapshot)) << c.what;
    }
}

TEST(RegisterDispatch, UnreadNeededFieldKeepsItsSlotAndIsReported) {
    ProcessorSnapshot snapshot;
    EXPECT_FALSE(DispatchRegisterField(Node(field_id::kCoreCount, 9, false), snapshot, TdpRule{}));
    EXPECT_EQ(snapshot.fields.Value(field_id::kCoreCount), 1);  // the cleared value
    snapshot.tdpWatts = 7.0;
    EXPECT_FALSE(DispatchRegisterField(Node(field_id::kTDPPowerUnit, 3, false), snapshot, TdpRule{}));
    EXPECT_EQ(snapshot.tdpWatts, 7.0);
}

TEST(RegisterDispatch, UnknownIdsAreIgnored) {
    ProcessorSnapshot snapshot;
    EXPECT_TRUE(DispatchRegisterField(Node(4, 1, false), snapshot, TdpRule{}));
    EXPECT_TRUE(DispatchRegisterField(Node(99, 1, false), snapshot, TdpRule{}));
    EXPECT_TRUE(DispatchRegisterField(Node(-1, 1, false), snapshot, TdpRule{}));
}

TEST(RegisterDispatch, PowerUnitTurnsTheBaseTdpIntoWatts) {
    struct Case {
        std::uint64_t baseTdp;
        std::uint64_t powerUnit;
        double watts;
    };
    for (const Case& c : {Case{120, 3, 15.0}, Case{500, 3, 62.5}, Case{95, 0, 95.0}}) {
        ProcessorSnapshot snapshot;
        DispatchRegisterField(Node(field_id::kBaseTDP, c.baseTdp), snapshot, TdpRule{});
        DispatchRegisterField(Node(field_id::kTDPPowerUnit, c.powerUnit), snapshot, TdpRule{});
        EXPECT_DOUBLE_EQ(snapshot.tdpWatts, c.watts) << c.baseTdp << " / 2^" << c.powerUnit;
    }
    // A generation that numbers "BaseTDP" differently names its slot.
    ProcessorSnapshot snapshot;
    DispatchRegisterField(Node(field_id::kCTDPSupportedLevels, 80), snapshot, TdpRule{});
    DispatchRegisterField(Node(field_id::kTDPPowerUnit, 2), snapshot,
                          TdpRule{field_id::kCTDPSupportedLevels, false});
    EXPECT_DOUBLE_EQ(snapshot.tdpWatts, 20.0);
}

}  // namespace
}  // namespace sondrel::module
