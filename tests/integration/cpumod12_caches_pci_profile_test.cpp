// Caches, counts and PCI details of Cpumod12.so on processor profiles.
#include <gtest/gtest.h>

#include "profile_queries.h"

using namespace sondrel;
using namespace sondrel::testing;

namespace {

using Sizes = std::array<std::int32_t, 4>;

constexpr std::uint32_t kLeaf2 = 0x2;
constexpr std::uint32_t kLeaf4 = 0x4;

nlohmann::json Desktop() {
    return ReadProfile(kDesktopProfile);
}

void SetLeaf2(nlohmann::json& profile, std::uint32_t eax, std::uint32_t ebx, std::uint32_t ecx,
              std::uint32_t edx) {
    SetCpuid(profile, kLeaf2, 0, "eax", eax);
    SetCpuid(profile, kLeaf2, 0, "ebx", ebx);
    SetCpuid(profile, kLeaf2, 0, "ecx", ecx);
    SetCpuid(profile, kLeaf2, 0, "edx", edx);
}

void SetMsr(nlohmann::json& profile, const char* msr, std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    profile["packages"][0]["msr"][msr] = text;
}

// "CoreCount" and "ThreadCount" of MSR 0x35.
void SetCoreAndThreadCount(nlohmann::json& profile, std::uint32_t cores, std::uint32_t threads) {
    SetMsr(profile, "0x35", (std::uint64_t{cores} << 16) | threads);
}

Sizes SizesOn(const nlohmann::json& profile) {
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, profile);
    EXPECT_EQ(code, result::kSuccess);
    if (root == nullptr) {
        return {};
    }
    const Sizes sizes = CacheSizes(root);
    root->DropReference();
    return sizes;
}

TEST(Cpumod12CachesOnProfile, LeafTwoWithoutDescriptorsLeavesEveryLevelToLeafFour) {
    // The desktop's leaf 2 is 00FEFF01h / F0h / 0 / 0 here: nothing Cpumod12
    // knows; the highest leaf 16h lets leaf 4 supply all four.
    nlohmann::json profile = Desktop();
    SetLeaf2(profile, 0x00FEFF01u, 0x000000F0u, 0, 0);
    EXPECT_EQ(SizesOn(profile), (Sizes{32, 32, 256, 8192}));
    // Without leaf 0xB in reach (highest leaf 0Ah) the sizes stay unknown.
    SetCpuid(profile, 0, 0, "eax", 0x0A);
    EXPECT_EQ(SizesOn(profile), (Sizes{-2, -2, -2, -2}));
}

TEST(Cpumod12CachesOnProfile, DescriptorsDecideWhenEveryLevelIsFound) {
    // Leaf 4 would say 32/32/256/8192; the descriptors win when all are found,
    // and a register with bit 31 set carries none.
    nlohmann::json profile = Desktop();
    SetLeaf2(profile, 0x0D092101u, 0x80E60000u, 0x00D44000u, 0);
    EXPECT_EQ(SizesOn(profile), (Sizes{16, 32, 256, 8192}));
    // First match wins: 40h then D4h gives no third level.
    SetLeaf2(profile, 0x0D092101u, 0x0040D400u, 0, 0);
    EXPECT_EQ(SizesOn(profile), (Sizes{16, 32, 256, 0}));
}

TEST(Cpumod12CachesOnProfile, OneUnknownLevelLetsLeafFourOverwriteThemAll) {
    nlohmann::json profile = Desktop();
    SetLeaf2(profile, 0x0D092101u, 0, 0, 0);  // no third level
    // Leaf 4 describes a 48 KB first-level data cache: 64-byte lines, 12 ways, 64 sets.
    SetCpuid(profile, kLeaf4, 0, "ebx", (11u << 22) | 63u);
    EXPECT_EQ(SizesOn(profile), (Sizes{48, 32, 256, 8192}));
}

TEST(Cpumod12CachesOnProfile, AnUnknownLevelIsRefusedAfterTheUnitIsWritten) {
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, Desktop());
    ASSERT_EQ(code, result::kSuccess);
    auto* caches = Lookup<ICacheSizes>(root, interface_id::kCacheSizes);
    std::int32_t size = -7;
    std::int32_t unit = 0;
    EXPECT_EQ(caches->GetCacheSize(1, 4, &size, &unit), result::kNoSuchCache);
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(size, -7);
    caches->DropReference();
    root->DropReference();
}

TEST(Cpumod12CachesOnProfile, InstanceCountsFollowThePackageCores) {
    // Six cores per package (leaf 0xB: 2 threads per core, 12 per package).
    nlohmann::json profile = Desktop();
    SetCpuid(profile, 0xB, 1, "ebx", 12);
    struct Case {
        std::uint32_t coreCount;
        std::int32_t level3;
    };
    for (const Case& c : {Case{4, 0}, Case{6, 1}}) {
        SetCoreAndThreadCount(profile, c.coreCount, 12);
        ModuleOnProfile harness;
        const auto [code, root] = InitialiseOn(harness, profile);
        ASSERT_EQ(code, result::kSuccess);
        EXPECT_EQ(CacheCounts(root), (Sizes{6, 6, 6, c.level3})) << c.coreCount;
        root->DropReference();
    }
}

TEST(Cpumod12PciOnProfile, FourCoresEightThreads) {
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, Desktop());
    ASSERT_EQ(code, result::kSuccess);
    EXPECT_EQ(Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetMaxCoreCount), 4);
    EXPECT_EQ(Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetPackageThreadCount), 8);
    EXPECT_EQ(Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetPackageCount), 1);
    EXPECT_EQ(Ask(root, interface_id::kCPUCMPDetails, &ICPUCMPDetails::GetDisabledCoreCount), 0);
    EXPECT_EQ(Ask(root, interface_id::kCPUPCIDetails, &ICPUPCIDetails::GetChipsetDeviceId), 0x5D31);

    auto* pci = Lookup<ICPUPCIDetails>(root, interface_id::kCPUPCIDetails);
    std::int32_t first = 7;
    std::int32_t second = 7;
    EXPECT_EQ(pci->GetPciLinkValues(1, &first, &second), result::kSuccess);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    float interconnect = -1;
    float memoryController = -1;
    EXPECT_EQ(pci->GetExpectedInterconnect(1, &interconnect, &memoryController), result::kSuccess);
    EXPECT_EQ(interconnect, 0.0f);
    EXPECT_EQ(memoryController, 0.0f);
    pci->DropReference();
    root->DropReference();
}

nlohmann::json& HostBridgeRegisters(nlohmann::json& profile) {
    for (auto& device : profile["pci"]) {
        if (device["device"] == 0) {
            return device["registers"];
        }
    }
    throw std::runtime_error("the profile has no host bridge");
}

TEST(Cpumod12PciOnProfile, DisabledGraphicsKeepTheControlRegister) {
    struct Case {
        std::uint32_t control;  // offset 54h of the host bridge
        std::int32_t code;
    };
    for (const Case& c : {Case{0x0009, 0}, Case{0, -3}}) {
        nlohmann::json profile = Desktop();
        HostBridgeRegisters(profile)["0x54"] = c.control;
        ModuleOnProfile harness;
        const auto [code, root] = InitialiseOn(harness, profile);
        ASSERT_EQ(code, result::kSuccess);
        EXPECT_EQ(Ask(root, interface_id::kCPUPCIDetails, &ICPUPCIDetails::GetGraphicsCode), c.code)
            << c.control;
        root->DropReference();
    }
}

TEST(Cpumod12PciOnProfile, AFailingReadFailsInitialize) {
    struct Case {
        int device;
        int function;
        int offset;
    };
    // Chipset and the three reads of the graphics probe.
    for (const Case& c : {Case{31, 0, 2}, Case{0, 0, 0x54}, Case{0, 0, 0x50}, Case{2, 0, 2}}) {
        nlohmann::json profile = Desktop();
        profile["faults"]["pci"] = {
            {{"device", c.device}, {"function", c.function}, {"offset", c.offset}, {"code", 91}}};
        ModuleOnProfile harness;
        const auto [code, root] = InitialiseOn(harness, profile);
        EXPECT_EQ(code, 91) << c.device << ":" << c.function << " " << c.offset;
        if (root != nullptr) {
            root->DropReference();
        }
    }
}

}  // namespace
