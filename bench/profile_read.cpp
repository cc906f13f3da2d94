// Reads each processor profile named on the command line in a fresh
// process and prints its wall time and the process's peak memory, against
// the targets: at most 1 s and 200 MB for any profile within the limits.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>

#include "sondrel/profile/profile.h"

namespace {

constexpr double kTargetSeconds = 1.0;
constexpr double kTargetMegabytes = 200.0;
constexpr const char* kChildFlag = "--one";

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// In the child: read one profile, print "seconds megabytes cpu-seconds outcome".
int ReadOne(const char* path) {
    const auto start = std::chrono::steady_clock::now();
    const sondrel::profile::LoadResult result = sondrel::profile::LoadProfile(path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto* error = std::get_if<sondrel::profile::LoadError>(&result);
    std::printf("%.3f %.1f %.3f %s\n", seconds, static_cast<double>(usage.ru_maxrss) / 1024.0,
                Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
                error == nullptr ? "read" : error->Message().substr(0, 100).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) {
        return ReadOne(argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROFILE...\n", argv[0]);
        return 2;
    }
    int worst = 0;
    // Processor time is shown beside the wall time: on a machine shared with
    // other work the wall time says more about the others.
    std::printf("%-40s %8s %8s %10s  %s\n", "profile", "seconds", "cpu s", "peak MB", "outcome");
    for (int i = 1; i < argc; ++i) {
        int pipe[2];
        if (::pipe(pipe) != 0) {
            return 1;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(pipe[1], STDOUT_FILENO);
            ::execl("/proc/self/exe", argv[0], kChildFlag, argv[i], static_cast<char*>(nullptr));
            _exit(127);
        }
        ::close(pipe[1]);
        char line[256] = {};
        const ssize_t length = ::read(pipe[0], line, sizeof line - 1);
        ::close(pipe[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        double seconds = 0;
        double megabytes = 0;
        double processorSeconds = 0;
        char outcome[160] = {};
        if (length <= 0 || std::sscanf(line, "%lf %lf %lf %159[^\n]", &seconds, &megabytes, &processorSeconds,
                                       outcome) < 3) {
            std::printf("%-40s failed to run\n", argv[i]);
            worst = 1;
            continue;
        }
        const bool within = seconds <= kTargetSeconds && megabytes <= kTargetMegabytes;
        std::printf("%-40s %8.3f %8.3f %10.1f  %s%s\n", argv[i], seconds, processorSeconds, megabytes,
                    outcome, within ? "" : "  (over the target)");
        worst = within ? worst : 1;
    }
    std::printf("target: at most %.0f s and %.0f MB peak for each profile\n", kTargetSeconds,
                kTargetMegabytes);
    return worst;
}
