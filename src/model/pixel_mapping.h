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

}  // namespace gridlet
