#pragma once
// Turns the console's cells into the bytes that make an ANSI terminal show them: only what
// differs from what the terminal shows already, in one string for one write().

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/console_backend.h"

namespace gridlet {

// The colours the terminal writes with: a cell's attribute and 24-bit or palette colours.
struct TerminalPen {
    std::uint8_t attr = 0x07;
    std::int32_t rgbForeground = kNoRgb;
    std::int32_t rgbBackground = kNoRgb;
    friend bool operator==(const TerminalPen&, const TerminalPen&) = default;
};

// What the terminal shows after a flush, and where its cursor and pen are.
struct ShownScreen {
    std::vector<Cell> cells;
    int cursorRow = 1;  // the terminal's cursor, 0 when unknown
    int cursorCol = 1;
    bool cursorVisible = true;
    TerminalPen pen{};
};

struct ScreenUpdate {
    std::string bytes;
    ShownScreen shown;
};

// The bytes that turn the shown screen into the new one; with nothing shown yet, the whole
// screen is painted on a cleared terminal. Only the rows in next.dirtyRows are compared, so a
// flush with nothing written costs nothing; move the shown screen in to spare its copy.
ScreenUpdate RenderScreenUpdate(std::optional<ShownScreen> shown, const ScreenState& next);

// Plain colours and a cleared screen.
constexpr const char* kClearScreen = "\x1b[0m\x1b[2J";

// The bytes that put the terminal's cursor on a cell, row and column from 1.
std::string MoveTo(int row, int col);

// The ANSI colour number (0-7) of a PC palette colour's low three bits: red and blue swap places.
int AnsiColorOf(int pcColor);

}  // namespace gridlet
