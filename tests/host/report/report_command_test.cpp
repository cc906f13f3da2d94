// sondrel-report run as a program on bundled profiles, through the real
// broker, Cpumod12, the data module and Glossa. The expected lines are
// worked out by hand from the profiles and the module's rules (see
// docs/profiles.md); only the time stamp and the operating-system line are
// checked for their form.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "sondrel/ui/build_stamp.h"

namespace fs = std::filesystem;

namespace {

struct CommandRun {
    int status = -1;
    std::string output;
    std::string errors;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::stringstream content;
    content << input.rdbuf();
    return content.str();
}

std::string Profile(const char* name) {
    return (fs::path(SONDREL_SOURCE_DIR) / "profiles" / name).string();
}

std::string Fixture(const char* name) {
    return (fs::path(SONDREL_SOURCE_DIR) / "tests" / "host" / "report" / "fixtures" / name).string();
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("sondrel-command-" +
                      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    CommandRun Command(const std::string& profile, const std::string& arguments) const {
        const fs::path output = directory_ / "stdout";
        const fs::path errors = directory_ / "stderr";
        const std::string line = "SONDREL_PROFILE=" + Quoted(profile) + " " +
                                 Quoted((fs::path(SONDREL_OUTPUT_DIR) / "sondrel-report").string()) + " " +
                                 arguments + " >" + Quoted(output.string()) + " 2>" + Quoted(errors.string());
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(output), ReadFile(errors)};
    }

    fs::path directory_;
};

// Standard output ends lines with LF, a report file with CR LF.
std::vector<std::string> SplitLines(const std::string& text, const std::string& lineEnd) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(lineEnd, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + lineEnd.size();
    }
    return lines;
}

std::time_t SecondsNow() {
    return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
}

// The time stamp is the UTC time between the two moments given.
void ExpectTimeStampBetween(const std::string& line, std::time_t before, std::time_t after) {
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(
        line, parts, std::regex(R"(Time Stamp: (\d{4})/(\d{2})/(\d{2}) (\d{2}):(\d{2}):(\d{2}))")))
        << line;
    std::tm stamp{};
    stamp.tm_year = std::stoi(parts[1]) - 1900;
    stamp.tm_mon = std::stoi(parts[2]) - 1;
    stamp.tm_mday = std::stoi(parts[3]);
    stamp.tm_hour = std::stoi(parts[4]);
    stamp.tm_min = std::stoi(parts[5]);
    stamp.tm_sec = std::stoi(parts[6]);
    const std::time_t seconds = ::timegm(&stamp);
    EXPECT_GE(seconds, before) << line;
    EXPECT_LE(seconds, after) << line;
}

// The report of processor 1 of a profile: the lines after the time stamp
// and the operating-system line are compared whole.
void ExpectReport(const std::string& text, std::time_t before, std::time_t after,
                  const std::vector<std::string>& fromProcessorCount, const std::string& lineEnd = "\r\n") {
    const std::vector<std::string> lines = SplitLines(text, lineEnd);
    ASSERT_EQ(lines.size(), 4 + fromProcessorCount.size()) << text;
    std::string stamp;
    ASSERT_EQ(sondrel::ui::GetBuildStamp(stamp), sondrel::result::kSuccess);
    EXPECT_EQ(lines[0], "Quarn(R) Sondrel");
    EXPECT_EQ(lines[1], "Version: 5.80." + stamp);
    ExpectTimeStampBetween(lines[2], before, after);
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"(Operating System: \d+\.\d+-\d+-.*)"))) << lines[3];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), fromProcessorCount);
}

// Feature flags every bundled profile shares: CPUID leaf 1 ECX 0x7FFAFBFF
// and EDX 0xBFEBFBFF, leaf 0x80000001 EDX 0x2C100800, "C1E" (0x1FC bit 1)
// and "EPTEnabled" (0x48B bit 33) both 1, and more threads than cores.
std::vector<std::string> SharedFeatureLines() {
    return {
        "Enhanced Quarn Ratewise(R) Technology: Yes",  // leaf 1 ECX bit 7, item 14
        "MMX(TM): Yes",                                // EDX bit 23
        "Quarn(R) SSE: Yes",                           // EDX bit 25
        "Quarn(R) SSE2: Yes",                          // EDX bit 26
        "Quarn(R) SSE3: Yes",                          // ECX bit 0
        "Quarn(R) SSE4: Yes",                          // ECX bit 19
        "Quarn(R) AES-NI: Yes",                        // ECX bit 25
        "Quarn(R) AVX: Yes",                           // ECX bit 28
        "Enhanced Halt State: Yes",                    // "C1E" 1
        "Execute Disable Bit: Yes",                    // 0x80000001 EDX bit 20, feature 80
        "Quarn(R) Twinstrand Technology: Yes",  // EDX bit 28 and "ThreadCount" / "CoreCount" 2: feature 50,
                                                // item 11
        "Quarn(R) 64 Architecture: Yes",        // 0x80000001 EDX bit 29: feature 70, item 12
        "Quarn(R) Virtualization Technology: Yes",      // ECX bit 5: feature 100, item 16
        "Quarn(R) HVX with Extended Page Tables: Yes",  // "EPTEnabled" 1, item 18
    };
}

std::vector<std::string> Concatenated(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

// default.json: (5, 14) stepping 9, product code 148, 6 cores and 12
// threads in one package.
std::vector<std::string> DesktopReport() {
    return Concatenated({
        {
            // T 148, L 12, A 6, B 12, K 1, M 1, S 2: P = 12 / 6 = 2, rejected by the
            // last rule (M is 1); item 7 is 0 for 148, so one processor.
            "Number of processors in system: 1",
            "Current processor: #1",
            // "CoreCount" (MSR 0x35 bits 31:16).
            "Active cores per processor: 6",
            // No disabled cores, and 6 active cores are more than 4.
            "Disabled cores per processor: 0",
            // The brand string.
            "Processor Name: Quarn(R) Vantor(TM) i7-8765K CPU @ 3.70GHz",
            // Leaf 1 EAX 0x506E9.
            "Type: 0",
            "Family: 6",
            // 5 x 16 + 14.
            "Model: 5E",
            "Stepping: 9",
            // The profile's revision.
            "Revision: C6",
            // Leaf 0 EAX 0x16.
            "Maximum CPUID Level: 16",
            // (5, 14) shows the module's cache counts: 6 cores share each of
            // the first two levels, one L3.
            "L1 Instruction Cache: 6 x 32 KB",
            "L1 Data Cache: 6 x 32 KB",
            "L2 Cache: 6 x 256 KB",
            // 12288 KB.
            "L3 Cache: 12 MB",
            // Product 148, not mobile: package code 30, Cpumod12Glossa string 120.
            "Packaging: QLG-1160 desktop land grid array",
        },
        SharedFeatureLines(),
        {
            // Module 12, graphics code 6.
            "System Graphics: Quarn(R) Lumen(TM) Graphics 12-350",
            // 0x614 power 0x2F8 = 760 eighths.
            "Base TDP: 95 W",
            // Items 9 and 10 are 0 ("Production" is 1): no expected lines.
            // 3700 cut to tens: 3.70.
            "Reported Processor Frequency: 3.70 GHz",
            "Reported System Bus Frequency: 100 MHz",
            "*************************************************************",
        },
    });
}

// server_bastra_gold_55.json: (5, 5) stepping 4, product code 143, two
// packages of 8 cores and 16 threads.
std::vector<std::string> ServerReport() {
    return Concatenated({
        {
            // T 143, S 2, K = 32 / 16 = 2 and B 16 > A 8: one processor, accepted
            // as K > 1; item 7 is 1 for 143, so the count stays 1.
            "Number of processors in system: 1",
            "Current processor: #1",
            "Active cores per processor: 8",
            // 8 cores of leaf 4 minus "CoreCount" 8; and 8 active cores are more than 4.
            "Disabled cores per processor: 0",
            // Cleared and refilled by the name fallback.
            "Processor Name: Quarn(R) Bastra(R) Gold",
            "Type: 0",
            "Family: 6",
            "Model: 55",
            "Stepping: 4",
            "Revision: 2000065",
            "Maximum CPUID Level: 16",
            "L1 Instruction Cache: 8 x 32 KB",
            "L1 Data Cache: 8 x 32 KB",
            // Leaf 4 sub-leaf 2: 16 ways x 64 bytes x 1024 sets = 1024 KB.
            "L2 Cache: 8 x 1 MB",
            // 11264 KB.
            "L3 Cache: 11 MB",
            // Product 143, not mobile: package code 33, string 122.
            "Packaging: QLG-3720 server land grid array",
        },
        SharedFeatureLines(),
        {
            // Graphics code -3: none integrated.
            "System Graphics: Add-in Graphics",
            // 0x4B0 = 1200 eighths.
            "Base TDP: 150 W",
            // 2996.4 truncated, cut to tens.
            "Reported Processor Frequency: 2.99 GHz",
            "Reported System Bus Frequency: 100 MHz",
            "*************************************************************",
        },
    });
}

TEST_F(ReportCommand, WritesTheReportOfTheDefaultProfileToStandardOutput) {
    const std::time_t before = SecondsNow();
    const CommandRun run = Command(Profile("default.json"), "");
    const std::time_t after = SecondsNow();
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    ExpectReport(run.output, before, after, DesktopReport(), "\n");
    EXPECT_EQ(run.output.find('\r'), std::string::npos);
}

TEST_F(ReportCommand, AppendsTheReportOfATwoPackageServerToAFile) {
    const fs::path file = directory_ / "reports.txt";
    std::ofstream(file, std::ios::binary) << "kept\r\n";
    const std::time_t before = SecondsNow();
    const CommandRun first =
        Command(Profile("server_bastra_gold_55.json"), "--output " + Quoted(file.string()));
    const CommandRun second = Command(Profile("server_bastra_gold_55.json"), "-o " + Quoted(file.string()));
    const std::time_t after = SecondsNow();
    ASSERT_EQ(first.status, 0) << first.errors;
    ASSERT_EQ(second.status, 0) << second.errors;
    EXPECT_EQ(first.output, "");

    const std::string content = ReadFile(file);
    ASSERT_EQ(content.rfind("kept\r\n", 0), 0u);
    const std::string reports = content.substr(6);
    const std::size_t end = reports.find("*\r\n") + 3;
    ExpectReport(reports.substr(0, end), before, after, ServerReport());
    ExpectReport(reports.substr(end), before, after, ServerReport());
}

TEST_F(ReportCommand, AReadOnlyReportFileIsLeftAloneWithTheErrorBoxText) {
    const fs::path file = directory_ / "locked.txt";
    std::ofstream(file, std::ios::binary) << "keep me";
    fs::permissions(file, fs::perms::owner_read);
    const CommandRun run = Command(Profile("default.json"), "--output=" + Quoted(file.string()));
    EXPECT_EQ(run.status, 1);
    // Error box 0x80041F41: string 374 with the versioned caption.
    EXPECT_EQ(
        run.errors,
        "Quarn(R) Sondrel 5.80: The report file is read-only. Please choose another file or make the file "
        "writable.\n");
    EXPECT_EQ(ReadFile(file), "keep me");
    EXPECT_EQ(run.output, "");
}

TEST_F(ReportCommand, ACollectionFailureEndsWithTheErrorBoxText) {
    // Family 5 is served by no module: the broker answers 0x80041F5D.
    std::string profile = ReadFile(Profile("default.json"));
    const std::string signature = "\"0x000506E9\"";
    ASSERT_NE(profile.find(signature), std::string::npos);
    profile.replace(profile.find(signature), signature.size(), "\"0x00000543\"");
    const fs::path path = directory_ / "family5.json";
    std::ofstream(path) << profile;

    const CommandRun run = Command(path.string(), "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "Quarn(R) Sondrel: This utility cannot identify the processor in this system.\n");
}

// Product 143 on one package: the system's count is rejected (0) with one
// logical processor and accepted by the single-core rule with two threads.
// Processor 1 is the one the start-up session collected either way.
TEST_F(ReportCommand, ReportsProcessorOneWhateverTheSystemCount) {
    const struct {
        const char* fixture;
        const char* countLine;
    } cases[] = {
        {"server_single_thread.json", "Number of processors in system: 1\n"},
        {"server_one_core.json", "Number of processors in system: 2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const CommandRun run = Command(Fixture(c.fixture), "");
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.errors, "");
        EXPECT_NE(run.output.find(c.countLine), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("Current processor: #1\n"), std::string::npos) << run.output;
    }
    const CommandRun beyond = Command(Fixture("server_single_thread.json"), "--processor 2");
    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.errors,
              "sondrel-report: processor 2 is not offered: the system counts 1 processor(s)\n");
}

TEST_F(ReportCommand, CommandLineConventions) {
    const CommandRun help = Command(Profile("default.json"), "--help");
    EXPECT_EQ(help.status, 0);
    for (const char* told : {"Usage: sondrel-report [--processor N] [--output FILE]", "SONDREL_PROFILE=FILE",
                             "profiles/default.json in the current directory", "The bundled profiles are in ",
                             "on standard output the lines end with LF"}) {
        EXPECT_NE(help.output.find(told), std::string::npos) << told;
    }

    // A profile that is not there: the error box, then how to choose one.
    const CommandRun missing = Command((directory_ / "absent.json").string(), "");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.errors.find("sondrel-report: no processor profile at '" +
                                  (directory_ / "absent.json").string() +
                                  "': choose one with SONDREL_PROFILE=FILE"),
              std::string::npos)
        << missing.errors;

    for (const char* wrong :
         {"--processor", "--processor 0", "--processor=two", "--output", "--colour", "report.txt"}) {
        const CommandRun run = Command(Profile("default.json"), wrong);
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_NE(run.errors.find("Try 'sondrel-report --help'"), std::string::npos) << wrong;
        EXPECT_EQ(run.output, "") << wrong;
    }

    // The default profile's system counts one processor.
    const CommandRun beyond = Command(Profile("default.json"), "--processor 2");
    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.errors,
              "sondrel-report: processor 2 is not offered: the system counts 1 processor(s)\n");
    EXPECT_EQ(beyond.output, "");
}

}  // namespace
