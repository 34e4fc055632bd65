#include "render/brush.h"

#include <algorithm>

namespace gridlet {
namespace {

constexpr int kHatchSpacing = BrushTile::kSize;

int Modulo(int value) {
    return ((value % kHatchSpacing) + kHatchSpacing) % kHatchSpacing;
}

bool OnHatchLine(Hatch hatch, IntPoint p) {
    const bool horizontal = Modulo(p.y) == 0;
    const bool vertical = Modulo(p.x) == 0;
    const bool upward = Modulo(p.x + p.y) == 0;    // rising to the right on the screen
    const bool downward = Modulo(p.x - p.y) == 0;  // falling to the right
    switch (hatch) {
        case Hatch::Solid:
            return true;
        case Hatch::Horizontal:
            return horizontal;
        case Hatch::Vertical:
            return vertical;
        case Hatch::UpwardDiagonal:
            return upward;
        case Hatch::DownwardDiagonal:
            return downward;
        case Hatch::Cross:
            return horizontal || vertical;
        case Hatch::DiagonalCross:
            return upward || downward;
    }
    return true;
}

std::optional<Rgb> BrushColourAt(const Brush& brush, IntPoint p) {
    return OnHatchLine(brush.hatch, p) ? brush.colour : brush.gaps;
}

}  // namespace

BrushTile::BrushTile(const Brush& brush) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const std::optional<Rgb> colour = BrushColourAt(brush, {x, y});
            masks_[y * kSize + x] = colour ? ~std::uint32_t{0} : 0;
            pixels_[y * kSize + x] = colour ? Packed(*colour) : 0;
            solid_ = solid_ && colour && pixels_[y * kSize + x] == pixels_[0];
        }
    }
}

void BrushTile::PaintRun(std::uint32_t* row, int y, int left, int right) const {
    if (solid_) {
        std::fill(row + left, row + right + 1, pixels_[0]);
        return;
    }
    const std::uint32_t* pixels = &pixels_[Index(0, y)];
    const std::uint32_t* masks = &masks_[Index(0, y)];
    const auto paint = [&](int x, int i) { row[x] = (row[x] & ~masks[i]) | pixels[i]; };
    int x = left;
    for (; x <= right && (x & (kSize - 1)) != 0; ++x) paint(x, x & (kSize - 1));
    // Whole repeats of the pattern, which the compiler turns into vector operations.
    for (; x + kSize - 1 <= right; x += kSize) {
        for (int i = 0; i < kSize; ++i) paint(x + i, i);
    }
    for (; x <= right; ++x) paint(x, x & (kSize - 1));
}

void SetBrushSource(cairo_t* cairo, const Brush& brush) {
    if (brush.hatch == Hatch::Solid) {
        SetSource(cairo, brush.colour);
        return;
    }
    const BrushTile pixels(brush);
    cairo_surface_t* tile =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchSpacing, kHatchSpacing);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < kHatchSpacing; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < kHatchSpacing; ++x) {
            const std::optional<std::uint32_t> colour = pixels.At({x, y});
            row[x] = colour ? 0xFF000000u | *colour : 0u;  // premultiplied: opaque or clear
        }
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_set_source(cairo, pattern);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
}

}  // namespace gridlet
