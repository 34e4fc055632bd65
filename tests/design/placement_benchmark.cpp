// Places 5,000 objects with the drawing tools, as the main loop runs them, and reports the
// process's resident memory with the design and its whole undo history held.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "design/drawing_tools.h"
#include "design/window_command.h"
#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "interact/main_screen_art.h"
#include "model/command_codes.h"
#include "output/compose_program.h"

namespace gridlet {
namespace {

constexpr int kPlacements = 5000;
constexpr double kLimitMb = 30.0;

// The tools that ask for nothing from the left strip, in turn.
constexpr std::int16_t kTools[] = {kRectangleCommand, kEllipseCommand, kLineCommand,
                                   kPolygonCommand, kStarCommand};

// The resident set of this process, from the kernel's status file.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void PlaceObjects(benchmark::State& state) {
    double resident = 0;
    double before = 0;
    std::size_t undoSteps = 0;
    for (auto _ : state) {
        MemoryBackend backend;
        VirtualClock clock;
        Console console{backend, clock};
        Screen screen{console};
        Design design;
        PassState pass;
        MemoryClipboard clipboard;
        ProgramEnvironment environment;
        Context context{console, screen, design, pass, clipboard, environment, ComposeProgram};
        PaintMainScreen(screen);
        CreateWindow(design, {2, 12, 40, 79}, Properties{});
        before = ResidentMb();
        for (int i = 0; i < kPlacements; ++i) {
            const int top = 3 + i % 34;
            const int left = 13 + (i * 7) % 60;
            pass.area.AreaTop = top;
            pass.area.AreaLeft = left;
            pass.area.AreaBottom = top + 2;
            pass.area.AreaRight = left + 5;
            screen.SaveScreen(pass.snapshot);
            RunDrawingTool(context, kTools[i % std::size(kTools)]);
        }
        resident = ResidentMb();
        undoSteps = design.history.done.size();
        benchmark::DoNotOptimize(design);
    }
    state.counters["rss_mb"] = resident;
    state.counters["placed_mb"] = resident - before;
    state.counters["undo_steps"] = static_cast<double>(undoSteps);
    if (undoSteps != kPlacements) state.SkipWithError("not every placement was recorded");
    if (resident >= kLimitMb) state.SkipWithError("resident memory of 30 MB or more");
}

BENCHMARK(PlaceObjects)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gridlet
