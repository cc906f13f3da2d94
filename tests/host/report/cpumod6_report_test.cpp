// sondrel-report as a program on the bundled profiles of Cpumod6, line by
// line against the values worked out in docs/profiles.md. The version,
// time-stamp and operating-system lines depend on the build and the machine
// and are checked for their start only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_program.h"

namespace {

using sondrel::testing::ExpectReport;
using sondrel::testing::Report;

// Both profiles' processors: no SSE4, AES-NI, AVX or virtualization,
// Twinstrand on, 64-bit with Execute Disable.
const std::vector<std::string> kFeatures = {
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
    "Quarn(R) Twinstrand Technology: Yes",
    "Quarn(R) 64 Architecture: Yes",
    "Quarn(R) Virtualization Technology: No",
    "Quarn(R) HVX with Extended Page Tables: No",
    "System Graphics: Add-in Graphics",
};

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& last) {
    first.insert(first.end(), kFeatures.begin(), kFeatures.end());
    first.insert(first.end(), last.begin(), last.end());
    return first;
}

TEST(ReportOnCpumod6Profiles, DesktopPartWithTraceCacheAndGuide) {
    ExpectReport("cpumod6/desktop_corvid4_630_f4.json",
                 Report(Joined({"Number of processors in system: 1", "Current processor: #1",
                                "Active cores per processor: 1", "Disabled cores per processor: 0",
                                "Processor Name: Quarn(R) Corvid(R) 4 CPU 3.00GHz", "Type: 0", "Family: F",
                                "Model: 4", "Stepping: 3", "Revision: 4", "Maximum CPUID Level: 5",
                                "L1 Trace Cache: 12 K uops", "L1 Data Cache: 16 KB", "L2 Cache: 2 MB",
                                "Packaging: QLG-775 desktop land grid array",
                                "Platform Compatibility Guide: 05A"},
                               {"Expected Processor Frequency: 3.0 GHz", "Reported Processor Frequency: 3.0 GHz",
                                "Expected System Bus Frequency: 800 MHz",
                                "Reported System Bus Frequency: 800 MHz"})));
}

TEST(ReportOnCpumod6Profiles, TwoCoreServerWithLevel3) {
    ExpectReport("cpumod6/server_bastra_7140m_f6.json",
                 Report(Joined({"Number of processors in system: 2", "Current processor: #1",
                                "Active cores per processor: 2", "Disabled cores per processor: 0",
                                "Processor Name: Quarn(R) Bastra(R) CPU 7140M @ 3.40GHz", "Type: 0",
                                "Family: F", "Model: 6", "Stepping: 8", "Revision: 8", "Maximum CPUID Level: 5",
                                "L1 Trace Cache: 2 x 12 K uops", "L1 Data Cache: 2 x 16 KB",
                                "L2 Cache: 2 x 1 MB", "L3 Cache: 2 x 16 MB",
                                "Packaging: QPG-604 server pin grid array"},
                               {"Expected Processor Frequency: 3.40 GHz",
                                "Reported Processor Frequency: 3.40 GHz",
                                "Expected System Bus Frequency: 800 MHz",
                                "Reported System Bus Frequency: 800 MHz"})));
}

}  // namespace
