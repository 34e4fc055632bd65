#include <algorithm>
#include <vector>

#include "screen/screen.h"

namespace gridlet {

void Screen::ReadCellBlock(int& topRow, int& leftCol, int& bottomRow, int& rightCol,
                           std::string& buffer) {
    bottomRow = std::min(bottomRow, kScreenHeight);
    rightCol = std::min(rightCol, kScreenWidth);
    const std::vector<Cell> cells = console_.ReadBlock(topRow, leftCol, bottomRow, rightCol);
    buffer.assign(cells.size() * 4, '\0');
    for (std::size_t i = 0; i < cells.size(); ++i) {
        buffer[4 * i] = static_cast<char>(cells[i].ch);
        buffer[4 * i + 2] = static_cast<char>(cells[i].attr);
    }
}

void Screen::WriteCellBlock(int topRow, int leftCol, int bottomRow, int rightCol,
                            const std::string& buffer) {
    const int width = rightCol - leftCol + 1;
    const int height = bottomRow - topRow + 1;
    if (width <= 0 || height <= 0) return;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (buffer.size() < count * 4) return;
    std::vector<Cell> cells(count);
    for (std::size_t i = 0; i < count; ++i) {
        cells[i] = Cell{static_cast<std::uint8_t>(buffer[4 * i]),
                        static_cast<std::uint8_t>(buffer[4 * i + 2])};
    }
    console_.WriteBlock(topRow, leftCol, bottomRow, rightCol, cells);
}

void Screen::SaveScreen(std::string& buffer) {
    int top = 1, left = 1, bottom = kScreenHeight, right = kScreenWidth;
    ReadCellBlock(top, left, bottom, right, buffer);
}

void Screen::RestoreScreen(const std::string& buffer) {
    WriteCellBlock(1, 1, kScreenHeight, kScreenWidth, buffer);
}

void Screen::PrintAt(int row, int col, int foreground, int background, std::string_view text) {
    const auto attr = static_cast<std::uint8_t>(((background & 15) << 4) | (foreground & 15));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = col + static_cast<int>(i);
        console_.WriteBlock(row, c, row, c, {Cell{static_cast<std::uint8_t>(text[i]), attr}});
    }
}

}  // namespace gridlet
