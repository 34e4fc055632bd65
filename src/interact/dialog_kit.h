#pragma once
// Pieces shared by the dialogs drawn in the console: keeping the cells they cover, reading a
// click or a key, and the keys they answer to.

#include <string>

#include "platform/keys.h"
#include "screen/screen.h"

namespace gridlet {

// Keeps what a dialog covers or changes (the cells of its rectangle, the cursor and the mouse
// event selection) and puts it back when the dialog goes, however it goes.
class DialogCover {
  public:
    DialogCover(Screen& screen, int topRow, int leftCol, int bottomRow, int rightCol);
    ~DialogCover();
    DialogCover(const DialogCover&) = delete;
    DialogCover& operator=(const DialogCover&) = delete;

  private:
    Screen& screen_;
    int topRow_, leftCol_, bottomRow_, rightCol_;
    std::string cells_;
    int cursorRow_, cursorCol_;
    bool cursorVisible_;
    int mouseButtons_, mouseKinds_;
};

// Waits for a left-button press or a key.
ConsoleEvent ReadDialogInput(Console& console);

inline bool Inside(int row, int col, int topRow, int leftCol, int bottomRow, int rightCol) {
    return row >= topRow && row <= bottomRow && col >= leftCol && col <= rightCol;
}

// Writes a text into a field of the given width, cut or padded with blanks.
void PrintField(Screen& screen, int row, int col, int width, int attribute,
                const std::string& text);

}  // namespace gridlet
