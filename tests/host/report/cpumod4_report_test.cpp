// sondrel-report as a program on the bundled profiles of Cpumod4, line by
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

// Lines every part of the generation shares between its name block and its features.
std::vector<std::string> Processor(const std::string& name, const std::string& stepping) {
    return {"Number of processors in system: 1",
            "Current processor: #1",
            "Active cores per processor: 1",
            "Disabled cores per processor: 0",
            "Processor Name: " + name,
            "Type: 0",
            "Family: F",
            "Model: 2",
            "Stepping: " + stepping,
            "Revision: 1D",
            "Maximum CPUID Level: 2",
            "L1 Trace Cache: 12 K uops",
            "L1 Data Cache: 8 KB",
            "L2 Cache: 512 KB"};
}

std::vector<std::string> Joined(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::vector<std::string> Features(const char* ratewise, const char* twinstrand) {
    return {std::string("Enhanced Quarn Ratewise(R) Technology: ") + ratewise,
            "MMX(TM): Yes",
            "Quarn(R) SSE: Yes",
            "Quarn(R) SSE2: Yes",
            "Quarn(R) SSE3: No",
            "Quarn(R) SSE4: No",
            "Quarn(R) AES-NI: No",
            "Quarn(R) AVX: No",
            "Enhanced Halt State: No",
            "Execute Disable Bit: No",
            std::string("Quarn(R) Twinstrand Technology: ") + twinstrand,
            "Quarn(R) 64 Architecture: No",
            "Quarn(R) Virtualization Technology: No",
            "Quarn(R) HVX with Extended Page Tables: No",
            "System Graphics: Add-in Graphics"};
}

TEST(ReportOnCpumod4Profiles, DesktopPartWithTwinstrandOnA533Bus) {
    ExpectReport("cpumod4/desktop_corvid4_twinstrand_f29.json",
                 Report(Joined(Joined(Processor("Quarn(R) Corvid(R) 4 CPU 3.06GHz", "9"),
                                      {"Packaging: QPG-478 desktop pin grid array"}),
                               Joined(Features("No", "Yes"), {"Expected Processor Frequency: 3.06 GHz",
                                                              "Reported Processor Frequency: 3.06 GHz",
                                                              "Expected System Bus Frequency: 533 MHz",
                                                              "Reported System Bus Frequency: 533 MHz"}))));
}

TEST(ReportOnCpumod4Profiles, MobilePartWithFrequencyScalingOnA400Bus) {
    ExpectReport("cpumod4/mobile_corvid4_m_f27.json",
                 Report(Joined(Joined(Processor("Mobile Quarn(R) Corvid(R) 4 CPU - M 2.20GHz", "7"),
                                      {"Packaging: QPG-478 mobile pin grid array"}),
                               Joined(Features("Yes", "No"), {"Expected Processor Frequency: 2.20 GHz",
                                                              "Reported Processor Frequency: 2.20 GHz",
                                                              "Expected System Bus Frequency: 400 MHz",
                                                              "Reported System Bus Frequency: 400 MHz"}))));
}

}  // namespace
