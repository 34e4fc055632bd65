#include "render/flood_fill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gridlet {
namespace {

// A run of a row to look along for found pixels, and the direction it was reached in.
struct Look {
    int left;
    int right;
    int y;
    int dy;
};

// The end of the stretch of inside pixels of a row from x on.
template <typename Inside>
int StretchEnd(const std::uint32_t* pixels, int x, int width, Inside inside) {
    // Eight at a time while all eight are inside: the compiler tests them together.
    while (x + 8 <= width) {
        bool all = true;
        for (int i = 0; i < 8; ++i) all &= inside(pixels[x + i]);
        if (!all) break;
        x += 8;
    }
    while (x < width && inside(pixels[x])) ++x;
    return x;
}

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
                x1 = StretchEnd(pixels, x1 + 1, width, inside);
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
    for (const Span& span : spans) tile.PaintRun(canvas.Row(span.y), span.y, span.left, span.right);
    canvas.MarkDirty();
}

bool Paints(const Brush& brush, std::uint32_t colour) {
    return Packed(brush.colour) == colour ||
           (brush.hatch != Hatch::Solid && brush.gaps && Packed(*brush.gaps) == colour);
}

void ForgetAreas(FillMarks& marks, std::uint32_t border) {
    for (std::vector<Span>& area : marks.areas) area.clear();
    marks.border = border;
}

}  // namespace

void PaintToBorder(Canvas& canvas, IntPoint seed, Rgb border, const Brush& brush) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    const std::uint32_t stop = Packed(border);
    FillMarks& marks = canvas.Marks();
    if (marks.drawingsWhenKnown != canvas.Drawings() || marks.border != stop)
        ForgetAreas(marks, stop);
    std::vector<Span>& known =
        marks.areas[marks.pixels[static_cast<std::size_t>(seed.y) * canvas.Width() + seed.x]];
    if (!known.empty()) {
        FillSpans(canvas, known, brush);
    } else {
        std::vector<Span> spans = ConnectedSpans(
            canvas, seed, [stop](std::uint32_t p) { return (p & kColourBits) != stop; });
        FillSpans(canvas, spans, brush);
        marks.areas[marks.current] = std::move(spans);
    }
    // An area painted in its border's colour is no longer bounded as it was.
    if (Paints(brush, stop)) ForgetAreas(marks, stop);
    marks.drawingsWhenKnown = canvas.Drawings();
}

void PaintReplace(Canvas& canvas, IntPoint seed, Rgb replaced, const Brush& brush) {
    if (!canvas.Contains(seed)) return;
    canvas.Flush();
    const std::uint32_t same = Packed(replaced);
    FillSpans(
        canvas,
        ConnectedSpans(canvas, seed, [same](std::uint32_t p) { return (p & kColourBits) == same; }),
        brush);
}

}  // namespace gridlet
