#pragma once
// Grid cells to window pixels: a column is 11.45 pixels wide (held in single precision), a row 23.

#include <cmath>
#include <cstdint>

namespace gridlet {

constexpr float kColumnWidth = 11.45f;
constexpr int kRowHeight = 23;

// Nearest integer, halves to even.
inline std::int32_t Nearest(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

inline std::int32_t PixelX(int col, int windowLeftCol, int ox) {
    return Nearest(static_cast<double>(kColumnWidth) * (col - windowLeftCol) + ox);
}

inline std::int32_t PixelY(int row, int windowTopRow, int oy) {
    return kRowHeight * (row - windowTopRow) + oy;
}

// The column and the row whose point lies nearest a pixel: the mappings above taken back, for
// any pixel a file may hold.
inline std::int32_t ColumnAt(std::int32_t x, int windowLeftCol, int ox) {
    return windowLeftCol +
           Nearest((static_cast<double>(x) - ox) / static_cast<double>(kColumnWidth));
}

inline std::int32_t RowAt(std::int32_t y, int windowTopRow, int oy) {
    return windowTopRow + Nearest((static_cast<double>(y) - oy) / kRowHeight);
}

}  // namespace gridlet
