#pragma once
// A rectangle of screen cells: 1-based rows and columns, edges included.

namespace gridlet {

struct CellRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool Contains(int row, int col) const {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

}  // namespace gridlet
