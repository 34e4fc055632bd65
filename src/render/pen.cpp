#include "render/pen.h"

#include "render/canvas.h"

namespace gridlet {

std::span<const double> DashLengths(LineStyle style) {
    static constexpr double kDash[] = {18, 6};
    static constexpr double kDot[] = {3, 3};
    static constexpr double kDashDot[] = {9, 6, 3, 6};
    static constexpr double kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
        case LineStyle::Solid:
            return {};
        case LineStyle::Dash:
            return kDash;
        case LineStyle::Dot:
            return kDot;
        case LineStyle::DashDot:
            return kDashDot;
        case LineStyle::DashDotDot:
            return kDashDotDot;
    }
    return {};
}

double PenOffset(int width) {
    return width % 2 == 1 ? 0.5 : 0.0;
}

void SetPen(cairo_t* cairo, const Pen& pen) {
    SetSource(cairo, pen.colour);
    cairo_set_line_width(cairo, pen.width);
    const bool thin = pen.width == 1;
    cairo_set_line_cap(cairo, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, thin ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
    const std::span<const double> dashes = DashLengths(thin ? pen.style : LineStyle::Solid);
    cairo_set_dash(cairo, dashes.data(), static_cast<int>(dashes.size()), 0);
}

}  // namespace gridlet
