#pragma once
// The picture being drawn: a cairo image surface with anti-aliasing off, which cairo and the
// renderer's own integer algorithms (lines, flood fills) write alike.

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/fill_marks.h"
#include "render/rgb_image.h"

namespace gridlet {

// The bits of a pixel that hold its colour; cairo leaves the top byte of RGB24 undefined.
inline constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// A colour as a pixel of cairo's 32-bit formats: 0x00RRGGBB.
inline std::uint32_t Packed(Rgb colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

inline Rgb Unpacked(std::uint32_t pixel) {
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

void SetSource(cairo_t* cairo, Rgb colour);

struct IntPoint {
    int x = 0;
    int y = 0;
    bool operator==(const IntPoint&) const = default;
};

// Right and bottom are exclusive.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle with its corners in order.
inline IntRect Normalized(IntRect rect) {
    return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
            std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

class Canvas {
  public:
    // Throws RenderError when the memory for the picture cannot be had.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(IntPoint p) const {
        return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    }

    // cairo state (source, path, line settings) is the caller's to set; antialias stays off.
    // Counted as a drawing, since the caller may draw with it.
    cairo_t* Cairo() {
        ++drawings_;
        return cairo_;
    }

    // A failed cairo call leaves the context unusable: make a fresh one and report the failure
    // as a RenderError, so the statements after it still draw.
    void CheckCairo();

    // Direct pixel access; call Flush before reading and MarkDirty after writing, so cairo's
    // pending work and the direct writes keep their order.
    void Flush() const;
    void MarkDirty();
    std::uint32_t* Row(int y) const {
        return reinterpret_cast<std::uint32_t*>(data_ + y * stride_);
    }
    Rgb Pixel(IntPoint p) const { return Unpacked(Row(p.y)[p.x]); }
    void SetPixel(IntPoint p, Rgb colour) {
        ++drawings_;
        Row(p.y)[p.x] = Packed(colour);
    }

    // How many times the picture may have been drawn on, so a fill can tell whether what it found
    // before still holds.
    std::uint64_t Drawings() const { return drawings_; }

    // The fill marks as the fills left them, one for every pixel.
    FillMarks& Marks();
    // The fill marks, with a value for the coming fill that no pixel holds yet.
    FillMarks& NewFillMarks();

    void Clear(Rgb colour);
    RgbImage Picture() const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cairo_;
    unsigned char* data_;
    std::ptrdiff_t stride_;
    FillMarks fillMarks_;
    std::uint64_t drawings_ = 0;
};

}  // namespace gridlet
