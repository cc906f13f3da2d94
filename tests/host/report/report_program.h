// sondrel-report run as a program on a bundled profile, and its lines
// compared with the values worked out in docs/profiles.md. A wanted line
// ending in '*' (other than the closing row of stars) is compared by its
// start only: the version, time-stamp and operating-system lines depend on
// the build and the machine.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace sondrel::testing {

inline std::vector<std::string> ReportLines(const char* profile, int* status) {
    const std::string command =
        "SONDREL_PROFILE='" + (std::filesystem::path(SONDREL_SOURCE_DIR) / "profiles" / profile).string() +
        "' '" + (std::filesystem::path(SONDREL_OUTPUT_DIR) / "sondrel-report").string() + "' 2>&1";
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

inline void ExpectReport(const char* profile, const std::vector<std::string>& want) {
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

inline const std::vector<std::string> kHead = {
    "Quarn(R) Sondrel",
    "Version: 5.80.*",
    "Time Stamp: *",
    "Operating System: *",
};

inline std::vector<std::string> Report(std::vector<std::string> body) {
    std::vector<std::string> lines = kHead;
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("*************************************************************");
    return lines;
}

}  // namespace sondrel::testing
