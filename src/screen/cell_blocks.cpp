#include <algorithm>
#include <vector>

#include "screen/screen.h"

namespace gridlet {
namespace {

constexpr CellRect kWholeScreen{1, 1, kScreenHeight, kScreenWidth};

}  // namespace

std::string Screen::ReadCellBlock(CellRect& rect) {
    rect.bottom = std::min(rect.bottom, kScreenHeight);
    rect.right = std::min(rect.right, kScreenWidth);
    const std::vector<Cell> cells = console_.ReadBlock(rect);
    std::string buffer(cells.size() * 4, '\0');
    for (std::size_t i = 0; i < cells.size(); ++i) {
        buffer[4 * i] = static_cast<char>(cells[i].ch);
        buffer[4 * i + 2] = static_cast<char>(cells[i].attr);
    }
    return buffer;
}

void Screen::WriteCellBlock(const CellRect& rect, const std::string& buffer) {
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0) return;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (buffer.size() < count * 4) return;
    std::vector<Cell> cells(count);
    for (std::size_t i = 0; i < count; ++i) {
        cells[i] = Cell{static_cast<std::uint8_t>(buffer[4 * i]),
                        static_cast<std::uint8_t>(buffer[4 * i + 2])};
    }
    console_.WriteBlock(rect, cells);
}

void Screen::SaveScreen(std::string& buffer) {
    CellRect whole = kWholeScreen;
    buffer = ReadCellBlock(whole);
}

void Screen::RestoreScreen(const std::string& buffer) {
    WriteCellBlock(kWholeScreen, buffer);
}

void Screen::PrintAt(int row, int col, int foreground, int background, std::string_view text) {
    const auto attr = static_cast<std::uint8_t>(((background & 15) << 4) | (foreground & 15));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = col + static_cast<int>(i);
        console_.WriteBlock({row, c, row, c}, {Cell{static_cast<std::uint8_t>(text[i]), attr}});
    }
}

}  // namespace gridlet
