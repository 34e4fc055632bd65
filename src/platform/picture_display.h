#pragma once
// The bytes that make a terminal show a picture in a rectangle of cells.

#include <string>
#include <string_view>

#include "platform/picture.h"
#include "platform/terminal_capabilities.h"

namespace gridlet {

// The pixel size of one character cell.
struct CellPixels {
    int width = 10;
    int height = 20;
};

// Removes every kitty image from the screen; other pictures go when their cells are written.
constexpr std::string_view kDeleteKittyImages = "\x1b_Ga=d\x1b\\";

// Pixels where the terminal has them (kitty, then iTerm2, then sixels), symbols elsewhere.
PictureMode ChoosePictureMode(const TerminalCapabilities& capabilities);

// The largest rectangle of cells in the area that keeps the picture's proportions, centred in it.
// Pixel modes show the picture at most at its own size; symbols are coarse, so they fill the area.
CellRect FitPicture(int width, int height, const CellRect& area, CellPixels cell, PictureMode mode);

// The bytes that show the picture stretched over the rectangle: cursor moves, then the image or
// its rows of symbols. Sixels of a picture of few colours keep each of them (nearest pixels, a
// register for each colour); symbols take the colours the terminal has. Empty for a picture
// without pixels.
std::string PictureBytes(const PictureView& picture, const CellRect& place, PictureMode mode,
                         ColourDepth colours, CellPixels cell);

}  // namespace gridlet
