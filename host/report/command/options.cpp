#include "options.h"

#include <charconv>
#include <limits>
#include <string_view>

#include "sondrel/message_text.h"
#include "sondrel/profile/profile.h"

namespace sondrel::report {

namespace {

struct OptionNames {
    std::string_view longName;
    std::string_view shortName;
};

constexpr OptionNames kHelp = {"--help", "-h"};
constexpr OptionNames kProcessor = {"--processor", "-p"};
constexpr OptionNames kOutput = {"--output", "-o"};
// No short name: -f is left free for a later option.
constexpr OptionNames kFormat = {"--format", "--format"};

// The value of an option written as "--name=value", "--name value" or
// "-n value"; `index` moves past what was used. Nullopt when `argument` is
// not this option.
std::optional<std::optional<std::string_view>> Value(const OptionNames& names,
                                                     std::span<const char* const> arguments,
                                                     std::size_t& index) {
    const std::string_view argument = arguments[index];
    if (argument.size() > names.longName.size() &&
        argument.substr(0, names.longName.size()) == names.longName &&
        argument[names.longName.size()] == '=') {
        return std::optional(argument.substr(names.longName.size() + 1));
    }
    if (argument != names.longName && argument != names.shortName) {
        return std::nullopt;
    }
    if (index + 1 >= arguments.size()) {
        return std::optional<std::string_view>();
    }
    return std::optional(std::string_view(arguments[++index]));
}

std::optional<std::int32_t> ProcessorNumber(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || number < 1) {
        return std::nullopt;
    }
    return number;
}

std::optional<ReportFormat> FormatNamed(std::string_view name) {
    if (name == "text") {
        return ReportFormat::kText;
    }
    if (name == "json") {
        return ReportFormat::kJson;
    }
    return std::nullopt;
}

ParsedOptions Wrong(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

ParsedOptions ParseCommandLine(std::span<const char* const> arguments) {
    CommandOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == kHelp.longName || argument == kHelp.shortName) {
            options.help = true;
        } else if (const auto processor = Value(kProcessor, arguments, index)) {
            if (!*processor) {
                return Wrong("option --processor needs a processor number");
            }
            const auto number = ProcessorNumber(**processor);
            if (!number) {
                return Wrong("invalid processor number '" + EscapeForMessage(**processor) +
                             "': a processor number is a whole number from 1 on");
            }
            options.processor = *number;
        } else if (const auto output = Value(kOutput, arguments, index)) {
            if (!*output || (*output)->empty()) {
                return Wrong("option --output needs a file name");
            }
            options.output = std::string(**output);
        } else if (const auto format = Value(kFormat, arguments, index)) {
            if (!*format) {
                return Wrong("option --format needs a format: text or json");
            }
            const auto named = FormatNamed(**format);
            if (!named) {
                return Wrong("invalid report format '" + EscapeForMessage(**format) +
                             "': the formats are text and json");
            }
            options.format = *named;
        } else {
            return Wrong("unknown argument '" + EscapeForMessage(argument) + "'");
        }
    }
    return {options, {}};
}

std::string UsageText() {
    const std::string variable = profile::kProfileVariable;
    const std::string installed = profile::BundledProfileDirectory();
    return std::string("Usage: ") + kCommandName +
           " [--processor N] [--output FILE] [--format text|json]\n"
           "Identifies processor N (1 when not given) and writes the Quarn(R) Sondrel report of it,\n"
           "without any window.\n"
           "\n"
           "  -p, --processor N  the processor to report, numbered from 1 as in the Processor menu\n"
           "  -o, --output FILE  append the report to FILE (created when missing; a read-only file\n"
           "                     is left alone); without it the report goes to standard output\n"
           "      --format FMT   text (the default) or json: one JSON document with the same\n"
           "                     values, described in docs/report-json.md; with --output the\n"
           "                     JSON file is replaced whole, never appended to\n"
           "  -h, --help         show this text and end\n"
           "\n"
           "The machine is described by a processor profile, chosen in this order:\n"
           "  " +
           variable +
           "=FILE in the environment, when set and not empty;\n"
           "  " +
           profile::kDefaultProfile +
           " in the current directory;\n"
           "  " +
           installed +
           "/default.json.\n"
           "The bundled profiles are in " +
           installed +
           " (profiles/ in a source tree),\n"
           "e.g. " +
           variable + "=" + installed + "/server_bastra_gold_55.json " + kCommandName +
           "\n"
           "\n"
           "The report file has CR LF line ends, as on every system the report is read on;\n"
           "on standard output the lines end with LF, so the report can be piped to other tools.\n"
           "\n"
           "Exit status: 0 when the report was written, 1 when a failure was reported on\n"
           "standard error, 2 when the command line is wrong.\n";
}

// The hint shown when the profile cannot be found.
std::string MissingProfileHint(const std::string& path) {
    return std::string(kCommandName) + ": no processor profile at '" + EscapeForMessage(path) +
           "': choose one with " + profile::kProfileVariable + "=FILE (the bundled profiles are in " +
           profile::BundledProfileDirectory() + "; see '" + kCommandName + " --help')\n";
}

}  // namespace sondrel::report
