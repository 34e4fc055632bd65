#pragma once
// The in-memory console, a virtual clock and an empty design, for scripted menu and dialog flows.

#include <gtest/gtest.h>

#include <string>

#include "app/context.h"
#include "platform/clock.h"
#include "platform/input_events.h"
#include "platform/memory_backend.h"
#include "screen/images.h"

namespace gridlet {

// Keeps the last screen shown, so that a test sees a dialog that was open when its script ran
// out (a dialog gives its cells back on the way out).
class ShowingBackend : public MemoryBackend {
  public:
    void Present(const ScreenState& screen) override {
        shown = screen.cells;
        MemoryBackend::Present(screen);
    }
    std::vector<Cell> shown;
};

class MenuFixture : public ::testing::Test {
  protected:
    // The characters of one screen row, columns from..to (1-based, inclusive).
    std::string RowText(int row, int from = 1, int to = kScreenWidth) const {
        std::string text;
        for (int col = from; col <= to; ++col)
            text += static_cast<char>(console.CellAt(row, col).ch);
        return text;
    }
    bool ScreenShows(const std::string& text) const {
        for (int row = 1; row <= kScreenHeight; ++row) {
            if (RowText(row).find(text) != std::string::npos) return true;
        }
        return false;
    }
    Cell ShownCell(int row, int col) const {
        return backend.shown[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
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
    std::string ScreenBytes() {
        std::string buffer;
        screen.SaveScreen(buffer);
        return buffer;
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
    // A click as the terminal reports it: the pointer moves there, then the button goes down.
    void Click(int row, int col) {
        backend.Script(MoveEvent(row, col));
        backend.Script(PressEvent(row, col));
    }
    void Type(const std::string& keys) {
        for (char key : keys) backend.Script(KeyEvent(key));
    }
    void TypeLine(const std::string& line) {
        Type(line);
        backend.Script(KeyEvent('\r'));
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

    ShowingBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    DesignState state;
    MemoryClipboard clipboard;
    Context context{console, screen, state, clipboard};
};

}  // namespace gridlet
