#include "render/lines.h"

#include <cstdlib>
#include <span>

namespace gridlet {
namespace {

// Steps along the dash lengths one pixel at a time.
class DashWalker {
  public:
    explicit DashWalker(LineStyle style) : lengths_(DashLengths(style)) {}

    bool On() const { return lengths_.empty() || part_ % 2 == 0; }
    void Step() {
        if (lengths_.empty() || ++done_ < lengths_[part_]) return;
        done_ = 0;
        part_ = (part_ + 1) % lengths_.size();
    }

  private:
    std::span<const double> lengths_;
    std::size_t part_ = 0;
    int done_ = 0;
};

void StepThinLine(Canvas& canvas, IntPoint from, IntPoint to, const Pen& pen) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    DashWalker dashes(pen.style);
    canvas.Flush();
    for (IntPoint p = from; p != to;) {
        if (dashes.On() && canvas.Contains(p)) canvas.SetPixel(p, pen.colour);
        dashes.Step();
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
    canvas.MarkDirty();
}

}  // namespace

void DrawLine(Canvas& canvas, IntPoint from, IntPoint to, const Pen& pen) {
    if (from == to) return;
    if (pen.width == 1) {
        StepThinLine(canvas, from, to, pen);
        return;
    }
    cairo_t* cairo = canvas.Cairo();
    const double offset = PenOffset(pen.width);
    cairo_save(cairo);
    SetPen(cairo, pen);
    cairo_move_to(cairo, from.x + offset, from.y + offset);
    cairo_line_to(cairo, to.x + offset, to.y + offset);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    canvas.CheckCairo();
}

}  // namespace gridlet
