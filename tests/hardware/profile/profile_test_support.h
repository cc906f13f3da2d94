// Helpers shared by the profile tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace sondrel::profile::testing {

inline const std::string kFixtureDirectory = SONDREL_SOURCE_DIR "/tests/hardware/profile/fixtures";
inline const std::string kDesktopFixture = kFixtureDirectory + "/desktop_vantor_i7.json";

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The ```json blocks of a Markdown file, in order.
inline std::vector<std::string> JsonBlocks(const std::string& markdown) {
    const std::string open = "```json\n";
    std::vector<std::string> blocks;
    for (std::size_t start = markdown.find(open); start != std::string::npos;
         start = markdown.find(open, start)) {
        const std::size_t body = start + open.size();
        const std::size_t end = markdown.find("\n```", body);
        if (end == std::string::npos) {
            break;
        }
        blocks.push_back(markdown.substr(body, end - body + 1));
        start = end;
    }
    return blocks;
}

}  // namespace sondrel::profile::testing
