#pragma once
// Keeps what a dialog covers or changes on the console (the cells of its rectangle, the text
// colour, the cursor and the mouse event selection) and puts it all back when the dialog goes,
// however it goes.

#include <cstdint>
#include <vector>

#include "platform/cell_rect.h"
#include "platform/console.h"

namespace gridlet {

class DialogCover {
  public:
    DialogCover(Console& console, const CellRect& rect);
    ~DialogCover();
    DialogCover(const DialogCover&) = delete;
    DialogCover& operator=(const DialogCover&) = delete;

  private:
    Console& console_;
    CellRect rect_;
    std::vector<Cell> cells_;
    std::uint8_t attribute_;
    int cursorRow_, cursorCol_;
    bool cursorVisible_;
    int mouseButtons_, mouseKinds_;
};

}  // namespace gridlet
