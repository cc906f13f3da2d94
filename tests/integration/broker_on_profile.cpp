#include "broker_on_profile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace sondrel::testing {

namespace {

nlohmann::json Leaf1(std::uint32_t eax) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", eax);
    return nlohmann::json::array({{{"leaf", "0x1"}, {"eax", text}}});
}

}  // namespace

nlohmann::json MultiPackageDesktop(int packages, std::uint32_t laterSignature) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    const nlohmann::json first = profile["packages"][0];
    const int perPackage = first["logicalProcessors"].get<int>();
    for (int package = 1; package < packages; ++package) {
        nlohmann::json later = first;
        later["processors"]["1"]["cpuid"] = Leaf1(laterSignature);
        profile["packages"].push_back(later);
    }
    // System counts: packages, all logical processors, all cores.
    profile["systemCounts"] = {packages, packages * perPackage, packages * perPackage / 2};
    return profile;
}

nlohmann::json DesktopWithProcessorSignature(int processor, std::uint32_t signature) {
    nlohmann::json profile = ReadProfile(kDesktopProfile);
    profile["packages"][0]["processors"][std::to_string(processor)]["cpuid"] = Leaf1(signature);
    return profile;
}

SelectedProfile::SelectedProfile(const nlohmann::json& profile) {
    const auto path = scratch_.path() / "profile.json";
    std::ofstream(path) << profile.dump(2);
    ::setenv("SONDREL_PROFILE", path.c_str(), 1);
}

SelectedProfile::~SelectedProfile() {
    ::unsetenv("SONDREL_PROFILE");
}

}  // namespace sondrel::testing
