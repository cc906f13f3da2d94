// Profiles for runs through the real hardware broker, which reads the same
// SONDREL_PROFILE as the data module.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>

#include "module_on_profile.h"

namespace sondrel::testing {

// Leaf 1 EAX of the desktop fixture: family 6, (9,14), stepping 9.
inline constexpr std::uint32_t kDesktopSignature = 0x000906E9;
inline constexpr std::uint32_t kDesktopSignatureStepping10 = 0x000906EA;

// The desktop fixture as `packages` packages; the first processor of every
// package after the first reports `laterSignature` in CPUID leaf 1.
nlohmann::json MultiPackageDesktop(int packages, std::uint32_t laterSignature);

// The desktop fixture with processor `processor` of the one package
// reporting `signature` in CPUID leaf 1.
nlohmann::json DesktopWithProcessorSignature(int processor, std::uint32_t signature);

// Writes a profile into a scratch directory and selects it for the broker
// and the data module; the selection is undone with the object.
class SelectedProfile {
public:
    explicit SelectedProfile(const nlohmann::json& profile);
    ~SelectedProfile();
    SelectedProfile(const SelectedProfile&) = delete;
    SelectedProfile& operator=(const SelectedProfile&) = delete;

private:
    ScratchDirectory scratch_;
};

}  // namespace sondrel::testing
