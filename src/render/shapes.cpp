#include "render/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/render_error.h"

namespace gridlet {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The pen's centre line: through the outermost pixels inside the rectangle.
struct Frame {
    double left;
    double top;
    double right;
    double bottom;

    double CenterX() const { return (left + right) / 2; }
    double CenterY() const { return (top + bottom) / 2; }
    double RadiusX() const { return (right - left) / 2; }
    double RadiusY() const { return (bottom - top) / 2; }
};

bool IsEmpty(IntRect rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

Frame PenFrame(IntRect rect, int penWidth) {
    const double offset = PenOffset(penWidth);
    return {rect.left + offset, rect.top + offset, rect.right - 1 + offset,
            rect.bottom - 1 + offset};
}

// cairo's angles turn clockwise on the screen; ours turn counter-clockwise, hence the minus
// signs. A flat ellipse becomes the straight line it is.
void EllipticArc(cairo_t* cairo, double cx, double cy, double rx, double ry, double from,
                 double to) {
    if (rx <= 0 || ry <= 0) {
        cairo_line_to(cairo, cx + rx * std::cos(from), cy - ry * std::sin(from));
        cairo_line_to(cairo, cx + rx * std::cos(to), cy - ry * std::sin(to));
        return;
    }
    cairo_save(cairo);
    cairo_translate(cairo, cx, cy);
    cairo_scale(cairo, rx, ry);
    cairo_arc_negative(cairo, 0, 0, 1, -from, -to);
    cairo_restore(cairo);
}

// A sweep written as one whole turn (2 pi to four places is 6.2832) draws the whole ellipse.
constexpr double kWholeTurnTolerance = 0.001;

struct Sweep {
    double from;     // reduced to one turn
    double to;       // after from, at most one whole turn on
    bool wholeTurn;  // written as one whole turn, not as equal angles
};

Sweep SweepOf(double start, double end) {
    if (!std::isfinite(start) || !std::isfinite(end)) throw RenderError("angle is not a number");
    const double from = std::fmod(std::fmod(start, kTwoPi) + kTwoPi, kTwoPi);
    if (std::fabs(end - start - kTwoPi) <= kWholeTurnTolerance) return {from, from + kTwoPi, true};
    double to = std::fmod(std::fmod(end, kTwoPi) + kTwoPi, kTwoPi);
    if (to <= from) to += kTwoPi;
    return {from, to, false};
}

template <typename MakePath>
void FillAndStroke(Canvas& canvas, const Pen& pen, const std::optional<Brush>& brush,
                   MakePath makePath) {
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    if (brush) {
        makePath(cairo);
        SetBrushSource(cairo, *brush);
        cairo_fill(cairo);
    }
    makePath(cairo);
    SetPen(cairo, pen);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    canvas.CheckCairo();
}

void RoundedRectangle(cairo_t* cairo, const Frame& f, double rx, double ry) {
    constexpr double kQuarter = std::numbers::pi / 2;
    cairo_new_sub_path(cairo);
    EllipticArc(cairo, f.left + rx, f.top + ry, rx, ry, kQuarter, 2 * kQuarter);
    EllipticArc(cairo, f.left + rx, f.bottom - ry, rx, ry, 2 * kQuarter, 3 * kQuarter);
    EllipticArc(cairo, f.right - rx, f.bottom - ry, rx, ry, 3 * kQuarter, 4 * kQuarter);
    EllipticArc(cairo, f.right - rx, f.top + ry, rx, ry, 0, kQuarter);
    cairo_close_path(cairo);
}

}  // namespace

void DrawBox(Canvas& canvas, IntRect rect, double cornerPercent, const Pen& pen,
             const std::optional<Brush>& brush) {
    rect = Normalized(rect);
    if (IsEmpty(rect)) return;
    const Frame f = PenFrame(rect, pen.width);
    const double share = std::clamp(cornerPercent, 0.0, 100.0) / 100;
    const double rx = std::min(share * (rect.right - rect.left) / 2, f.RadiusX());
    const double ry = std::min(share * (rect.bottom - rect.top) / 2, f.RadiusY());
    FillAndStroke(canvas, pen, brush, [&](cairo_t* cairo) {
        if (rx < 0.5 || ry < 0.5)
            cairo_rectangle(cairo, f.left, f.top, f.right - f.left, f.bottom - f.top);
        else
            RoundedRectangle(cairo, f, rx, ry);
    });
}

void DrawEllipse(Canvas& canvas, IntRect rect, const Pen& pen, const std::optional<Brush>& brush) {
    rect = Normalized(rect);
    if (IsEmpty(rect)) return;
    const Frame f = PenFrame(rect, pen.width);
    FillAndStroke(canvas, pen, brush, [&](cairo_t* cairo) {
        cairo_new_sub_path(cairo);
        EllipticArc(cairo, f.CenterX(), f.CenterY(), f.RadiusX(), f.RadiusY(), 0, kTwoPi);
        cairo_close_path(cairo);
    });
}

void DrawArc(Canvas& canvas, IntRect rect, double start, double end, const Pen& pen) {
    rect = Normalized(rect);
    const Sweep sweep = SweepOf(start, end);
    if (IsEmpty(rect)) return;
    const Frame f = PenFrame(rect, pen.width);
    FillAndStroke(canvas, pen, std::nullopt, [&](cairo_t* cairo) {
        cairo_new_sub_path(cairo);
        EllipticArc(cairo, f.CenterX(), f.CenterY(), f.RadiusX(), f.RadiusY(), sweep.from,
                    sweep.to);
    });
}

void DrawPie(Canvas& canvas, IntRect rect, double start, double end, const Pen& pen,
             const std::optional<Brush>& brush) {
    rect = Normalized(rect);
    const Sweep sweep = SweepOf(start, end);
    if (IsEmpty(rect)) return;
    if (sweep.wholeTurn) {
        DrawEllipse(canvas, rect, pen, brush);
        return;
    }
    const Frame f = PenFrame(rect, pen.width);
    FillAndStroke(canvas, pen, brush, [&](cairo_t* cairo) {
        cairo_move_to(cairo, f.CenterX(), f.CenterY());
        EllipticArc(cairo, f.CenterX(), f.CenterY(), f.RadiusX(), f.RadiusY(), sweep.from,
                    sweep.to);
        cairo_close_path(cairo);
    });
}

void DrawPolygon(Canvas& canvas, const std::vector<IntPoint>& vertices, bool winding,
                 const Pen& pen, const std::optional<Brush>& brush) {
    const double offset = PenOffset(pen.width);
    FillAndStroke(canvas, pen, brush, [&](cairo_t* cairo) {
        cairo_set_fill_rule(cairo, winding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_new_sub_path(cairo);
        for (const IntPoint& p : vertices) cairo_line_to(cairo, p.x + offset, p.y + offset);
        cairo_close_path(cairo);
    });
}

}  // namespace gridlet
