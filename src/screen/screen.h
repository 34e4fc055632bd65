#pragma once
// The console screen kit: the panel painter and the cell block save and restore.

#include <string>
#include <string_view>

#include "platform/console.h"

namespace gridlet {

class Screen {
  public:
    explicit Screen(Console& console) : console_(console) {}

    // Work area of the panel procedures: each assembles its image here and hands it on.
    std::string PanelImage;

    // Paints an image of 2 bytes a cell (character, attribute) into the inclusive rectangle,
    // then empties the image. An image of the wrong length paints only the whole cells it holds,
    // row by row, and never anything outside the rectangle.
    void PaintPanel(int leftCol, int rightCol, int topRow, int bottomRow, std::string& image);

    // Cell block buffers hold 4 bytes a cell: character, 0, attribute, 0.
    void ReadCellBlock(int& topRow, int& leftCol, int& bottomRow, int& rightCol,
                       std::string& buffer);
    void WriteCellBlock(int topRow, int leftCol, int bottomRow, int rightCol,
                        const std::string& buffer);
    void SaveScreen(std::string& buffer);
    void RestoreScreen(const std::string& buffer);

    // Writes code page 437 text at a place in the given colours; cursor and text colour stay.
    void PrintAt(int row, int col, int foreground, int background, std::string_view text);

    Console& console() { return console_; }

  private:
    Console& console_;
};

}  // namespace gridlet
