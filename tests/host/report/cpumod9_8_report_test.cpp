// sondrel-report on the bundled profiles of Cpumod9 and Cpumod8, through the
// real broker, module, data module and Glossa. Every line after the time
// stamp and the operating-system line is compared with the values worked
// out by hand in docs/profiles.md.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

std::string ReadFile(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::stringstream content;
    content << input.rdbuf();
    return content.str();
}

// Runs sondrel-report on a bundled profile; the report's lines without
// their line ends (standard output ends lines with LF), or a failure.
std::vector<std::string> ReportLines(const std::string& profile) {
    const fs::path output =
        fs::temp_directory_path() / ("sondrel-generation-report-" + std::to_string(::getpid()) + ".txt");
    const std::string line =
        "SONDREL_PROFILE='" + (fs::path(SONDREL_SOURCE_DIR) / "profiles" / profile).string() + "' '" +
        (fs::path(SONDREL_OUTPUT_DIR) / "sondrel-report").string() + "' >'" + output.string() + "' 2>&1";
    const int status = std::system(line.c_str());
    const std::string text = ReadFile(output);
    fs::remove(output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
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

void ExpectReport(const std::string& profile, const std::vector<std::string>& fromProcessorCount) {
    const std::vector<std::string> lines = ReportLines(profile);
    ASSERT_EQ(lines.size(), 4 + fromProcessorCount.size());
    std::string stamp;
    ASSERT_EQ(sondrel::ui::GetBuildStamp(stamp), sondrel::result::kSuccess);
    EXPECT_EQ(lines[0], "Quarn(R) Sondrel");
    EXPECT_EQ(lines[1], "Version: 5.80." + stamp);
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(Time Stamp: \d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})")));
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"(Operating System: \d+\.\d+-\d+-.*)")));
    const std::vector<std::string> rest(lines.begin() + 4, lines.end());
    for (std::size_t i = 0; i < std::min(rest.size(), fromProcessorCount.size()); ++i) {
        EXPECT_EQ(rest[i], fromProcessorCount[i]) << "line " << i + 5;
    }
}

// Feature lines of a processor whose leaf 1 ECX bits 0, 5, 7, 19 and, where
// given, 25 and 28 are set, with leaf 0x80000001 EDX 0x28100800, "C1E" and
// "EPTEnabled" 1, and two threads per core.
std::vector<std::string> FeatureLines(bool aesNi, bool avx) {
    return {
        "Enhanced Quarn Ratewise(R) Technology: Yes",
        "MMX(TM): Yes",
        "Quarn(R) SSE: Yes",
        "Quarn(R) SSE2: Yes",
        "Quarn(R) SSE3: Yes",
        "Quarn(R) SSE4: Yes",
        std::string("Quarn(R) AES-NI: ") + (aesNi ? "Yes" : "No"),
        std::string("Quarn(R) AVX: ") + (avx ? "Yes" : "No"),
        "Enhanced Halt State: Yes",
        "Execute Disable Bit: Yes",
        "Quarn(R) Twinstrand Technology: Yes",
        "Quarn(R) 64 Architecture: Yes",
        "Quarn(R) Virtualization Technology: Yes",
        "Quarn(R) HVX with Extended Page Tables: Yes",
    };
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

const std::vector<std::string> kCounts4 = {"Number of processors in system: 1", "Current processor: #1",
                                           "Active cores per processor: 4",
                                           "Disabled cores per processor: 0"};
const std::string kStars = "*************************************************************";

TEST(GenerationReport, Cpumod9Desktop) {
    ExpectReport("cpumod9/desktop_vantor_i7_2a.json",
                 Joined({kCounts4,
                         {
                             // Product 80, production: cleared, refilled with string 113.
                             "Processor Name: Quarn(R) Vantor(TM) i7 Processor",
                             "Type: 0",
                             "Family: 6",
                             "Model: 2A",
                             "Stepping: 7",
                             "Revision: 2D",
                             "Maximum CPUID Level: D",
                             // Leaf 2 names no size (descriptor FFh): leaf 4 gives them.
                             "L1 Instruction Cache: 4 x 32 KB",
                             "L1 Data Cache: 4 x 32 KB",
                             "L2 Cache: 4 x 256 KB",
                             "L3 Cache: 8 MB",
                             "Packaging: QLG-1090 desktop land grid array",
                         },
                         FeatureLines(true, true),
                         {
                             // Graphics 0x5902: code 2.
                             "System Graphics: Quarn(R) Lumen(TM) Graphics 9-200",
                             // No expected lines (items 9 and 10 are 0); 3400.9 MHz
                             // measured, bus 3400.9 / "ActualPState" 34 = 100.03.
                             "Reported Processor Frequency: 3.40 GHz",
                             "Reported System Bus Frequency: 100 MHz",
                             kStars,
                         }}));
}

TEST(GenerationReport, Cpumod9MobileSample) {
    ExpectReport("cpumod9/mobile_vantor_i7_3a.json",
                 Joined({kCounts4,
                         {
                             // Product 80, pre-production: derived, the brand string kept.
                             "Processor Name: Quarn(R) Vantor(TM) i7-3650QM CPU @ 2.40GHz",
                             "Type: 0",
                             "Family: 6",
                             "Model: 3A",
                             "Stepping: 9",
                             "Revision: 15",
                             "Maximum CPUID Level: D",
                             "L1 Instruction Cache: 4 x 32 KB",
                             "L1 Data Cache: 4 x 32 KB",
                             "L2 Cache: 4 x 256 KB",
                             // 12 ways x 64 bytes x 8192 sets.
                             "L3 Cache: 6 MB",
                             // 3650 with Q and M: mobile.
                             "Packaging: QPG-960 mobile pin grid array",
                         },
                         FeatureLines(true, true),
                         {
                             "System Graphics: Quarn(R) Lumen(TM) Graphics 9-400",
                             // 2394.6 snapped onto 2400; bus 2400 / "MaxFSBRatio" 24.
                             "Expected Processor Frequency: 2.40 GHz",
                             "Reported Processor Frequency: 2.40 GHz",
                             "Expected System Bus Frequency: 100 MHz",
                             "Reported System Bus Frequency: 100 MHz",
                             kStars,
                         }}));
}

TEST(GenerationReport, Cpumod8DesktopSample) {
    ExpectReport("cpumod8/desktop_vantor_i7_1a.json",
                 Joined({kCounts4,
                         {
                             // 975 with a programmable ratio: renamed, product 81, derived.
                             "Processor Name: Quarn(R) Vantor(TM) i7 975 Extreme Edition CPU @ 3.33GHz",
                             "Type: 0",
                             "Family: 6",
                             "Model: 1A",
                             "Stepping: 5",
                             "Revision: 11",
                             "Maximum CPUID Level: B",
                             // Leaf-2 descriptors 09h, 2Ch, 21h, E4h.
                             "L1 Instruction Cache: 4 x 32 KB",
                             "L1 Data Cache: 4 x 32 KB",
                             "L2 Cache: 4 x 256 KB",
                             "L3 Cache: 8 MB",
                             "Packaging: QLG-1340 high-end desktop land grid array",
                         },
                         FeatureLines(false, false),
                         {
                             // Graphics register 54h bit 4 clear, value 0: code -3.
                             "System Graphics: Add-in Graphics",
                             // 3333.333 expected, 3331.4 snapped; bus 133.3334.
                             "Expected Processor Frequency: 3.33 GHz",
                             "Reported Processor Frequency: 3.33 GHz",
                             "Expected System Bus Frequency: 133 MHz",
                             "Reported System Bus Frequency: 133 MHz",
                             kStars,
                         }}));
}

TEST(GenerationReport, Cpumod8Mobile) {
    ExpectReport("cpumod8/mobile_vantor_i5_25.json",
                 Joined({{"Number of processors in system: 1", "Current processor: #1",
                          "Active cores per processor: 2", "Disabled cores per processor: 0"},
                         {
                             // Product 85, production: cleared, refilled with string 116.
                             "Processor Name: Quarn(R) Vantor(TM) i5 Processor",
                             "Type: 0",
                             "Family: 6",
                             "Model: 25",
                             "Stepping: 5",
                             "Revision: C",
                             "Maximum CPUID Level: B",
                             "L1 Instruction Cache: 2 x 32 KB",
                             "L1 Data Cache: 2 x 32 KB",
                             "L2 Cache: 2 x 256 KB",
                             // Descriptor DDh.
                             "L3 Cache: 3 MB",
                             // M 540: mobile.
                             "Packaging: QPG-940 mobile pin grid array",
                         },
                         FeatureLines(true, false),
                         {
                             // Graphics 0x5802: code 3, the plain integrated line.
                             "System Graphics: Quarn(R) Lumen Graphics",
                             // 2533.7 measured; bus 2533.7 / "MaxFSBRatio" 19 = 133.35.
                             "Reported Processor Frequency: 2.53 GHz",
                             "Reported System Bus Frequency: 133 MHz",
                             kStars,
                         }}));
}

}  // namespace
