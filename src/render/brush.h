#pragma once
// How an area is filled: solid, or one of the six hatch patterns, whose lines take the fill
// colour and whose gaps take the background colour. The pattern is anchored at the picture's
// origin, so it lands on the same pixels wherever the area lies.

#include <cairo.h>

#include <array>
#include <cstdint>
#include <optional>

#include "render/canvas.h"

namespace gridlet {

enum class Hatch {
    Solid,
    Horizontal,
    Vertical,
    UpwardDiagonal,
    DownwardDiagonal,
    Cross,
    DiagonalCross
};

struct Brush {
    Rgb colour;
    Hatch hatch = Hatch::Solid;
    std::optional<Rgb> gaps;  // none: the gaps leave what lies beneath
};

// The brush's pixels over one repeat of its pattern: a pixel's colour depends only on where it
// lies in the picture.
class BrushTile {
  public:
    static constexpr int kSize = 8;

    explicit BrushTile(const Brush& brush);

    // The packed colour at a pixel; none for a gap that leaves what lies beneath.
    std::optional<std::uint32_t> At(IntPoint p) const {
        const int i = Index(p.x, p.y);
        return masks_[i] ? std::optional<std::uint32_t>(pixels_[i]) : std::nullopt;
    }

    // Paints the pixels left to right (both included) of a row of the picture.
    void PaintRun(std::uint32_t* row, int y, int left, int right) const;

  private:
    static int Index(int x, int y) { return (y & (kSize - 1)) * kSize + (x & (kSize - 1)); }

    // Colours where the brush paints, zero in the gaps; masks all ones where it paints.
    std::array<std::uint32_t, kSize * kSize> pixels_{};
    std::array<std::uint32_t, kSize * kSize> masks_{};
    bool solid_ = true;  // every pixel painted in one colour
};

// Makes the brush cairo's source, so a cairo fill paints exactly what BrushColourAt says.
void SetBrushSource(cairo_t* cairo, const Brush& brush);

}  // namespace gridlet
