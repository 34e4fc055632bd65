#pragma once
// Bitmap files stretched into a rectangle (nearest pixel), and the stand-in drawn for a file
// that cannot be read.

#include <optional>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace gridlet {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // rows from the top
};

// Nothing for a file that cannot be read; throws BitmapRefused for one whose decoding is refused.
std::optional<Bitmap> ReadBitmap(const std::string& path);

// Right and bottom of the rectangle exclusive; reversed corners are put in order.
void StretchBitmap(Canvas& canvas, const Bitmap& bitmap, IntRect rect);

// An outlined box with a diagonal cross.
void DrawMissingBitmap(Canvas& canvas, IntRect rect, Rgb colour);

}  // namespace gridlet
