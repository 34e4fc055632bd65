#include "dialogs/list_box.h"

#include <algorithm>

#include "platform/cell_text.h"
#include "platform/cp1252.h"
#include "platform/keys.h"

namespace gridlet {

void ListBox::SetItems(std::vector<std::string> items, int selected) {
    items_ = std::move(items);
    first_ = 0;
    selected_ = -1;
    if (selected >= 0) Select(selected);
}

void ListBox::Select(int index) {
    if (items_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
    if (selected_ < first_) first_ = selected_;
    if (selected_ >= first_ + rows_) first_ = selected_ - rows_ + 1;
}

bool ListBox::MoveByKey(const ConsoleEvent& input) {
    if (input.IsExtendedKey(kScanUp)) {
        Select(selected_ < 0 ? 0 : selected_ - 1);
        return true;
    }
    if (input.IsExtendedKey(kScanDown)) {
        Select(selected_ + 1);
        return true;
    }
    return false;
}

bool ListBox::Click(int row, int col) {
    if (!Holds(row, col)) return false;
    const int lastFirst = std::max(0, static_cast<int>(items_.size()) - rows_);
    if (col == right_) {
        if (row == top_) first_ = std::max(0, first_ - 1);
        if (row == top_ + rows_ - 1) first_ = std::min(lastFirst, first_ + 1);
        return false;
    }
    const int index = first_ + row - top_;
    if (index >= static_cast<int>(items_.size())) return false;
    selected_ = index;
    return true;
}

void ListBox::Draw(Screen& screen, int attribute, int selectedAttribute) const {
    const int width = right_ - left_;
    for (int r = 0; r < rows_; ++r) {
        const int index = first_ + r;
        const bool shown = index < static_cast<int>(items_.size());
        const std::string name =
            shown ? CellText(Utf8ToCp1252(items_[static_cast<std::size_t>(index)])) : "";
        PrintField(screen, top_ + r, left_, width,
                   index == selected_ ? selectedAttribute : attribute, name);
    }
    PrintField(screen, top_, right_, 1, attribute, "\x1E");
    for (int r = 1; r < rows_ - 1; ++r) PrintField(screen, top_ + r, right_, 1, attribute, "\xB0");
    PrintField(screen, top_ + rows_ - 1, right_, 1, attribute, "\x1F");
}

}  // namespace gridlet
