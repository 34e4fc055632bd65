#include "platform/ansi_writer.h"

#include "platform/console.h"
#include "platform/cp437.h"

namespace gridlet {
namespace {

constexpr const char* kShowCursor = "\x1b[?25h";
constexpr const char* kHideCursor = "\x1b[?25l";

int ForegroundCode(std::uint8_t attr) {
    return ((attr & 0x08) ? 90 : 30) + AnsiColorOf(attr & 0x07);
}

int BackgroundCode(std::uint8_t attr) {
    return ((attr & 0x80) ? 100 : 40) + AnsiColorOf((attr >> 4) & 0x07);
}

// A 24-bit or palette colour's parameters after 38 (foreground) or 48 (background).
std::string ColourParams(int selector, std::int32_t rgb) {
    if (rgb >= kPaletteColour)
        return std::to_string(selector) + ";5;" + std::to_string(rgb - kPaletteColour);
    return std::to_string(selector) + ";2;" + std::to_string((rgb >> 16) & 0xFF) + ";" +
           std::to_string((rgb >> 8) & 0xFF) + ";" + std::to_string(rgb & 0xFF);
}

std::string ForegroundParams(const TerminalPen& pen) {
    if (pen.rgbForeground != kNoRgb) return ColourParams(38, pen.rgbForeground);
    return std::to_string(ForegroundCode(pen.attr));
}

std::string BackgroundParams(const TerminalPen& pen) {
    if (pen.rgbBackground == kTerminalBackground) return "49";
    if (pen.rgbBackground != kNoRgb) return ColourParams(48, pen.rgbBackground);
    return std::to_string(BackgroundCode(pen.attr));
}

TerminalPen PenOf(const Cell& cell) {
    return TerminalPen{cell.attr, cell.rgbForeground, cell.rgbBackground};
}

// Sets only the colours that change; an unknown pen gets both.
std::string PenChange(const std::optional<TerminalPen>& from, const TerminalPen& to) {
    const std::string foreground = ForegroundParams(to);
    const std::string background = BackgroundParams(to);
    const bool setForeground = !from || ForegroundParams(*from) != foreground;
    const bool setBackground = !from || BackgroundParams(*from) != background;
    std::string params;
    if (setForeground) params += foreground;
    if (setForeground && setBackground) params += ";";
    if (setBackground) params += background;
    return "\x1b[" + params + "m";
}

}  // namespace

std::string MoveTo(int row, int col) {
    return "\x1b[" + std::to_string(row) + ";" + std::to_string(col) + "H";
}

int AnsiColorOf(int pcColor) {
    const int red = (pcColor & 4) ? 1 : 0;
    const int blue = (pcColor & 1) ? 4 : 0;
    return red | (pcColor & 2) | blue;
}

ScreenUpdate RenderScreenUpdate(std::optional<ShownScreen> shown, const ScreenState& next) {
    std::string out;
    const bool paintAll = !shown;
    if (paintAll) out += kClearScreen;
    if (!next.cursorVisible && (paintAll || shown->cursorVisible)) out += kHideCursor;

    std::optional<TerminalPen> pen;
    int row = 0;  // where the terminal's cursor is; 0 when unknown
    int col = 0;
    bool wasVisible = false;
    if (shown) {
        pen = shown->pen;
        row = shown->cursorRow;
        col = shown->cursorCol;
        wasVisible = shown->cursorVisible;
    } else {
        shown = ShownScreen{next.cells};
    }
    std::vector<Cell>& cells = shown->cells;

    for (int cellRow = 1; cellRow <= kScreenHeight; ++cellRow) {
        if (!paintAll && (next.dirtyRows & RowBit(cellRow)) == 0) continue;
        for (int cellCol = 1; cellCol <= kScreenWidth; ++cellCol) {
            const auto i = static_cast<std::size_t>((cellRow - 1) * kScreenWidth + cellCol - 1);
            const Cell cell = next.cells[i];
            if (!paintAll && cells[i] == cell) continue;
            cells[i] = cell;
            if (cell.rgbBackground == kPictureShown) continue;  // the picture's bytes draw it
            if (cellRow != row || cellCol != col) out += MoveTo(cellRow, cellCol);
            if (pen != PenOf(cell)) {
                out += PenChange(pen, PenOf(cell));
                pen = PenOf(cell);
            }
            AppendUtf8(out, cell.ch == 0 ? U' ' : Cp437ToUnicode(cell.ch));
            // After the last column terminals differ (pending wrap), so the position is unknown.
            row = cellCol < kScreenWidth ? cellRow : 0;
            col = cellCol < kScreenWidth ? cellCol + 1 : 0;
        }
    }

    if (next.cursorVisible) {
        if (row != next.cursorRow || col != next.cursorCol) {
            out += MoveTo(next.cursorRow, next.cursorCol);
            row = next.cursorRow;
            col = next.cursorCol;
        }
        if (paintAll || !wasVisible) out += kShowCursor;
    }

    shown->cursorRow = row;
    shown->cursorCol = col;
    shown->cursorVisible = next.cursorVisible;
    shown->pen = pen.value_or(TerminalPen{});
    return ScreenUpdate{std::move(out), std::move(*shown)};
}

}  // namespace gridlet
