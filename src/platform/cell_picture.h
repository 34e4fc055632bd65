#pragma once
// A picture laid over a rectangle of cells: each cell shows the pixels between its edges, as the
// pixel mapping gives them, and the terminal shows them as pixels or as a block symbol.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/cell_rect.h"
#include "platform/console_backend.h"
#include "platform/picture_display.h"
#include "platform/terminal_capabilities.h"

namespace gridlet {

struct CellPicture {
    CellRect cells;
    // Cell column c of the rectangle (from 0) covers pixel columns xEdges[c] to xEdges[c + 1] - 1;
    // rows likewise.
    std::vector<int> xEdges;
    std::vector<int> yEdges;
    int width = 0;  // the picture, three bytes a pixel, rows from the top
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The pixels of a cell of the rectangle (row and column on the screen): left, top, right and
// bottom, the last two past the end, cut to the picture.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};
PixelBox CellPixelBox(const CellPicture& picture, int row, int col);

// One flag for each cell of the rectangle, row by row: whether its pixels differ between the two.
// Every cell differs from a picture of another size or place.
std::vector<bool> ChangedCells(const CellPicture& before, const CellPicture& after);

// The cells of a region of the rectangle, row by row, as block symbols that chafa picks from
// each cell's own pixels (a blank, a half block or a full one), in the colours of the depth (the
// nearest palette ones for 256) and the nearest of the 16 attribute colours always.
std::vector<Cell> SymbolCells(const CellPicture& picture, const CellRect& region,
                              ColourDepth depth);

// The cells of a region of the rectangle as the terminal shows them: cell.width x cell.height
// pixels a cell, each taken from the nearest pixel of the cell's part of the picture.
std::vector<std::uint8_t> ScaledCells(const CellPicture& picture, const CellRect& region,
                                      CellPixels cell);

// The bytes that draw a region as sixels at its place.
std::string SixelCells(const CellPicture& picture, const CellRect& region, CellPixels cell);

// The bytes that send the whole rectangle as one kitty image, cell.width x cell.height pixels a
// cell, in place of the one sent before and its placements; nothing shows it yet.
std::string KittyImage(const CellPicture& picture, CellPixels cell);

// The bytes that show a run of cells of one row of the rectangle, with their part of the image
// sent, under their text; and those that take that run's image away again.
std::string KittyPlacement(const CellPicture& picture, const CellRect& run, CellPixels cell);
std::string KittyRemoval(const CellPicture& picture, const CellRect& run);

}  // namespace gridlet
