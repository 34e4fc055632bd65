#pragma once
// The console screen kit: the panel painter and the cell block save and restore.

#include <string>
#include <string_view>

#include "platform/cell_rect.h"
#include "platform/console.h"
#include "screen/image_info.h"

namespace gridlet {

class Screen {
  public:
    explicit Screen(Console& console) : console_(console) {}

    // Paints an image of 2 bytes a cell (character, attribute) into the rectangle. An image of
    // the wrong length paints only the whole cells it holds, row by row, and never anything
    // outside the rectangle.
    void PaintPanel(const CellRect& rect, std::string_view image);
    void PaintImage(const ImageInfo& image) { PaintPanel(image.Rect(), image.bytes); }

    // Cell block buffers hold 4 bytes a cell: character, 0, attribute, 0.
    // Reading first brings the rectangle's bottom and right edges onto the screen.
    std::string ReadCellBlock(CellRect& rect);
    void WriteCellBlock(const CellRect& rect, const std::string& buffer);
    void SaveScreen(std::string& buffer);
    void RestoreScreen(const std::string& buffer);

    // Writes code page 437 text at a place in the given colours; cursor and text colour stay.
    void PrintAt(int row, int col, int foreground, int background, std::string_view text);

    Console& console() { return console_; }

  private:
    Console& console_;
};

}  // namespace gridlet
