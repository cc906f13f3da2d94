// Command-line options of sondrel-report.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace sondrel::report {

inline constexpr const char* kCommandName = "sondrel-report";

enum class ReportFormat { kText, kJson };

struct CommandOptions {
    bool help = false;
    std::int32_t processor = 1;         // 1-based
    std::optional<std::string> output;  // standard output when empty
    ReportFormat format = ReportFormat::kText;
};

struct ParsedOptions {
    std::optional<CommandOptions> options;  // empty when the line is wrong
    std::string error;                      // what is wrong with it
};

// Parses the arguments after the program name: --help (-h),
// --processor N (--processor=N, -p N), --output FILE (--output=FILE, -o FILE)
// and --format text|json (--format=json).
ParsedOptions ParseCommandLine(std::span<const char* const> arguments);

// The text --help prints.
std::string UsageText();

// The line printed when the chosen processor profile does not exist.
std::string MissingProfileHint(const std::string& path);

}  // namespace sondrel::report
