#pragma once
// What a console needs from the thing that shows its cells and reads the user's input.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_event.h"
#include "platform/picture.h"

namespace gridlet {

// No 24-bit colour: the cell shows its attribute's.
constexpr std::int32_t kNoRgb = -1;

// A colour of the xterm 256-colour palette in place of 24 bits: this flag and the index.
constexpr std::int32_t kPaletteColour = 0x1000000;

constexpr std::int32_t PaletteColour(int index) {
    return kPaletteColour | index;
}

struct Cell {
    std::uint8_t ch = ' ';
    std::uint8_t attr = 0x07;
    // Colours shown in place of the attribute's on a terminal that has them: 24-bit (0xRRGGBB) or
    // palette ones; never part of a cell block buffer, so writing the cell again clears them.
    std::int32_t rgbForeground = kNoRgb;
    std::int32_t rgbBackground = kNoRgb;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// A cell the terminal shows a picture's pixels in rather than text.
constexpr std::int32_t kPictureShown = -2;

// A background left to the terminal's own colour: a kitty image under the text shows through it,
// where a cell's colour would hide the image or, in some renderers, be blended with it.
constexpr std::int32_t kTerminalBackground = -3;

struct CellPicture;

// A picture the terminal shows in pixels over a rectangle of cells: in the cells where it shows,
// as sixels in their place or as a kitty image under their text.
struct PixelLayer {
    std::shared_ptr<const CellPicture> picture;
    PictureMode mode = PictureMode::Sixels;
    std::vector<bool> shows;    // for each cell of the rectangle, row by row
    std::vector<bool> changed;  // the cells whose pixels changed since the last present
};

// Rows written since the last flush: bit r - 1 stands for row r.
using RowDamage = std::uint64_t;
constexpr RowDamage kAllRows = ~RowDamage{0};

constexpr RowDamage RowBit(int row) {
    return RowDamage{1} << (row - 1);
}

struct ScreenState {
    const std::vector<Cell>& cells;  // 90 x 46, row by row
    int cursorRow;
    int cursorCol;
    bool cursorVisible;
    RowDamage dirtyRows = kAllRows;      // only these rows can differ from what was shown before
    const PixelLayer* pixels = nullptr;  // a picture over the cells, where the terminal has one
};

class ConsoleBackend {
  public:
    virtual ~ConsoleBackend() = default;
    // Makes the terminal show the given screen; rows outside its damage are as last presented.
    virtual void Present(const ScreenState& screen) = 0;
    // The next input event; waits at most timeoutMs (negative: without limit).
    virtual std::optional<InputEvent> NextInput(int timeoutMs) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void Beep() = 0;

    // Shows the picture over the cells last presented, until HidePicture.
    virtual void ShowPicture(const PictureRequest& request) = 0;
    // Takes the picture away; the next Present shows every cell anew. Never throws, for guards.
    virtual void HidePicture() noexcept = 0;

    // Gives the terminal to another program (normal screen, cooked mode, no mouse reports) and
    // takes it back afterwards, showing every cell anew. Resume never throws, for guards: what
    // ends the session meanwhile ends it at the next wait or present.
    virtual void Suspend() = 0;
    virtual void Resume() noexcept = 0;
};

}  // namespace gridlet
