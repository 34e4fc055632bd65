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
      cells_(kScreenWidth * kScreenHeight) {
    // The picture's cells are shown in kitty images or sixels; iTerm2 images cannot lie under
    // text or be drawn in part, so they give way to symbols.
    const PictureMode mode = ChoosePictureMode(capabilities_);
    if (mode == PictureMode::Kitty || mode == PictureMode::Sixels) pictureMode_ = mode;
}

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
    backend_.ShowPicture(
        {picture, area, ChoosePictureMode(capabilities_), CellColourDepth(capabilities_)});
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

void Console::ShowCellPicture(CellPicture picture) {
    const CellRect& rect = picture.cells;
    std::vector<bool> changed =
        cellPicture_
            ? ChangedCells(*cellPicture_, picture)
            : std::vector<bool>(static_cast<std::size_t>(rect.Width() * rect.Height()), true);
    if (!cellPicture_ || cellPicture_->cells != rect) {
        pictureBase_ = ReadBlock(rect);
        symbols_.assign(changed.size(), Cell{});
        pictureChanged_ = changed;
    }
    // The rows and columns that changed bound the cells chafa is given.
    CellRect bounds{rect.bottom + 1, rect.right + 1, rect.top - 1, rect.left - 1};
    std::size_t i = 0;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int col = rect.left; col <= rect.right; ++col, ++i) {
            if (!changed[i]) continue;
            pictureChanged_[i] = true;
            bounds = {std::min(bounds.top, row), std::min(bounds.left, col),
                      std::max(bounds.bottom, row), std::max(bounds.right, col)};
        }
    }
    if (pictureMode_ == PictureMode::Symbols && bounds.top <= bounds.bottom) {
        const std::vector<Cell> symbols =
            SymbolCells(picture, bounds, CellColourDepth(capabilities_));
        std::size_t from = 0;
        for (int row = bounds.top; row <= bounds.bottom; ++row) {
            for (int col = bounds.left; col <= bounds.right; ++col, ++from) {
                const auto to =
                    static_cast<std::size_t>((row - rect.top) * rect.Width() + (col - rect.left));
                if (changed[to]) symbols_[to] = symbols[from];
            }
        }
    }
    cellPicture_ = std::make_shared<const CellPicture>(std::move(picture));
    Damage(rect.top, rect.bottom);
}

void Console::SetPictureBase() {
    if (!cellPicture_) return;
    pictureBase_ = ReadBlock(cellPicture_->cells);
    Damage(cellPicture_->cells.top, cellPicture_->cells.bottom);
}

void Console::HideCellPicture() {
    if (!cellPicture_) return;
    cellPicture_.reset();
    backend_.HidePicture();
    dirtyRows_ = kAllRows;
}

std::vector<bool> Console::PictureShows() const {
    const CellRect& rect = cellPicture_->cells;
    std::vector<bool> shows(pictureBase_.size());
    std::size_t i = 0;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int col = rect.left; col <= rect.right; ++col, ++i)
            shows[i] = CellAt(row, col) == pictureBase_[i];
    }
    return shows;
}

std::vector<Cell> Console::CellsOverPicture(const std::vector<bool>& shows) const {
    std::vector<Cell> cells = cells_;
    const CellRect& rect = cellPicture_->cells;
    std::size_t i = 0;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int col = rect.left; col <= rect.right; ++col, ++i) {
            if (!shows[i] || row < 1 || row > kScreenHeight || col < 1 || col > kScreenWidth)
                continue;
            Cell& cell = cells[static_cast<std::size_t>(Index(row, col))];
            if (pictureMode_ == PictureMode::Symbols) {
                cell = symbols_[i];
            } else if (pictureMode_ == PictureMode::Sixels) {
                cell = Cell{' ', 0, kPictureShown, kPictureShown};
            } else {
                cell.rgbBackground = kTerminalBackground;
            }
        }
    }
    return cells;
}

void Console::Flush() {
    if (!cellPicture_) {
        backend_.Present(ScreenState{cells_, cursorRow_, cursorCol_, cursorVisible_, dirtyRows_});
        dirtyRows_ = 0;
        return;
    }
    std::vector<bool> shows = PictureShows();
    const std::vector<Cell> cells = CellsOverPicture(shows);
    PixelLayer layer{cellPicture_, pictureMode_, std::move(shows), pictureChanged_};
    const bool pixels = pictureMode_ != PictureMode::Symbols;
    backend_.Present(ScreenState{cells, cursorRow_, cursorCol_, cursorVisible_, dirtyRows_,
                                 pixels ? &layer : nullptr});
    dirtyRows_ = 0;
    std::fill(pictureChanged_.begin(), pictureChanged_.end(), false);
}

void Console::Damage(int topRow, int bottomRow) {
    for (int row = std::max(topRow, 1); row <= std::min(bottomRow, kScreenHeight); ++row) {
        dirtyRows_ |= RowBit(row);
    }
}

}  // namespace gridlet
