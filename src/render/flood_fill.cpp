#include "render/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gridlet {
namespace {

// The pixels found, marked row by row, and the rows they reach.
struct Area {
    std::vector<std::uint8_t> marks;
    int top;
    int bottom;
};

// Scanline flood fill over the 4-connected pixels whose packed colour satisfies inside().
template <typename Inside>
Area ConnectedArea(const Canvas& canvas, IntPoint seed, Inside inside) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    Area area{std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0), seed.y,
              seed.y};
    auto marksOf = [&](int y) { return &area.marks[static_cast<std::size_t>(y) * width]; };
    std::vector<IntPoint> seeds{seed};
    while (!seeds.empty()) {
        const IntPoint start = seeds.back();
        seeds.pop_back();
        const std::uint32_t* pixels = canvas.Row(start.y);
        std::uint8_t* marks = marksOf(start.y);
        auto open = [&](int x) { return !marks[x] && inside(pixels[x]); };
        if (!open(start.x)) continue;
        int left = start.x;
        while (left > 0 && open(left - 1)) --left;
        int right = start.x;
        while (right + 1 < width && open(right + 1)) ++right;
        std::fill(marks + left, marks + right + 1, 1);
        area.top = std::min(area.top, start.y);
        area.bottom = std::max(area.bottom, start.y);
        for (int y : {start.y - 1, start.y + 1}) {  // one seed for each run above and below
            if (y < 0 || y >= height) continue;
            const std::uint32_t* nextPixels = canvas.Row(y);
            const std::uint8_t* nextMarks = marksOf(y);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = !nextMarks[x] && inside(nextPixels[x]);
                if (isOpen && !inRun) seeds.push_back({x, y});
                inRun = isOpen;
            }
        }
    }
    return area;
}

void FillArea(Canvas& canvas, const Area& area, const Brush& brush) {
    const BrushTile tile(brush);
    const int width = canvas.Width();
    for (int y = area.top; y <= area.bottom; ++y) {
        std::uint32_t* row = canvas.Row(y);
        const std::uint8_t* marks = &area.marks[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            if (!marks[x]) continue;
            if (const std::optional<std::uint32_t> colour = tile.At({x, y})) row[x] = *colour;
        }
    }
    canvas.MarkDirty();
}

template <typename Inside>
void FillConnected(Canvas& canvas, IntPoint seed, const Brush& brush, Inside inside) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    FillArea(canvas, ConnectedArea(canvas, seed, inside), brush);
}

}  // namespace

void PaintToBorder(Canvas& canvas, IntPoint seed, Rgb border, const Brush& brush) {
    const std::uint32_t stop = Packed(border);
    FillConnected(canvas, seed, brush,
                  [stop](std::uint32_t p) { return (p & kColourBits) != stop; });
}

void PaintReplace(Canvas& canvas, IntPoint seed, Rgb replaced, const Brush& brush) {
    const std::uint32_t same = Packed(replaced);
    FillConnected(canvas, seed, brush,
                  [same](std::uint32_t p) { return (p & kColourBits) == same; });
}

}  // namespace gridlet
