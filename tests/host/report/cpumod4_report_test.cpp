// sondrel-report as a program on the bundled profiles of Cpumod4, line by
// line against the values worked out in docs/profiles.md. The version,
// time-stamp and operating-system lines depend on the build and the machine
// and are checked for their start only.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReportLines(const char* profile, int* status) {
    const std::string command = "SONDREL_PROFILE='" +
                                (fs::path(SONDREL_SOURCE_DIR) / "profiles" / profile).string() + "' '" +
                                (fs::path(SONDREL_OUTPUT_DIR) / "sondrel-report").string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    *status = pipe != nullptr ? ::pclose(pipe) : -1;
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

void ExpectReport(const char* profile, const std::vector<std::string>& want) {
    int status = -1;
    const std::vector<std::string> lines = ReportLines(profile, &status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (want[i].back() == '*' && want[i].front() != '*') {
            EXPECT_EQ(lines[i].rfind(want[i].substr(0, want[i].size() - 1), 0), 0u) << lines[i];
        } else {
            EXPECT_EQ(lines[i], want[i]);
        }
    }
}

const std::vector<std::string> kHead = {
    "Quarn(R) Sondrel",
    "Version: 5.80.*",
    "Time Stamp: *",
    "Operating System: *",
};

std::vector<std::string> Report(std::vector<std::string> body) {
    std::vector<std::string> lines = kHead;
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("*************************************************************");
    return lines;
}

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
