#include "platform/console.h"

#include <algorithm>

namespace gridlet {

static_assert(kScreenHeight <= 64, "a row damage has a bit for every row");

Console::Console(ConsoleBackend& backend, Clock& clock, TerminalCapabilities capabilities)
    : backend_(backend),
      clock_(clock),
      capabilities_(capabilities),
      cells_(kScreenWidth * kScreenHeight) {}

void Console::WriteBlock(int topRow, int leftCol, int bottomRow, int rightCol,
                         const std::vector<Cell>& cells) {
    const int width = rightCol - leftCol + 1;
    const int height = bottomRow - topRow + 1;
    if (width <= 0 || height <= 0) return;
    if (cells.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return;
    Damage(topRow, bottomRow);
    for (int r = 0; r < height; ++r) {
        const int row = topRow + r;
        if (row < 1 || row > kScreenHeight) continue;
        for (int c = 0; c < width; ++c) {
            const int col = leftCol + c;
            if (col < 1 || col > kScreenWidth) continue;
            cells_[Index(row, col)] = cells[static_cast<std::size_t>(r * width + c)];
        }
    }
}

std::vector<Cell> Console::ReadBlock(int topRow, int leftCol, int bottomRow, int rightCol) const {
    const int width = std::max(0, rightCol - leftCol + 1);
    const int height = std::max(0, bottomRow - topRow + 1);
    std::vector<Cell> block(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int row = topRow + r;
            const int col = leftCol + c;
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

std::string Console::ReadEvent() {
    return NextEvent(-1);
}

std::string Console::PollEvent(int timeoutMs) {
    return NextEvent(std::max(0, timeoutMs));
}

std::string Console::NextEvent(int timeoutMs) {
    Flush();
    const std::int64_t deadline = clock_.MonotonicMs() + timeoutMs;
    for (;;) {
        const int remaining =
            timeoutMs < 0
                ? -1
                : static_cast<int>(std::max<std::int64_t>(0, deadline - clock_.MonotonicMs()));
        const auto event = backend_.NextInput(remaining);
        if (!event) return {};
        if (Accepts(*event)) {
            if (IsMouseEvent(event->code)) {
                mouseRow_ = event->row;
                mouseCol_ = event->col;
            }
            return event->code;
        }
        if (timeoutMs >= 0 && remaining == 0) return {};
    }
}

bool Console::Accepts(const InputEvent& event) const {
    if (!IsMouseEvent(event.code)) return true;
    const int kind = MouseEventKindOf(event.code);
    if ((mouseKinds_ & kind) == 0) return false;
    return kind == kMove || (mouseButtons_ & MouseButtonsOf(event.code)) != 0;
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

std::int16_t KeyCode(std::string_view event) {
    const auto low = event.empty() ? 0 : static_cast<unsigned char>(event[0]);
    const auto high = event.size() < 2 ? 0 : static_cast<unsigned char>(event[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

bool IsMouseEvent(std::string_view event) {
    return event.size() == 4 && static_cast<unsigned char>(event[0]) == 255 &&
           static_cast<unsigned char>(event[1]) == 255;
}

int MouseEventKindOf(std::string_view event) {
    return IsMouseEvent(event) ? static_cast<unsigned char>(event[2]) : 0;
}

int MouseButtonsOf(std::string_view event) {
    return IsMouseEvent(event) ? static_cast<unsigned char>(event[3]) : 0;
}

}  // namespace gridlet
