// Cpumod12.so taking its snapshot through ProfileData.so.
#include <gtest/gtest.h>

#include <fstream>

#include "module_on_profile.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/library.h"

namespace fs = std::filesystem;
using namespace sondrel;
using namespace sondrel::testing;

namespace {

constexpr std::int32_t kLeaf1FamilyFifteen = 0x00090FE9;  // family nibble 15
constexpr std::int32_t kLeaf1TypeOne = 0x000916E9;        // processor type bits 13-12 = 1
constexpr std::uint32_t kLeaf1EcxVirtualization = 1u << 5;

struct Initialised {
    ResultCode code;
    IFreqIDUnknown* root;
};

Initialised InitialiseOn(ModuleOnProfile& harness, const nlohmann::json& profile,
                         std::int32_t processor = 1) {
    harness.UseProfile(profile);
    IFreqIDUnknown* root = harness.Create();
    if (root == nullptr) {
        return {result::kUnexpectedFailure, nullptr};
    }
    auto* init = Lookup<IInitializePM>(root, interface_id::kInitializePM);
    const ResultCode code = init->Initialize(processor);
    init->DropReference();
    return {code, root};
}

std::int32_t Query(IFreqIDUnknown* root,
                   ResultCode (ICPUCMPDetails::*operation)(std::int32_t, std::int32_t*)) {
    auto* details = Lookup<ICPUCMPDetails>(root, interface_id::kCPUCMPDetails);
    std::int32_t value = -99;
    EXPECT_EQ((details->*operation)(1, &value), result::kSuccess);
    details->DropReference();
    return value;
}

}  // namespace

TEST(Cpumod12OnProfile, DesktopProcessorInitialises) {
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, ReadProfile(kDesktopProfile));
    ASSERT_EQ(code, result::kSuccess);
    ASSERT_NE(root, nullptr);

    auto* signature = Lookup<ICPUSignature>(root, interface_id::kCPUSignature);
    std::int32_t family = 0, model = 0, extendedModel = 0, stepping = 0, type = -1, extendedFamily = -1;
    EXPECT_EQ(signature->GetFamily(1, &family), result::kSuccess);
    EXPECT_EQ(signature->GetModel(1, &model), result::kSuccess);
    EXPECT_EQ(signature->GetExtendedModel(1, &extendedModel), result::kSuccess);
    EXPECT_EQ(signature->GetStepping(1, &stepping), result::kSuccess);
    EXPECT_EQ(signature->GetProcessorType(1, &type), result::kSuccess);
    EXPECT_EQ(signature->GetExtendedFamily(1, &extendedFamily), result::kSuccess);
    EXPECT_EQ((std::array{family, model, extendedModel, stepping, type, extendedFamily}),
              (std::array{6, 14, 9, 9, 0, 0}));
    signature->DropReference();

    // Leaf 0xB: 2 threads per core, 8 per package; MSR 0x35: 4 cores, 8 threads.
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetMaxCoreCount), 4);
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetPackageThreadCount), 8);
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetThreadCount), 8);
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetMultiCoreEnabled), 1);
    // System counts (1, 8, 4): 8 logical processors / ThreadCount 8.
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetPackageCount), 1);

    auto* details = Lookup<ICPUDetails>(root, interface_id::kCPUDetails);
    std::int32_t activeCores = 0;
    EXPECT_EQ(details->GetActiveCoreCount(1, &activeCores), result::kSuccess);
    EXPECT_EQ(activeCores, 4);
    details->DropReference();

    auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
    std::int32_t revision = 0;
    EXPECT_EQ(info->GetRevision(1, &revision), result::kSuccess);
    EXPECT_EQ(revision, 0xB4);
    info->DropReference();

    // "BaseTDP" 0x2D8 = 728 in units of 1/2^3 W.
    auto* tdp = Lookup<ITDP>(root, interface_id::kTDP);
    std::int32_t watts = 0;
    EXPECT_EQ(tdp->GetBaseTDP(1, &watts), result::kSuccess);
    EXPECT_EQ(watts, 91);
    tdp->DropReference();

    // The second snapshot's measurement; the bus is the nominal 100 MHz.
    auto* speeds = Lookup<ISpeeds>(root, interface_id::kSpeeds);
    float cpu = 0, bus = 0;
    EXPECT_EQ(speeds->GetReportedSpeeds(1, &cpu, &bus), result::kSuccess);
    EXPECT_FLOAT_EQ(cpu, 4199.2f);
    EXPECT_FLOAT_EQ(bus, 100.0f);
    speeds->DropReference();

    EXPECT_EQ(root->DropReference(), 0);
}

TEST(Cpumod12OnProfile, OnlyTheLowByteOfTheHighestLeafCounts) {
    // 0x103 is leaf 3: no leaf 4 or 0xB, so one core and one thread.
    // Read as 32 bits it would reach leaf 0xB and find 4 cores.
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    SetCpuid(profile, 0, 0, "eax", 0x103);
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, profile);
    ASSERT_EQ(code, result::kSuccess);
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetMaxCoreCount), 0);
    EXPECT_EQ(Query(root, &ICPUCMPDetails::GetPackageThreadCount), 1);
    root->DropReference();
}

TEST(Cpumod12OnProfile, ProcessorTypeOneIsNotHandledAndReadsOnlyTheRevision) {
    // No register field is listed, so an unreadable "CoreCount" cannot fail it.
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    SetCpuid(profile, 1, 0, "eax", kLeaf1TypeOne);
    profile["packages"][0]["faults"] = {{"unreadFields", {"CoreCount"}}};
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, profile);
    ASSERT_EQ(code, result::kSuccess);
    auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
    std::int32_t product = 0, revision = 0;
    EXPECT_EQ(info->GetProductCode(1, &product), result::kSuccess);
    EXPECT_EQ(product, 4);
    EXPECT_EQ(info->GetRevision(1, &revision), result::kSuccess);
    EXPECT_EQ(revision, 0xB4);
    info->DropReference();
    root->DropReference();
}

TEST(Cpumod12OnProfile, ProcessorsOutsideItsModelsAreNotHandled) {
    // Leaf-1 signatures: model nibble 7, and extended model 6 with model 14.
    for (const std::uint32_t leaf1 : {0x00090679u, 0x000606E9u}) {
        nlohmann::json profile = ReadProfile(kDesktopProfile);
        SetCpuid(profile, 1, 0, "eax", leaf1);
        ModuleOnProfile harness;
        const auto [code, root] = InitialiseOn(harness, profile);
        ASSERT_EQ(code, result::kSuccess);
        auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
        std::int32_t product = 0;
        EXPECT_EQ(info->GetProductCode(1, &product), result::kSuccess);
        EXPECT_EQ(product, 4) << std::hex << leaf1;
        info->DropReference();
        auto* speeds = Lookup<ISpeeds>(root, interface_id::kSpeeds);
        float cpu = -1, bus = -1;
        EXPECT_EQ(speeds->GetExpectedSpeeds(1, &cpu, &bus), result::kSuccess);
        EXPECT_EQ(cpu, 0.0f);
        speeds->DropReference();
        root->DropReference();
    }
}

struct FailureCase {
    const char* name;
    void (*change)(nlohmann::json&);
    ResultCode expected;
};

class Cpumod12InitialiseFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Cpumod12InitialiseFailure, FailsWithTheExpectedCode) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    GetParam().change(profile);
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, profile);
    EXPECT_EQ(code, GetParam().expected);
    if (root != nullptr) {
        // A failed Initialize leaves the object answering nothing.
        auto* info = Lookup<ICPUInfo>(root, interface_id::kCPUInfo);
        std::int32_t product = -5;
        EXPECT_EQ(info->GetProductCode(1, &product), result::kNotInitialized);
        EXPECT_EQ(product, -5);
        info->DropReference();
        root->DropReference();
    }
}

void FaultOnPackage(nlohmann::json& profile, const char* key, nlohmann::json value) {
    profile["packages"][0]["faults"][key] = std::move(value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cpumod12InitialiseFailure,
    ::testing::Values(
        FailureCase{"FamilyFifteen", [](nlohmann::json& p) { SetCpuid(p, 1, 0, "eax", kLeaf1FamilyFifteen); },
                    result::kFamilyNotSix},
        FailureCase{"CoreCountUnread",
                    [](nlohmann::json& p) { FaultOnPackage(p, "unreadFields", {"CoreCount"}); },
                    result::kRegisterFieldUnread},
        FailureCase{"TurboDisableUnread",
                    [](nlohmann::json& p) { FaultOnPackage(p, "unreadFields", {"TurboDisable"}); },
                    result::kRegisterFieldUnread},
        FailureCase{"HeaderErrorCode", [](nlohmann::json& p) { FaultOnPackage(p, "listErrorCode", 5); }, 5},
        FailureCase{"RegisterReadFails",
                    [](nlohmann::json& p) { FaultOnPackage(p, "registerFields", "0x1234"); }, 0x1234},
        FailureCase{"ProcessorAbsent", [](nlohmann::json& p) { p["packages"][0]["absent"] = {1}; },
                    result::kProcessorNotPresent},
        FailureCase{"PresenceFails", [](nlohmann::json& p) { FaultOnPackage(p, "presence", "0x4321"); },
                    0x4321},
        FailureCase{"CpuidFails",
                    [](nlohmann::json& p) {
                        FaultOnPackage(p, "cpuid", {{{"leaf", "0x6"}, {"code", "0x80041F99"}}});
                    },
                    detail::Code(0x80041F99u)},
        FailureCase{"MeasurementFails", [](nlohmann::json& p) { FaultOnPackage(p, "measurement", 77); }, 77},
        FailureCase{"SystemCountsFail", [](nlohmann::json& p) { p["faults"]["systemCounts"] = 78; }, 78},
        FailureCase{"ProcessorCountFails", [](nlohmann::json& p) { p["faults"]["processorCount"] = 79; },
                    result::kFileNotFound},
        FailureCase{"ProcessorAccessUnavailable",
                    [](nlohmann::json& p) { p["faults"]["processorAccessInterface"] = 80; },
                    result::kInterfaceUnavailable},
        FailureCase{"RegisterFieldsUnavailable",
                    [](nlohmann::json& p) { p["faults"]["registerFieldsInterface"] = 81; },
                    result::kInterfaceUnavailable},
        FailureCase{"PciConfigUnavailable", [](nlohmann::json& p) { p["faults"]["pciConfigInterface"] = 82; },
                    result::kInterfaceUnavailable},
        // With the virtualization bit the list carries "EPTEnabled", which
        // this profile's processor cannot read without MSR 0x48B.
        FailureCase{"EptFieldUnreadable", [](nlohmann::json& p) { p["packages"][0]["msr"].erase("0x48B"); },
                    result::kRegisterFieldUnread}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Cpumod12OnProfile, WithoutVirtualizationTheEptRegisterIsNotAsked) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    SetCpuid(profile, 1, 0, "ecx", GetCpuid(profile, 1, 0, "ecx") & ~kLeaf1EcxVirtualization);
    profile["packages"][0]["msr"].erase("0x48B");
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, profile);
    EXPECT_EQ(code, result::kSuccess);
    if (root != nullptr) {
        root->DropReference();
    }
}

TEST(Cpumod12OnProfile, ProcessorNumbersOutsideTheMachineAreRefused) {
    const nlohmann::json profile = ReadProfile(kDesktopProfile);
    for (std::int32_t processor : {0, 9, -1}) {
        ModuleOnProfile harness;
        const auto [code, root] = InitialiseOn(harness, profile, processor);
        EXPECT_EQ(code, result::kProcessorOutOfRange) << processor;
        if (root != nullptr) {
            root->DropReference();
        }
    }
}

TEST(Cpumod12OnProfile, AnObjectAnswersOnlyForItsOwnProcessor) {
    ModuleOnProfile harness;
    const auto [code, root] = InitialiseOn(harness, ReadProfile(kDesktopProfile), 2);
    ASSERT_EQ(code, result::kSuccess);
    auto* signature = Lookup<ICPUSignature>(root, interface_id::kCPUSignature);
    std::int32_t family = 0;
    EXPECT_EQ(signature->GetFamily(1, &family), result::kNotInitialized);
    EXPECT_EQ(signature->GetFamily(2, &family), result::kSuccess);
    EXPECT_EQ(family, 6);
    signature->DropReference();
    root->DropReference();
}

TEST(Cpumod12OnProfile, ABrokenProfileGivesOneClearLineAndNoCrash) {
    ModuleOnProfile harness;
    const fs::path broken = harness.scratch().path() / "broken.json";
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    profile["packages"][0]["cpuid"][1]["eax"] = "0x1000000000";
    std::ofstream(broken) << profile.dump();
    harness.UseProfileFile(broken);
    IFreqIDUnknown* root = harness.Create();
    ASSERT_NE(root, nullptr);
    auto* init = Lookup<IInitializePM>(root, interface_id::kInitializePM);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(init->Initialize(1), result::kInterfaceUnavailable);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(broken.string()), std::string::npos) << errors;
    EXPECT_NE(errors.find("packages[0].cpuid[1].eax"), std::string::npos) << errors;
    init->DropReference();
    root->DropReference();
}

TEST(Cpumod12OnProfile, ATamperedDataModuleCountsAsMissing) {
    ModuleOnProfile harness;
    harness.UseProfileFile(kDesktopProfile);
    const fs::path directory = harness.scratch().path();
    for (const char* name : {"ProfileData.so", platform::kTrustManifestName}) {
        fs::copy_file(fs::path(SONDREL_OUTPUT_DIR) / name, directory / name);
    }
    const std::string copy = (directory / "ProfileData.so").string();

    void* root = nullptr;
    ASSERT_EQ(harness.Create(copy.c_str(), &root), result::kSuccess);
    static_cast<IFreqIDUnknown*>(root)->DropReference();

    std::ofstream(copy, std::ios::binary | std::ios::app).put('\0');
    root = reinterpret_cast<void*>(1);
    EXPECT_EQ(harness.Create(copy.c_str(), &root), result::kFileNotFound);
    EXPECT_EQ(root, nullptr);
}
