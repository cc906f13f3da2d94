#include "generation_run.h"

#include <gtest/gtest.h>

#include "module_on_profile.h"
#include "sondrel/interface_ids.h"
#include "sondrel/platform/bitmap.h"

namespace sondrel::testing {

namespace {

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    return text;
}

template <class Interface>
struct Held {
    Held(IFreqIDUnknown* root, std::int32_t id) : pointer(Lookup<Interface>(root, id)) {}
    ~Held() {
        if (pointer != nullptr) {
            pointer->DropReference();
        }
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Interface* operator->() const { return pointer; }
    Interface* pointer;
};

void ReadAnswers(IFreqIDUnknown* root, Observed& seen) {
    {
        Held<ICPUInfo> info(root, interface_id::kCPUInfo);
        char text[kNameBufferSize] = {};
        EXPECT_EQ(info->GetProductCode(1, &seen.productCode), result::kSuccess);
        EXPECT_EQ(info->GetProcessorName(1, text), result::kSuccess);
        seen.name = text;
        EXPECT_EQ(info->GetPackage(1, &seen.packageCode, text), result::kSuccess);
        seen.packageName = text;
        for (std::int32_t item = 1; item <= 18; ++item) {
            EXPECT_EQ(info->GetInfoItem(1, item, &seen.items.at(static_cast<std::size_t>(item))),
                      result::kSuccess);
        }
        BitmapHandle logo = nullptr;
        seen.logo = info->GetLogoBitmap(1, &logo);
        const auto bytes = platform::BitmapBytes(logo);
        seen.logoText.assign(bytes.begin(), bytes.end());
        platform::DestroyBitmap(logo);
    }
    {
        Held<ISpeeds> speeds(root, interface_id::kSpeeds);
        EXPECT_EQ(speeds->GetExpectedSpeeds(1, &seen.expectedCpuMHz, &seen.expectedBusMHz), result::kSuccess);
        EXPECT_EQ(speeds->GetReportedSpeeds(1, &seen.reportedCpuMHz, &seen.reportedBusMHz), result::kSuccess);
    }
    {
        Held<ICPUPCIDetails> pci(root, interface_id::kCPUPCIDetails);
        EXPECT_EQ(pci->GetExpectedInterconnect(1, &seen.expectedInterconnectMHz, &seen.expectedMemoryMHz),
                  result::kSuccess);
        EXPECT_EQ(pci->GetReportedInterconnect(1, &seen.reportedInterconnectMHz, &seen.reportedMemoryMHz),
                  result::kSuccess);
        EXPECT_EQ(pci->GetGraphicsCode(1, &seen.graphicsCode), result::kSuccess);
    }
    {
        Held<ICPUCMPDetails> cmp(root, interface_id::kCPUCMPDetails);
        EXPECT_EQ(cmp->GetDisabledCoreCount(1, &seen.disabledCores), result::kSuccess);
    }
    void* tdp = nullptr;
    seen.tdpLookup = root->LookupInterface(interface_id::kTDP, &tdp);
    if (tdp != nullptr) {
        static_cast<ITDP*>(tdp)->DropReference();
    }
}

}  // namespace

nlohmann::json BundledProfile(const std::string& name) {
    return ReadProfile(std::filesystem::path(SONDREL_SOURCE_DIR) / "profiles" / name);
}

void SetSignature(nlohmann::json& profile, std::uint32_t leaf1) {
    SetCpuid(profile, 1, 0, "eax", leaf1);
}

void SetBrand(nlohmann::json& profile, const std::string& brand) {
    profile["packages"][0]["brand"] = brand;
}

void SetMsr(nlohmann::json& profile, const char* msr, std::uint64_t value) {
    profile["packages"][0]["msr"][msr] = Hex(value);
}

std::uint64_t GetMsr(const nlohmann::json& profile, const char* msr) {
    return std::stoull(profile["packages"][0]["msr"][msr].get<std::string>(), nullptr, 0);
}

void SetMsrBit(nlohmann::json& profile, const char* msr, int bit, bool set) {
    const std::uint64_t mask = std::uint64_t{1} << bit;
    const std::uint64_t value = GetMsr(profile, msr);
    SetMsr(profile, msr, set ? (value | mask) : (value & ~mask));
}

void SetPciRegister(nlohmann::json& profile, int device, int function, const char* offset,
                    std::uint32_t value) {
    for (auto& entry : profile["pci"]) {
        if (entry["device"] == device && entry.value("function", 0) == function) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%08X", value);
            entry["registers"][offset] = text;
            return;
        }
    }
    ADD_FAILURE() << "no PCI device " << device << "." << function;
}

Observed Observe(const char* library, const nlohmann::json& profile) {
    ModuleOnProfile harness(library);
    harness.UseProfile(profile);
    Observed seen;
    IFreqIDUnknown* root = harness.Create();
    if (root == nullptr) {
        return seen;
    }
    {
        Held<IInitializePM> init(root, interface_id::kInitializePM);
        seen.initialize = init->Initialize(1);
    }
    if (seen.initialize == result::kSuccess) {
        ReadAnswers(root, seen);
    }
    root->DropReference();
    return seen;
}

}  // namespace sondrel::testing
