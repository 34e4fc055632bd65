#include "render/support_routines.h"

#include <cmath>

#include "render/render_error.h"

namespace gridlet {
namespace {

constexpr long double kTwoPi = 6.28318530717958648L;
constexpr long kMostPoints = 1024;

// BASIC's a \ b: both operands rounded to integers, the quotient truncated.
long IntegerDivide(long double a, long b) {
    return static_cast<long>(std::nearbyint(a)) / b;
}

// Both routines start alike: whole half-widths (LONG) and a centre held in SINGLE.
struct Ring {
    long xRadius;
    long yRadius;
    PointF center;

    PointF At(long double angle) const {
        return {static_cast<float>(std::cos(angle) * xRadius + center.x),
                static_cast<float>(std::sin(angle) * yRadius + center.y)};
    }
};

Ring InscribedEllipse(float nLeft, float nTop, float nRight, float nBottom) {
    const long xRadius = IntegerDivide(static_cast<long double>(nRight) - nLeft, 2);
    const long yRadius = IntegerDivide(static_cast<long double>(nBottom) - nTop, 2);
    return {xRadius,
            yRadius,
            {static_cast<float>(nLeft + static_cast<long double>(xRadius)),
             static_cast<float>(nTop + static_cast<long double>(yRadius))}};
}

}  // namespace

long double Degree2Radian(long double degree) {
    const long double f = degree > 89 ? 2.5L : 0.5L;
    const long double r = degree * 0.0174532925199433L;
    return f * 3.14159265358979324L - r;
}

PolyPoints PolygonPoints(float nLeft, float nTop, float nRight, float nBottom, long double startRad,
                         long count) {
    if (count < 1) throw RenderError("a polygon needs at least one point");
    if (count > kMostPoints) throw RenderError("a polygon has at most 1024 points");
    const Ring ellipse = InscribedEllipse(nLeft, nTop, nRight, nBottom);
    const long double radGap = kTwoPi / count;
    PolyPoints polygon{count, {}};
    for (long left = count; left != 0; --left) {
        polygon.points.push_back(ellipse.At(startRad));
        startRad = startRad + radGap;
    }
    return polygon;
}

std::vector<PointF> RingPoints(float nLeft, float nTop, float nRight, float nBottom,
                               long double startRad, long upperBound) {
    if (upperBound < 1) throw RenderError("a star needs at least one point");
    if (upperBound > kMostPoints) throw RenderError("a star has at most 1024 points");
    const Ring ellipse = InscribedEllipse(nLeft, nTop, nRight, nBottom);
    const long double radGap = kTwoPi / upperBound;
    std::vector<PointF> points;
    for (long p = 0; p <= upperBound; ++p) {
        points.push_back(ellipse.At(startRad));
        startRad = startRad + radGap;
    }
    return points;
}

}  // namespace gridlet
