#include <algorithm>
#include <vector>

#include "screen/screen.h"

namespace gridlet {

void Screen::PaintPanel(int leftCol, int rightCol, int topRow, int bottomRow, std::string& image) {
    const int width = rightCol - leftCol + 1;
    const int height = bottomRow - topRow + 1;
    if (width > 0 && height > 0) {
        // Start from what the rectangle shows, so a short image leaves the cells it lacks as they
        // were; a long one is read no further than the rectangle.
        std::vector<Cell> cells = console_.ReadBlock(topRow, leftCol, bottomRow, rightCol);
        const std::size_t painted = std::min(cells.size(), image.size() / 2);
        for (std::size_t i = 0; i < painted; ++i) {
            cells[i] = Cell{static_cast<std::uint8_t>(image[2 * i]),
                            static_cast<std::uint8_t>(image[2 * i + 1])};
        }
        console_.WriteBlock(topRow, leftCol, bottomRow, rightCol, cells);
    }
    image.clear();
}

}  // namespace gridlet
