#include "interact/dialog_kit.h"

namespace gridlet {

DialogCover::DialogCover(Screen& screen, int topRow, int leftCol, int bottomRow, int rightCol)
    : screen_(screen),
      topRow_(topRow),
      leftCol_(leftCol),
      bottomRow_(bottomRow),
      rightCol_(rightCol),
      cursorRow_(screen.console().CursorRow()),
      cursorCol_(screen.console().CursorCol()),
      cursorVisible_(screen.console().CursorVisible()),
      mouseButtons_(screen.console().MouseButtons()),
      mouseKinds_(screen.console().MouseKinds()) {
    screen_.ReadCellBlock(topRow_, leftCol_, bottomRow_, rightCol_, cells_);
}

DialogCover::~DialogCover() {
    screen_.WriteCellBlock(topRow_, leftCol_, bottomRow_, rightCol_, cells_);
    screen_.console().Locate(cursorRow_, cursorCol_);
    screen_.console().SetCursorVisible(cursorVisible_);
    screen_.console().SetMouseEvents(mouseButtons_, mouseKinds_);
}

ConsoleEvent ReadDialogInput(Console& console) {
    console.SetMouseEvents(kLeftButton, kPress);
    return console.ReadEvent();
}

void PrintField(Screen& screen, int row, int col, int width, int attribute,
                const std::string& text) {
    std::string shown = text.substr(0, static_cast<std::size_t>(width));
    shown.resize(static_cast<std::size_t>(width), ' ');
    screen.PrintAt(row, col, attribute & 15, attribute >> 4, shown);
}

}  // namespace gridlet
