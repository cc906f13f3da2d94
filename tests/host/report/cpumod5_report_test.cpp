// sondrel-report as a program on the bundled profiles of Cpumod5, line by
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

std::vector<std::string> Features(const char* sse3, const char* virtualization) {
    return {
        "Enhanced Quarn Ratewise(R) Technology: Yes",
        "MMX(TM): Yes",
        "Quarn(R) SSE: Yes",
        "Quarn(R) SSE2: Yes",
        std::string("Quarn(R) SSE3: ") + sse3,
        "Quarn(R) SSE4: No",
        "Quarn(R) AES-NI: No",
        "Quarn(R) AVX: No",
        "Enhanced Halt State: No",
        "Execute Disable Bit: Yes",
        "Quarn(R) Twinstrand Technology: No",
        "Quarn(R) 64 Architecture: No",
        std::string("Quarn(R) Virtualization Technology: ") + virtualization,
        "Quarn(R) HVX with Extended Page Tables: No",
        "System Graphics: Add-in Graphics",
    };
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& features,
                                const std::vector<std::string>& last) {
    first.insert(first.end(), features.begin(), features.end());
    first.insert(first.end(), last.begin(), last.end());
    return first;
}

TEST(ReportOnCpumod5Profiles, SingleCoreMobilePartOnA533Bus) {
    ExpectReport(
        "cpumod5/mobile_corvid_m_0d.json",
        Report(Joined({"Number of processors in system: 1", "Current processor: #1",
                       "Active cores per processor: 1", "Disabled cores per processor: 0",
                       "Processor Name: Quarn(R) Corvid(R) M processor 1.73GHz", "Type: 0", "Family: 6",
                       "Model: D", "Stepping: 8", "Revision: 20", "Maximum CPUID Level: 2",
                       "L1 Instruction Cache: 32 KB", "L1 Data Cache: 32 KB", "L2 Cache: 2 MB",
                       "Packaging: QPG-478 mobile pin grid array"},
                      Features("No", "No"),
                      {"Expected Processor Frequency: 1.73 GHz", "Reported Processor Frequency: 1.73 GHz",
                       "Expected System Bus Frequency: 533 MHz", "Reported System Bus Frequency: 533 MHz"})));
}

TEST(ReportOnCpumod5Profiles, TwoCorePartOnA667Bus) {
    ExpectReport(
        "cpumod5/mobile_vantor_duo_0e.json",
        Report(Joined({"Number of processors in system: 1", "Current processor: #1",
                       "Active cores per processor: 2", "Disabled cores per processor: 0",
                       "Processor Name: Quarn(R) Vantor(TM) Duo CPU T2500 @ 2.00GHz", "Type: 0", "Family: 6",
                       "Model: E", "Stepping: 8", "Revision: 39", "Maximum CPUID Level: A",
                       "L1 Instruction Cache: 2 x 32 KB", "L1 Data Cache: 2 x 32 KB", "L2 Cache: 2 MB",
                       "Packaging: QPG-478 mobile pin grid array"},
                      Features("Yes", "Yes"),
                      {"Expected Processor Frequency: 2.0 GHz", "Reported Processor Frequency: 2.0 GHz",
                       "Expected System Bus Frequency: 667 MHz", "Reported System Bus Frequency: 667 MHz"})));
}

}  // namespace
