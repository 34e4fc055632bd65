#pragma once
// A scrolling list of names drawn in a dialog, with the arrows ▲ ▼ in its last column.

#include <string>
#include <vector>

#include "interact/dialog_kit.h"

namespace gridlet {

class ListBox {
  public:
    // Rows topRow..topRow+rows-1, names in columns leftCol..rightCol-1, arrows in rightCol.
    ListBox(int topRow, int leftCol, int rows, int rightCol)
        : top_(topRow), left_(leftCol), rows_(rows), right_(rightCol) {}

    void SetItems(std::vector<std::string> items, int selected);
    const std::vector<std::string>& Items() const { return items_; }
    int Selected() const { return selected_; }
    void Select(int index);

    // Up and Down move the selection; true when the key was one of them.
    bool MoveByKey(const ConsoleEvent& input);
    // A click on a name selects it (true); one on an arrow scrolls.
    bool Click(int row, int col);
    bool Holds(int row, int col) const {
        return CellRect{top_, left_, top_ + rows_ - 1, right_}.Contains(row, col);
    }

    // Names are UTF-8; they are shown in code page 437.
    void Draw(Screen& screen, int attribute, int selectedAttribute) const;

  private:
    int top_, left_, rows_, right_;
    std::vector<std::string> items_;
    int selected_ = -1;
    int first_ = 0;  // the item shown on the top row
};

}  // namespace gridlet
