// Runs sondrel-report on the default profile and lscpu on the same machine
// in turns, and prints the median wall time of each and their ratio
// (target: sondrel-report at most twice lscpu's median).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kDefaultRuns = 41;
constexpr double kTargetRatio = 2.0;

// Wall time of one run with its output discarded; negative when it failed.
double TimedRun(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    arguments.reserve(command.size() + 1);
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    ::setenv("SONDREL_PROFILE", SONDREL_SOURCE_DIR "/profiles/default.json", 1);
    const std::vector<std::string> report = {SONDREL_OUTPUT_DIR "/sondrel-report"};
    const std::vector<std::string> lscpu = {"lscpu"};
    std::vector<double> reportTimes;
    std::vector<double> lscpuTimes;
    // One warm-up run each, then alternating runs so that both see the same
    // machine load.
    TimedRun(report);
    TimedRun(lscpu);
    for (int i = 0; i < runs; ++i) {
        const double reportTime = TimedRun(report);
        const double lscpuTime = TimedRun(lscpu);
        if (reportTime < 0 || lscpuTime < 0) {
            std::fprintf(stderr, "a run failed (is lscpu installed?)\n");
            return 1;
        }
        reportTimes.push_back(reportTime);
        lscpuTimes.push_back(lscpuTime);
    }
    const double reportMedian = Median(reportTimes);
    const double lscpuMedian = Median(lscpuTimes);
    const double ratio = reportMedian / lscpuMedian;
    std::printf("runs: %d each\n", runs);
    std::printf("sondrel-report median: %.2f ms\n", reportMedian);
    std::printf("lscpu median:          %.2f ms\n", lscpuMedian);
    std::printf("ratio of medians:      %.2f (target: at most %.1f)%s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "" : "  over the target");
    return ratio <= kTargetRatio ? 0 : 1;
}
