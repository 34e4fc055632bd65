#include "platform/console.h"

#include <algorithm>
#include <variant>

#include "platform/picture_display.h"

namespace gridlet {

static_assert(kScreenHeight <= 64, "a row damage has a bit for every row");

Console::Console(ConsoleBackend& backend, Clock& clock, TerminalCapabilities capabilities)
    : backend_(backend),
      clock_(clock),
      capabilities_(capabilities),
      cells_(kScreenWidth * kScreenHeight) {}

void Console::WriteBlock(const CellRect& rect, const std::vector<Cell>& cells) {
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0) return;
    if (cells.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return;
    Damage(rect.top, rect.bottom);
    for (int r = 0; r < height; ++r) {
        const int row = rect.top + r;
        if (row < 1 || row > kScreenHeight) continue;
        for (int c = 0; c < width; ++c) {
            const int col = rect.left + c;
            if (col < 1 || col > kScreenWidth) continue;
            cells_[Index(row, col)] = cells[static_cast<std::size_t>(r * width + c)];
        }
    }
}

std::vector<Cell> Console::ReadBlock(const CellRect& rect) const {
    const int width = std::max(0, rect.Width());
    const int height = std::max(0, rect.Height());
    std::vector<Cell> block(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int row = rect.top + r;
            const int col = rect.left + c;
            if (row < 1 || row > kScreenHeight || col < 1 || col > kScreenWidth) continue;
            block[static_cast<std::size_t>(r * width + c)] = cells_[Index(row, col)];
        }
    }
    return block;
}

Cell Console::CellAt(int row, int col) const {
    if (row < 1 || row > kScreenHeight || col < 1 || col > kScreenWidth) return Cell{};
    return cells_[Index(row, col)];
}

void Console::SetTrueColour(int row, int col, int count, std::int32_t foreground,
                            std::int32_t background) {
    if (!capabilities_.trueColour || row < 1 || row > kScreenHeight) return;
    dirtyRows_ |= RowBit(row);
    for (int c = std::max(col, 1); c < col + count && c <= kScreenWidth; ++c) {
        Cell& cell = cells_[Index(row, c)];
        cell.rgbForeground = foreground;
        cell.rgbBackground = background;
    }
}

void Console::SetColor(int foreground, int background) {
    attribute_ = static_cast<std::uint8_t>(((background & 15) << 4) | (foreground & 15));
}

void Console::Locate(int row, int col) {
    cursorRow_ = std::clamp(row, 1, kScreenHeight);
    cursorCol_ = std::clamp(col, 1, kScreenWidth);
}

void Console::SetCursorVisible(bool visible) {
    cursorVisible_ = visible;
}

void Console::Print(std::string_view text) {
    for (char ch : text) {
        if (cursorRow_ > kScreenHeight) return;
        dirtyRows_ |= RowBit(cursorRow_);
        cells_[Index(cursorRow_, cursorCol_)] = Cell{static_cast<std::uint8_t>(ch), attribute_};
        if (cursorCol_ < kScreenWidth) {
            ++cursorCol_;
        } else if (cursorRow_ < kScreenHeight) {
            cursorCol_ = 1;
            ++cursorRow_;
        } else {
            return;  // the last cell of the screen: stay, never scroll
        }
    }
}

void Console::ClearScreen() {
    std::fill(cells_.begin(), cells_.end(), Cell{' ', attribute_});
    dirtyRows_ = kAllRows;
    cursorRow_ = 1;
    cursorCol_ = 1;
}

void Console::SetTitle(const std::string& title) {
    title_ = title;
    backend_.SetTitle(title);
}

void Console::SetMouseEvents(int buttons, int kinds) {
    mouseButtons_ = buttons;
    mouseKinds_ = kinds;
}

ConsoleEvent Console::ReadEvent() {
    Flush();
    for (;;) {
        const auto event = backend_.NextInput(-1);
        if (!event || !Accepts(*event)) continue;
        if (const auto* mouse = std::get_if<MouseInput>(&*event)) {
            pointerRow_ = mouse->row;
            pointerCol_ = mouse->col;
        }
        return ConsoleEventOf(*event, pointerRow_, pointerCol_);
    }
}

bool Console::Accepts(const InputEvent& event) const {
    const auto* mouse = std::get_if<MouseInput>(&event);
    if (mouse == nullptr) return true;
    if ((mouseKinds_ & mouse->kind) == 0) return false;
    return mouse->kind == kMove || (mouseButtons_ & mouse->buttons) != 0;
}

void Console::ShowPicture(const PictureView& picture, const CellRect& area) {
    Flush();
    backend_.ShowPicture({picture, area, ChoosePictureMode(capabilities_)});
    // Taken away also when the wait ends in an error.
    struct Hide {
        Console& console;
        ~Hide() {
            console.backend_.HidePicture();
            console.dirtyRows_ = kAllRows;
        }
    } hide{*this};
    for (;;) {
        const auto event = backend_.NextInput(-1);
        if (!event) continue;
        const auto* mouse = std::get_if<MouseInput>(&*event);
        if (mouse == nullptr) return;
        pointerRow_ = mouse->row;
        pointerCol_ = mouse->col;
        if (mouse->kind == kPress) return;
    }
}

void Console::LendTerminal(const std::function<void()>& run) {
    Flush();
    backend_.Suspend();
    struct TakeBack {
        ConsoleBackend& backend;
        ~TakeBack() { backend.Resume(); }
    } takeBack{backend_};
    run();
}

void Console::Beep() {
    backend_.Beep();
}

void Console::Sleep(int milliseconds) {
    Flush();
    clock_.SleepMs(milliseconds);
}

void Console::Flush() {
    backend_.Present(ScreenState{cells_, cursorRow_, cursorCol_, cursorVisible_, dirtyRows_});
    dirtyRows_ = 0;
}

void Console::Damage(int topRow, int bottomRow) {
    for (int row = std::max(topRow, 1); row <= std::min(bottomRow, kScreenHeight); ++row) {
        dirtyRows_ |= RowBit(row);
    }
}

}  // namespace gridlet
