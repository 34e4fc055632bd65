#pragma once
// The in-memory console, a virtual clock and an empty design, for scripted menu and dialog flows.

#include <string>

#include "all_images.h"
#include "support/console_fixture.h"

namespace gridlet {

// Keeps the last screen shown, so that a test sees a dialog that was open when its script ran
// out (a dialog gives its cells back on the way out).
class MenuFixture : public ConsoleFixture {
  protected:
    MenuFixture() {
        backend.onPresent = [this](const ScreenState& screenShown) { shown = screenShown.cells; };
    }

    bool ScreenShows(const std::string& text) const {
        for (int row = 1; row <= kScreenHeight; ++row) {
            if (RowText(row).find(text) != std::string::npos) return true;
        }
        return false;
    }
    Cell ShownCell(int row, int col) const {
        return shown[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
    }
    bool ShownAnywhere(const std::string& text) const {
        for (int row = 1; row <= kScreenHeight; ++row) {
            std::string line;
            for (int col = 1; col <= kScreenWidth; ++col)
                line += static_cast<char>(ShownCell(row, col).ch);
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }
    // True when the image's rectangle shows exactly the image.
    bool Shows(const ImageInfo& image) const {
        std::size_t i = 0;
        for (int row = image.topRow; row <= image.bottomRow; ++row) {
            for (int col = image.leftCol; col <= image.rightCol; ++col, i += 2) {
                const Cell cell = console.CellAt(row, col);
                if (cell.ch != static_cast<std::uint8_t>(image.bytes[i]) ||
                    cell.attr != static_cast<std::uint8_t>(image.bytes[i + 1])) {
                    return false;
                }
            }
        }
        return true;
    }
    // Fills the screen with a pattern, so that a restore that misses a cell shows.
    void PaintBackground() {
        for (int row = 1; row <= kScreenHeight; ++row) {
            std::string line;
            for (int col = 1; col <= kScreenWidth; ++col)
                line += static_cast<char>('A' + (row + col) % 26);
            screen.PrintAt(row, 1, row % 16, (row + 3) % 16, line);
        }
    }

    std::vector<Cell> shown;
};

}  // namespace gridlet
