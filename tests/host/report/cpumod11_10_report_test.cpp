// sondrel-report run as a program on the bundled profiles of Cpumod11 and
// Cpumod10, through the real broker, modules, data module and Glossa. The
// expected lines are the hand-worked values of docs/profiles.md; the time
// stamp and the operating-system line are checked for their form only.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "sondrel/ui/build_stamp.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// The report of processor 1, as lines without their line ends (standard output ends lines with LF).
Lines Report(const char* profile, int* status) {
    const fs::path output =
        fs::temp_directory_path() / ("sondrel-generation-report-" + std::to_string(::getpid()));
    const std::string command =
        "SONDREL_PROFILE=" + Quoted((fs::path(SONDREL_SOURCE_DIR) / profile).string()) + " " +
        Quoted((fs::path(SONDREL_OUTPUT_DIR) / "sondrel-report").string()) + " >" + Quoted(output.string());
    const int code = std::system(command.c_str());
    *status = WIFEXITED(code) ? WEXITSTATUS(code) : -1;
    std::ifstream input(output, std::ios::binary);
    std::stringstream content;
    content << input.rdbuf();
    fs::remove(output);
    const std::string text = content.str();
    Lines lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void ExpectReport(const char* profile, const Lines& fromProcessorCount) {
    SCOPED_TRACE(profile);
    int status = -1;
    const Lines lines = Report(profile, &status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 4 + fromProcessorCount.size());
    std::string stamp;
    ASSERT_EQ(sondrel::ui::GetBuildStamp(stamp), sondrel::result::kSuccess);
    EXPECT_EQ(lines[0], "Quarn(R) Sondrel");
    EXPECT_EQ(lines[1], "Version: 5.80." + stamp);
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(Time Stamp: \d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})")));
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"(Operating System: .+)")));
    for (std::size_t i = 0; i < fromProcessorCount.size(); ++i) {
        EXPECT_EQ(lines[4 + i], fromProcessorCount[i]) << "line " << 4 + i;
    }
}

Lines Joined(std::initializer_list<Lines> parts) {
    Lines lines;
    for (const Lines& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

// Both Cpumod11 profiles share leaf 1 ECX 7FFAFBFF / EDX BFEBFBFF, leaf
// 80000001h EDX 2C100800 and the MSRs 1FCh ("C1E" 1) and 48Bh ("EPTEnabled" 1).
const Lines kEveryFeature = {
    "Enhanced Quarn Ratewise(R) Technology: Yes",
    "MMX(TM): Yes",
    "Quarn(R) SSE: Yes",
    "Quarn(R) SSE2: Yes",
    "Quarn(R) SSE3: Yes",
    "Quarn(R) SSE4: Yes",
    "Quarn(R) AES-NI: Yes",
    "Quarn(R) AVX: Yes",
    "Enhanced Halt State: Yes",
    "Execute Disable Bit: Yes",
    // "ThreadCount" 2 × "CoreCount" with the multi-threading bit.
    "Quarn(R) Twinstrand Technology: Yes",
    "Quarn(R) 64 Architecture: Yes",
    "Quarn(R) Virtualization Technology: Yes",
    "Quarn(R) HVX with Extended Page Tables: Yes",
};

TEST(GenerationReports, Cpumod11Desktop) {
    ExpectReport("profiles/cpumod11/desktop_vantor_i7_3c.json",
                 Joined({{
                             // P = 8 / 4 rejected (multi-core), and item 7 is 0 for 80: one.
                             "Number of processors in system: 1",
                             "Current processor: #1",
                             "Active cores per processor: 4",
                             "Disabled cores per processor: 0",
                             // Product 80 cleared ("Production" 1): string 113.
                             "Processor Name: Quarn(R) Vantor(TM) i7 Processor",
                             "Type: 0",
                             "Family: 6",
                             "Model: 3C",
                             "Stepping: 3",
                             "Revision: 28",
                             "Maximum CPUID Level: D",
                             // Leaf 4, shared as the module counts them.
                             "L1 Instruction Cache: 4 x 32 KB",
                             "L1 Data Cache: 4 x 32 KB",
                             "L2 Cache: 4 x 256 KB",
                             "L3 Cache: 8 MB",
                             "Packaging: QLG-1150 desktop land grid array",
                         },
                         kEveryFeature,
                         {
                             // Graphics 5A0Ah: code 10.
                             "System Graphics: Quarn(R) Lumen(TM) Graphics 10-500",
                             // 2A0h eighths.
                             "Base TDP: 84 W",
                             "Reported Processor Frequency: 3.89 GHz",
                             "Reported System Bus Frequency: 100 MHz",
                             "*************************************************************",
                         }}));
}

TEST(GenerationReports, Cpumod11MobileSample) {
    ExpectReport("profiles/cpumod11/mobile_vantor_i5_4e_sample.json",
                 Joined({{
                             "Number of processors in system: 1",
                             "Current processor: #1",
                             "Active cores per processor: 2",
                             "Disabled cores per processor: 0",
                             // Derived, so the brand string stays.
                             "Processor Name: Quarn(R) Vantor(TM) i5-4200U CPU @ 1.60GHz",
                             "Type: 0",
                             "Family: 6",
                             "Model: 45",
                             "Stepping: 1",
                             "Revision: 17",
                             "Maximum CPUID Level: D",
                             "L1 Instruction Cache: 2 x 32 KB",
                             "L1 Data Cache: 2 x 32 KB",
                             "L2 Cache: 2 x 256 KB",
                             "L3 Cache: 3 MB",
                             // Mobile: 4200 with the suffix U.
                             "Packaging: QBG-1168 mobile ball grid array",
                         },
                         kEveryFeature,
                         {
                             // Graphics 5A20h at 15 W: code 17.
                             "System Graphics: Quarn(R) Lumen(TM) Graphics 11-400",
                             "Base TDP: 15 W",
                             // Items 9 and 10 ("Production" 0) show the expected values;
                             // 1571.9 is measured again and 1598.7 snaps onto 1600.
                             "Expected Processor Frequency: 1.60 GHz",
                             "Reported Processor Frequency: 1.60 GHz",
                             "Expected System Bus Frequency: 100 MHz",
                             "Reported System Bus Frequency: 100 MHz",
                             "*************************************************************",
                         }}));
}

TEST(GenerationReports, Cpumod11TwoPackageServer) {
    ExpectReport("profiles/cpumod11/server_bastra_56.json",
                 Joined({{
                             // K = 32 / 16 = 2, but Twinstrand packages with more threads than
                             // cores count as one processor (P = 1, no menu).
                             "Number of processors in system: 1",
                             "Current processor: #1",
                             "Active cores per processor: 8",
                             // Offset 80h reads 0: every core of the package is active.
                             "Disabled cores per processor: 0",
                             // "Quarn(R) Bastra(R) CPU " on (5, 6): class 43, product 129, cleared.
                             "Processor Name: Quarn(R) Bastra(R) Processor",
                             "Type: 0",
                             "Family: 6",
                             "Model: 56",
                             "Stepping: 3",
                             "Revision: 428",
                             "Maximum CPUID Level: D",
                             "L1 Instruction Cache: 8 x 32 KB",
                             "L1 Data Cache: 8 x 32 KB",
                             "L2 Cache: 8 x 256 KB",
                             "L3 Cache: 20 MB",
                             "Packaging: QLG-2011 server land grid array",
                         },
                         kEveryFeature,
                         {
                             // Graphics switched off (54h bit 4 clear, value 0): code -3.
                             "System Graphics: Add-in Graphics",
                             "Base TDP: 130 W",
                             "Reported Processor Frequency: 3.29 GHz",
                             "Reported System Bus Frequency: 100 MHz",
                             "*************************************************************",
                         }}));
}

TEST(GenerationReports, Cpumod10Tablet) {
    ExpectReport("profiles/cpumod10/tablet_ember_z3745.json",
                 {
                     "Number of processors in system: 1",
                     "Current processor: #1",
                     // Counts from CPUID: 4 cores, none disabled.
                     "Active cores per processor: 4",
                     "Disabled cores per processor: 0",
                     // Product 78, always cleared in this generation: string 112.
                     "Processor Name: Quarn(R) Ember(TM) Processor",
                     "Type: 0",
                     "Family: 6",
                     "Model: 37",
                     "Stepping: 8",
                     "Revision: 830",
                     "Maximum CPUID Level: B",
                     // (3, 7) with several cores: 4 first-level caches, 2 second-level, no third.
                     "L1 Instruction Cache: 4 x 32 KB",
                     "L1 Data Cache: 4 x 24 KB",
                     "L2 Cache: 2 x 1 MB",
                     "Packaging: QBG-1380 system-on-chip ball grid array",
                     "Enhanced Quarn Ratewise(R) Technology: Yes",
                     "MMX(TM): Yes",
                     "Quarn(R) SSE: Yes",
                     "Quarn(R) SSE2: Yes",
                     "Quarn(R) SSE3: Yes",
                     "Quarn(R) SSE4: Yes",
                     "Quarn(R) AES-NI: Yes",
                     "Quarn(R) AVX: No",
                     // "C1E" is not read by this generation.
                     "Enhanced Halt State: No",
                     "Execute Disable Bit: Yes",
                     "Quarn(R) Twinstrand Technology: No",
                     "Quarn(R) 64 Architecture: Yes",
                     "Quarn(R) Virtualization Technology: Yes",
                     "Quarn(R) HVX with Extended Page Tables: No",
                     // Graphics 0F31h: code 3, the generic line.
                     "System Graphics: Quarn(R) Lumen Graphics",
                     // No ITDP: no power line. 1332.4 cut to tens.
                     "Reported Processor Frequency: 1.33 GHz",
                     "Reported System Bus Frequency: 100 MHz",
                     "*************************************************************",
                 });
}

TEST(GenerationReports, Cpumod10Netbook) {
    ExpectReport("profiles/cpumod10/netbook_ember_n270.json",
                 {
                     "Number of processors in system: 1",
                     "Current processor: #1",
                     "Active cores per processor: 1",
                     "Disabled cores per processor: 0",
                     "Processor Name: Quarn(R) Ember(TM) Processor",
                     "Type: 0",
                     "Family: 6",
                     "Model: 26",
                     "Stepping: 2",
                     "Revision: 219",
                     "Maximum CPUID Level: A",
                     // Leaf 2 alone (highest leaf 0Ah); one core: single caches, no third level.
                     "L1 Instruction Cache: 32 KB",
                     "L1 Data Cache: 24 KB",
                     "L2 Cache: 512 KB",
                     "Packaging: QBG-1380 system-on-chip ball grid array",
                     "Enhanced Quarn Ratewise(R) Technology: Yes",
                     "MMX(TM): Yes",
                     "Quarn(R) SSE: Yes",
                     "Quarn(R) SSE2: Yes",
                     "Quarn(R) SSE3: Yes",
                     "Quarn(R) SSE4: No",
                     "Quarn(R) AES-NI: No",
                     "Quarn(R) AVX: No",
                     "Enhanced Halt State: No",
                     "Execute Disable Bit: Yes",
                     "Quarn(R) Twinstrand Technology: No",
                     "Quarn(R) 64 Architecture: No",
                     "Quarn(R) Virtualization Technology: No",
                     "Quarn(R) HVX with Extended Page Tables: No",
                     // (2, 6) gets no graphics code: the host's own value stands.
                     "System Graphics: Add-in Graphics",
                     "Reported Processor Frequency: 1.59 GHz",
                     "Reported System Bus Frequency: 100 MHz",
                     "*************************************************************",
                 });
}

}  // namespace
