// The picture view's cost as the user works: an object added on top of a large design, and the
// whole design drawn again, each as far as the bytes for the terminal.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "codegen/statement_emitter.h"
#include "design/window_command.h"
#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "model/design_changes.h"
#include "output/design_picture.h"
#include "output/grid_picture.h"
#include "platform/ansi_writer.h"
#include "platform/console.h"

namespace gridlet {
namespace {

constexpr ObjectKind kKinds[] = {ObjectKind::Box,  ObjectKind::Ellipse, ObjectKind::Line,
                                 ObjectKind::Pie,  ObjectKind::Box,     ObjectKind::Ellipse,
                                 ObjectKind::Line, ObjectKind::Paint};

// Object i of a kind, spread over the window.
DesignObject Object(int i, ObjectKind kind) {
    StatementValues values;
    values.objectNumber = i;
    values.x1 = 10 + (i * 37) % 700;
    values.y1 = 10 + (i * 53) % 950;
    values.x2 = values.x1 + 20 + i % 50;
    values.y2 = values.y1 + 15 + i % 40;
    values.arcStart = "0";
    values.arcEnd = "1.57";
    values.properties.fillColor = std::to_string((i * 2654435761u) & 0xFFFFFF);
    values.properties.fillStyle = std::to_string(i % 7);
    DesignObject object;
    object.number = i;
    object.kind = kind;
    object.block = StatementBlock(values, object.kind, Build::Placement);
    return object;
}

Design LargeDesign(int objects) {
    Design design;
    CreateWindow(design, {1, 11, 45, 80}, Properties{});
    // Of the kinds that draw most; every eighth a paint.
    for (int i = 1; i <= objects; ++i) RecordPlacement(design, Object(i, kKinds[i % 8]));
    return design;
}

TerminalCapabilities TrueColour() {
    TerminalCapabilities capabilities;
    capabilities.trueColour = true;
    return capabilities;
}

// A console whose flushes are turned into the terminal's bytes, as the terminal backend does.
struct Terminal {
    Terminal() {
        backend.onPresent = [this](const ScreenState& screen) {
            ScreenUpdate update = RenderScreenUpdate(std::move(shown), screen);
            bytes = update.bytes.size();
            shown = std::move(update.shown);
        };
    }
    void Show(const Design& design, const DesignPicture& picture) {
        console.ShowCellPicture(WindowCellPicture(design, picture.Picture()));
        console.SetPictureBase();
        console.Flush();
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock, TrueColour()};
    std::optional<ShownScreen> shown;
    std::size_t bytes = 0;
};

// Each iteration places one more object of the kind on the design and shows the picture, timed,
// then takes it back, untimed.
void PlaceOne(benchmark::State& state, ObjectKind kind, PictureChange expected) {
    const int objects = static_cast<int>(state.range(0));
    Design design = LargeDesign(objects);
    DesignPicture picture;
    picture.Update(design);
    Terminal terminal;
    terminal.Show(design, picture);
    std::size_t bytes = 0;
    for (auto _ : state) {
        RecordPlacement(design, Object(objects + 1, kind));
        if (picture.Update(design) != expected) {
            state.SkipWithError("the picture changed otherwise than expected");
            break;
        }
        terminal.Show(design, picture);
        bytes = terminal.bytes;
        state.PauseTiming();
        UndoChange(design);
        picture.Update(design);
        terminal.Show(design, picture);
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// The code draws the objects kind by kind, so an object is drawn on top of all the others when it
// is of the last kind drawn: a paint. The picture kept is drawn on.
BENCHMARK_CAPTURE(PlaceOne, AddOnTop, ObjectKind::Paint, PictureChange::Added)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->MeasureProcessCPUTime();

// A box lies under the paints: the whole design is drawn again.
BENCHMARK_CAPTURE(PlaceOne, RedrawWhole, ObjectKind::Box, PictureChange::Redrawn)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->MeasureProcessCPUTime();

// A design opened: drawn whole, and every cell of its window turned into the terminal's bytes.
void FirstDraw(benchmark::State& state) {
    const Design design = LargeDesign(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DesignPicture picture;
        picture.Update(design);
        Terminal terminal;
        terminal.Show(design, picture);
        benchmark::DoNotOptimize(terminal.bytes);
    }
}

BENCHMARK(FirstDraw)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->MeasureProcessCPUTime();

}  // namespace
}  // namespace gridlet
