#include "render/flood_fill.h"

#include <cstdint>
#include <vector>

namespace gridlet {
namespace {

// Scanline flood fill over the pixels for which inside() holds.
template <typename Inside>
std::vector<std::uint8_t> ConnectedArea(const Canvas& canvas, IntPoint seed, Inside inside) {
    const int width = canvas.Width();
    std::vector<std::uint8_t> area(static_cast<std::size_t>(width) * canvas.Height(), 0);
    auto at = [&](IntPoint p) -> std::uint8_t& {
        return area[static_cast<std::size_t>(p.y) * width + p.x];
    };
    auto open = [&](IntPoint p) { return canvas.Contains(p) && !at(p) && inside(p); };
    std::vector<IntPoint> seeds{seed};
    while (!seeds.empty()) {
        const IntPoint start = seeds.back();
        seeds.pop_back();
        if (!open(start)) continue;
        int left = start.x;
        while (open({left - 1, start.y})) --left;
        int right = start.x;
        while (open({right + 1, start.y})) ++right;
        for (int x = left; x <= right; ++x) at({x, start.y}) = 1;
        for (int dy : {-1, 1}) {  // one seed for each run of open pixels above and below
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open({x, start.y + dy});
                if (isOpen && !inRun) seeds.push_back({x, start.y + dy});
                inRun = isOpen;
            }
        }
    }
    return area;
}

void FillArea(Canvas& canvas, const std::vector<std::uint8_t>& area, const Brush& brush) {
    const int width = canvas.Width();
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (!area[static_cast<std::size_t>(y) * width + x]) continue;
            if (const std::optional<Rgb> colour = BrushColourAt(brush, {x, y}))
                canvas.SetPixel({x, y}, *colour);
        }
    }
    canvas.MarkDirty();
}

}  // namespace

void PaintToBorder(Canvas& canvas, IntPoint seed, Rgb border, const Brush& brush) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    FillArea(canvas,
             ConnectedArea(canvas, seed, [&](IntPoint p) { return !(canvas.Pixel(p) == border); }),
             brush);
}

void PaintReplace(Canvas& canvas, IntPoint seed, Rgb replaced, const Brush& brush) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    FillArea(canvas,
             ConnectedArea(canvas, seed, [&](IntPoint p) { return canvas.Pixel(p) == replaced; }),
             brush);
}

}  // namespace gridlet
