// The processor switch on the two-package profile, from the Processor
// menu command to the redrawn page: median in milliseconds (target at most
// 50 ms). Runs the real sheet offscreen.
//   processor_switch_bench [switches]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "program_sheet.h"
#include "sondrel/language/resource_reader.h"

using namespace sondrel;
namespace fs = std::filesystem;

namespace {
constexpr double kTargetMs = 50.0;
constexpr std::int32_t kSelectProcessor1 = 32823;
constexpr std::int32_t kSelectProcessor2 = 32824;
}  // namespace

int main(int argc, char** argv) {
    const int switches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SONDREL_PROFILE", SONDREL_SOURCE_DIR "/tests/host/program/fixtures/server_two_processors.json",
             1);
    const fs::path config =
        fs::temp_directory_path() / ("sondrel-bench-config-" + std::to_string(::getpid()));
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    QApplication application(argc, argv);
    const language::OpenedLanguageModule glossa = language::OpenLanguageModule("Glossa.so");
    if (glossa.status != result::kSuccess) {
        std::fprintf(stderr, "Glossa.so could not be opened\n");
        return 1;
    }
    std::vector<double> times;
    bool ended = false;
    {
        const ui::ModuleLanguageText language(glossa.library);
        program::ProgramSheet sheet({}, &language);
        if (!sheet.Start() || sheet.state().processorsInSystem < 2) {
            std::fprintf(stderr, "the sheet did not start with two processors\n");
            ended = true;
        }
        for (int index = 0; !ended && index < switches; ++index) {
            const auto start = std::chrono::steady_clock::now();
            sheet.sheet().OnCommand(index % 2 == 0 ? kSelectProcessor2 : kSelectProcessor1);
            sheet.window().repaint();
            QApplication::processEvents();
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            ended = sheet.sheet().ended();
        }
    }
    platform::UnloadLibrary(glossa.library);
    if (ended || times.empty()) {
        std::fprintf(stderr, "the switch failed\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("processor switch: switches %zu, nproc %u, median %.1f ms (target %.0f)\n", times.size(),
                std::thread::hardware_concurrency(), median, kTargetMs);
    return median > kTargetMs ? 1 : 0;
}
