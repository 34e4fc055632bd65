#include "render/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gridlet {
namespace {

// One row's run of found pixels, ends included.
struct Span {
    int y;
    int left;
    int right;
};

// A run of a row to look along for found pixels, and the direction it was reached in.
struct Look {
    int left;
    int right;
    int y;
    int dy;
};

// Span flood fill (Heckbert's) over the 4-connected pixels whose packed colour satisfies
// inside(): each row is looked along only where its neighbour's run did not already reach. The
// runs are marked in the canvas's fill marks as they are found, so each is found once. A run is
// first found from an unmarked pixel and grows to the ends of its stretch of inside pixels, so a
// row's stretch is all marked or all clear: growing a run need only test the colours.
template <typename Inside>
std::vector<Span> ConnectedSpans(Canvas& canvas, IntPoint seed, Inside inside) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    FillMarks& fillMarks = canvas.NewFillMarks();
    std::uint8_t* const allMarks = fillMarks.pixels.data();
    const std::uint8_t mark = fillMarks.current;
    std::vector<Span> spans;
    std::vector<Look> looks{{seed.x, seed.x, seed.y, 1}, {seed.x, seed.x, seed.y - 1, -1}};
    while (!looks.empty()) {
        const Look look = looks.back();
        looks.pop_back();
        const int y = look.y;
        if (y < 0 || y >= height) continue;
        const std::uint32_t* const pixels = canvas.Row(y);
        std::uint8_t* const marks = allMarks + static_cast<std::size_t>(y) * width;
        const auto open = [&](int x) { return marks[x] != mark && inside(pixels[x]); };
        // Marks the run [from, to) as found.
        const auto found = [&](int from, int to) {
            std::fill(marks + from, marks + to, mark);
            spans.push_back({y, from, to - 1});
        };
        int x = look.left;
        if (open(x)) {
            int left = x;
            while (left > 0 && inside(pixels[left - 1])) --left;
            if (left < x) {
                found(left, x);
                looks.push_back({left, x - 1, y - look.dy, -look.dy});
            }
            x = left;
        }
        int x1 = look.left;
        while (x1 <= look.right) {
            const int start = x1;
            if (x1 < width && open(x1)) {
                ++x1;
                while (x1 < width && inside(pixels[x1])) ++x1;
            }
            if (x1 > start) found(start, x1);
            if (x1 > x) looks.push_back({x, x1 - 1, y + look.dy, look.dy});
            if (x1 - 1 > look.right)
                looks.push_back({look.right + 1, x1 - 1, y - look.dy, -look.dy});
            ++x1;
            while (x1 < look.right && !open(x1)) ++x1;
            x = x1;
        }
    }
    return spans;
}

// The spans are painted only once all are found.
void FillSpans(Canvas& canvas, const std::vector<Span>& spans, const Brush& brush) {
    const BrushTile tile(brush);
    for (const Span& span : spans) {
        std::uint32_t* row = canvas.Row(span.y);
        if (brush.hatch == Hatch::Solid) {
            std::fill(row + span.left, row + span.right + 1, Packed(brush.colour));
        } else {
            for (int x = span.left; x <= span.right; ++x) {
                if (const std::optional<std::uint32_t> colour = tile.At({x, span.y}))
                    row[x] = *colour;
            }
        }
    }
    canvas.MarkDirty();
}

template <typename Inside>
void FillConnected(Canvas& canvas, IntPoint seed, const Brush& brush, Inside inside) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    FillSpans(canvas, ConnectedSpans(canvas, seed, inside), brush);
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
