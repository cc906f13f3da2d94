// The unattended report through the real program: median wall time as a
// ratio of the 3000 ms splash floor (target at most 1.05) and the peak
// memory of the process (target at most 60 MiB).
//   unattended_run_bench [runs]   (SONDREL_PROFILE as for the program)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kSplashFloorMs = 3000.0;
constexpr double kTargetRatio = 1.05;
constexpr double kTargetMiB = 60.0;

struct Sample {
    double wallMs;
    double peakMiB;
    int status;
};

Sample RunOnce(const std::string& program, const std::string& report) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(program.c_str(), program.c_str(), report.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path program = fs::path(SONDREL_OUTPUT_DIR) / "Sondrel";
    const fs::path scratch = fs::temp_directory_path() / ("sondrel-bench-" + std::to_string(::getpid()));
    fs::create_directories(scratch / "runtime");
    fs::permissions(scratch / "runtime", fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    if (std::getenv("SONDREL_PROFILE") == nullptr) {
        ::setenv("SONDREL_PROFILE", SONDREL_SOURCE_DIR "/profiles/default.json", 1);
    }

    std::vector<double> walls;
    double peak = 0.0;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        const Sample sample = RunOnce(program.string(), (scratch / "report.txt").string());
        walls.push_back(sample.wallMs);
        peak = std::max(peak, sample.peakMiB);
        failures += sample.status != 0 ? 1 : 0;
    }
    fs::remove_all(scratch);
    std::sort(walls.begin(), walls.end());
    const double median = walls[walls.size() / 2];
    const double ratio = median / kSplashFloorMs;
    std::printf(
        "unattended report: runs %d, nproc %u, median %.0f ms, ratio to the 3000 ms floor %.3f (target "
        "%.2f), "
        "peak memory %.1f MiB (target %.0f)%s\n",
        runs, std::thread::hardware_concurrency(), median, ratio, kTargetRatio, peak, kTargetMiB,
        failures > 0 ? ", SOME RUNS FAILED" : "");
    return failures > 0 || ratio > kTargetRatio || peak > kTargetMiB ? 1 : 0;
}
