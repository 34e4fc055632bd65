#include <algorithm>
#include <vector>

#include "screen/screen.h"

namespace gridlet {

void Screen::PaintPanel(const CellRect& rect, std::string_view image) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    // Start from what the rectangle shows, so a short image leaves the cells it lacks as they
    // were; a long one is read no further than the rectangle.
    std::vector<Cell> cells = console_.ReadBlock(rect);
    const std::size_t painted = std::min(cells.size(), image.size() / 2);
    for (std::size_t i = 0; i < painted; ++i) {
        cells[i] = Cell{static_cast<std::uint8_t>(image[2 * i]),
                        static_cast<std::uint8_t>(image[2 * i + 1])};
    }
    console_.WriteBlock(rect, cells);
}

}  // namespace gridlet
