// The PCI reads of the snapshot and the disabled-core count, in process.
#include <gtest/gtest.h>

#include "classified_module.h"
#include "sondrel/module/field_ids.h"
#include "sondrel/module/pci.h"

namespace sondrel::test {
namespace {

namespace id = module::field_id;

constexpr PciRegister kChipset{0, 31, 0, 0x2};
constexpr PciRegister kFirstActiveCoreRead{0, 2, 1, 0x50};
constexpr PciRegister kHostBridgeCores{0, 0, 0, 0x80};
constexpr PciRegister kProcessorDeviceCores{0, 1, 0, 0x80};
constexpr PciRegister kGraphicsControl{0, 0, 0, 0x54};
constexpr PciRegister kGraphicsStatus{0, 0, 0, 0x50};
constexpr PciRegister kGraphicsDevice{0, 2, 0, 0x2};

constexpr std::uint32_t kGraphicsEnabled = 0x11;
constexpr std::int32_t kGeneric = 56;
constexpr std::int32_t kMobileCode = 112;
constexpr std::int32_t kProcessorDeviceCode = 125;
constexpr ResultCode kPciFailure = 0x66;

class PciStepsTest : public ClassifiedModuleTest {
protected:
    ResultCode InitializeAs(std::uint32_t signature, std::int32_t productCode) {
        SetSignature(signature);
        EXPECT_EQ(CreateClassified(productCode), 0);
        return Initialize(1);
    }
    const module::ProcessorSnapshot& S() { return Module().Snapshot(); }
};

TEST_F(PciStepsTest, ReadsInOrderWithTheMakersVendorFourBytesAndPresets) {
    data.pciRegisters = {
        {kChipset, 0xBEEF5D01u}, {kGraphicsControl, kGraphicsEnabled}, {kGraphicsDevice, 0x5C0D}};
    ASSERT_EQ(InitializeAs(Signature(5, 14, 3), kGeneric), 0);
    // Two snapshot passes; the first one's reads.
    ASSERT_EQ(data.pciCalls.size() % 2, 0u);
    const std::vector<PciCall> first(data.pciCalls.begin(), data.pciCalls.begin() + data.pciCalls.size() / 2);
    struct Expected {
        bool byDevice;
        PciRegister reg;
        std::uint32_t preset;
    };
    const std::vector<Expected> expected = {
        {false, kChipset, 3},        {true, kFirstActiveCoreRead, 1}, {false, kGraphicsControl, 4},
        {false, kGraphicsStatus, 4}, {false, kGraphicsDevice, 4},
    };
    ASSERT_EQ(first.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(first[i].byDevice, expected[i].byDevice);
        EXPECT_EQ(first[i].reg, expected[i].reg);
        EXPECT_EQ(first[i].preset, expected[i].preset);
        EXPECT_EQ(first[i].vendor, module::kMakerPciVendorId);
        EXPECT_EQ(first[i].size, 4);
    }
    const PciAddress& record = first[1].address;
    EXPECT_EQ(
        (std::vector{record.bus, record.vendor, record.device, record.function, record.offset, record.size}),
        (std::vector{0, module::kMakerPciVendorId, 2, 1, 0x50, 4}));
    EXPECT_EQ(S().chipsetDeviceId, 0x5D01);
    EXPECT_EQ(S().graphicsDeviceId, 0x5C0D);
    EXPECT_EQ(S().pciDetailsValid, 1);
    std::int32_t code = 0;
    ASSERT_EQ(Module().GetGraphicsCode(1, &code), 0);
    EXPECT_EQ(code, 8);
}

TEST_F(PciStepsTest, AFaultInTheFirstActiveCoreReadIsCaughtButItsFailureIsNot) {
    data.pciFaults = {kFirstActiveCoreRead};
    EXPECT_EQ(InitializeAs(Signature(5, 14, 3), kGeneric), 0);
    EXPECT_EQ(S().pciDetailsValid, 1);

    data.pciFaults.clear();
    data.pciFailures = {{kFirstActiveCoreRead, kPciFailure}};
    EXPECT_EQ(InitializeAs(Signature(5, 14, 3), kGeneric), kPciFailure);
    EXPECT_EQ(S().pciDetailsValid, 0);
}

TEST_F(PciStepsTest, TheFirstActiveCoreReadIsMadeOnlyForItsSignatures) {
    data.pciFailures = {{kFirstActiveCoreRead, kPciFailure}};
    EXPECT_EQ(InitializeAs(Signature(9, 14, 9), kGeneric), 0);
    for (const std::uint32_t signature : {Signature(4, 14, 3), Signature(8, 14, 9), Signature(5, 5, 4)}) {
        EXPECT_EQ(InitializeAs(signature, kGeneric), kPciFailure) << std::hex << signature;
    }
}

TEST_F(PciStepsTest, EveryOtherFailingReadFailsTheSnapshot) {
    struct Case {
        const char* name;
        std::uint32_t signature;
        std::int32_t productCode;
        PciRegister failing;
        std::int32_t graphicsDeviceId;  // what the probe stored
    };
    const Case cases[] = {
        {"chipset", Signature(5, 14, 3), kGeneric, kChipset, 0},
        {"host-bridge cores", Signature(4, 14, 3), kGeneric, kHostBridgeCores, 0},
        {"processor-device cores", Signature(4, 14, 3), kProcessorDeviceCode, kProcessorDeviceCores, 0},
        {"graphics control", Signature(5, 14, 3), kGeneric, kGraphicsControl, 4},
        {"graphics status", Signature(5, 14, 3), kGeneric, kGraphicsStatus, 4},
        {"graphics device", Signature(5, 14, 3), kGeneric, kGraphicsDevice, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.pciRegisters = {{kGraphicsControl, kGraphicsEnabled}};
        data.pciFailures = {{c.failing, kPciFailure}};
        EXPECT_EQ(InitializeAs(c.signature, c.productCode), kPciFailure);
        EXPECT_EQ(S().graphicsDeviceId, c.graphicsDeviceId);
        // The third-level count is computed all the same: "CoreCount" 4 of 4 cores.
        EXPECT_EQ(S().cacheCount[3], 1);
        EXPECT_EQ(Module().State().readyFlag, 0);
    }
}

TEST_F(PciStepsTest, TheGraphicsProbeKeepsTheRegisterThatEndsIt) {
    struct Case {
        std::uint32_t control;
        std::uint32_t status;
        std::int32_t graphicsDeviceId;
        std::int32_t code;
    };
    const Case cases[] = {
        {0x0009, 0, 9, 0},                      // graphics disabled: the control register itself
        {0, 0, 0, -3},                          // nothing there
        {0x10009, 0, 0x0009, 0},                // only the low 16 bits
        {kGraphicsEnabled, 0x5C02, 0x5C02, 1},  // status bit 1 set: the status register itself
        {kGraphicsEnabled, 0x0001, 0x5C20, 6},  // the device; 15 W
    };
    data.fieldValues[id::kBaseTDP] = 120;  // 15 W in units of 1/8 W
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        data.pciRegisters = {
            {kGraphicsControl, c.control}, {kGraphicsStatus, c.status}, {kGraphicsDevice, 0x5C20}};
        ASSERT_EQ(InitializeAs(Signature(5, 14, 3), kGeneric), 0);
        EXPECT_EQ(S().graphicsDeviceId, c.graphicsDeviceId);
        std::int32_t code = 99;
        ASSERT_EQ(Module().GetGraphicsCode(1, &code), 0);
        EXPECT_EQ(code, c.code);
    }
}

TEST_F(PciStepsTest, DisabledCoresCountAgainstPciOrCoreCountByProductCode) {
    // Four cores per package throughout (leaf 0xB).
    struct Case {
        const char* name;
        std::uint32_t signature;
        std::int32_t productCode;
        std::int32_t coreCount;
        std::uint32_t hostBridgeCores;
        std::uint32_t processorDeviceCores;
        std::int32_t activeCores;  // pciActiveCores
        std::int32_t disabled;
    };
    const Case cases[] = {
        {"outside the list, 4 of 4", Signature(5, 14, 3), kGeneric, 4, 0, 0, 4, 0},
        {"outside the list, 2 of 4", Signature(5, 14, 3), kGeneric, 2, 0, 0, 4, 2},
        {"outside the list, 6 of 4", Signature(5, 14, 3), kGeneric, 6, 0, 0, 4, 0},
        {"host bridge bits 2:0", Signature(4, 14, 3), kMobileCode, 4, 0xFA, 0, 2, 2},
        {"host bridge 0: package cores", Signature(4, 14, 3), kMobileCode, 2, 0x08, 0, 4, 0},
        {"host bridge, code outside the list", Signature(4, 14, 3), kGeneric, 3, 0x01, 0, 1, 1},
        {"processor device low byte", Signature(4, 14, 3), kProcessorDeviceCode, 4, 0x01, 0x103, 3, 1},
        {"processor device 0", Signature(4, 14, 3), kProcessorDeviceCode, 4, 0x01, 0x100, 4, 0},
        {"code 125 elsewhere", Signature(5, 14, 3), kProcessorDeviceCode, 1, 0x01, 0x01, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.fieldValues[id::kCoreCount] = static_cast<std::uint64_t>(c.coreCount);
        data.pciRegisters = {{kHostBridgeCores, c.hostBridgeCores},
                             {kProcessorDeviceCores, c.processorDeviceCores}};
        ASSERT_EQ(InitializeAs(c.signature, c.productCode), 0);
        EXPECT_EQ(S().pciActiveCores, c.activeCores);
        std::int32_t disabled = -1;
        ASSERT_EQ(Module().GetDisabledCoreCount(1, &disabled), 0);
        EXPECT_EQ(disabled, c.disabled);
    }
}

TEST_F(PciStepsTest, ProcessorsOutsideTheDecisionModelsKeepNoDisabledCores) {
    data.fieldValues[id::kCoreCount] = 2;
    ASSERT_EQ(InitializeAs(Signature(5, 7, 3), kGeneric), 0);
    EXPECT_EQ(S().productCode, module::kProductNotHandled);
    EXPECT_EQ(S().disabledCores, 0);
}

}  // namespace
}  // namespace sondrel::test
