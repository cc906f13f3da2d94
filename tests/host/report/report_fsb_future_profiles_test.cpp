// sondrel-report as a program on the bundled profiles of Cpumod7 and
// Cpumod0, line by line against the values worked out in docs/profiles.md.
// The version, time-stamp and operating-system lines depend on the build
// and the machine and are checked for their start only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_program.h"

namespace {

using sondrel::testing::ExpectReport;
using sondrel::testing::Report;

const std::vector<std::string> kFeaturesFrom65nm = {
    "Enhanced Quarn Ratewise(R) Technology: Yes",
    "MMX(TM): Yes",
    "Quarn(R) SSE: Yes",
    "Quarn(R) SSE2: Yes",
    "Quarn(R) SSE3: Yes",
    "Quarn(R) SSE4: No",
    "Quarn(R) AES-NI: No",
    "Quarn(R) AVX: No",
    "Enhanced Halt State: Yes",
    "Execute Disable Bit: Yes",
    "Quarn(R) Twinstrand Technology: No",
    "Quarn(R) 64 Architecture: Yes",
    "Quarn(R) Virtualization Technology: Yes",
    "Quarn(R) HVX with Extended Page Tables: No",
    "System Graphics: Add-in Graphics",
};

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& features,
                                const std::vector<std::string>& last) {
    first.insert(first.end(), features.begin(), features.end());
    first.insert(first.end(), last.begin(), last.end());
    return first;
}

TEST(ReportOnFrontSideBusProfiles, TwoCoreDesktopOnA533Bus) {
    ExpectReport(
        "cpumod7/desktop_vantor2_duo_0f.json",
        Report(Joined({"Number of processors in system: 1", "Current processor: #1",
                       "Active cores per processor: 2", "Disabled cores per processor: 0",
                       "Processor Name: Quarn(R) Vantor(TM)2 Duo CPU E6760 @ 2.66GHz", "Type: 0", "Family: 6",
                       "Model: F", "Stepping: 6", "Revision: C7", "Maximum CPUID Level: A",
                       "L1 Instruction Cache: 2 x 32 KB", "L1 Data Cache: 2 x 32 KB", "L2 Cache: 4 MB",
                       "Packaging: QLG-775 desktop land grid array"},
                      kFeaturesFrom65nm,
                      {"Expected Processor Frequency: 2.66 GHz", "Reported Processor Frequency: 2.66 GHz",
                       "Expected System Bus Frequency: 533 MHz", "Reported System Bus Frequency: 533 MHz"})));
}

TEST(ReportOnFrontSideBusProfiles, FourCorePartOnA667Bus) {
    ExpectReport(
        "cpumod7/desktop_vantor2_quad_0f.json",
        Report(Joined({"Number of processors in system: 1", "Current processor: #1",
                       "Active cores per processor: 4", "Disabled cores per processor: 0",
                       "Processor Name: Quarn(R) Vantor(TM)2 Quad CPU Q6650 @ 2.50GHz", "Type: 0",
                       "Family: 6", "Model: F", "Stepping: B", "Revision: C7", "Maximum CPUID Level: A",
                       "L1 Instruction Cache: 4 x 32 KB", "L1 Data Cache: 4 x 32 KB", "L2 Cache: 2 x 4 MB",
                       "Packaging: QLG-775 desktop land grid array"},
                      kFeaturesFrom65nm,
                      {"Expected Processor Frequency: 2.50 GHz", "Reported Processor Frequency: 2.50 GHz",
                       "Expected System Bus Frequency: 667 MHz", "Reported System Bus Frequency: 667 MHz"})));
}

TEST(ReportOnFutureProfile, NoFrequencyBlockAndNoCachesOfItsOwn) {
    ExpectReport(
        "cpumod0/future_family6_a5.json",
        Report({"Number of processors in system: 16", "Current processor: #1",
                "Active cores per processor: 1", "Disabled cores per processor: 0",
                "Processor Name: Quarn(R) Processor (newer than this program)", "Type: 0", "Family: 6",
                "Model: A5", "Stepping: 2", "Revision: Unknown", "Maximum CPUID Level: 20",
                // The host's cache text for a module without a cache interface.
                "L1 Instruction Cache: Unknown", "L1 Data Cache: Unknown", "L2 Cache: Unknown",
                "Packaging: Package not identified", "Enhanced Quarn Ratewise(R) Technology: Yes",
                "MMX(TM): Yes", "Quarn(R) SSE: Yes", "Quarn(R) SSE2: Yes", "Quarn(R) SSE3: Yes",
                "Quarn(R) SSE4: No", "Quarn(R) AES-NI: No", "Quarn(R) AVX: No", "Enhanced Halt State: No",
                "Execute Disable Bit: Yes", "Quarn(R) Twinstrand Technology: No",
                "Quarn(R) 64 Architecture: Yes", "Quarn(R) Virtualization Technology: Yes",
                "Quarn(R) HVX with Extended Page Tables: No", "System Graphics: Add-in Graphics"}));
}

}  // namespace
