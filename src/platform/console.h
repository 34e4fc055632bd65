#pragma once
// The 90 x 46 cell console: an authoritative cell buffer with block read and write, text colour,
// cursor, printing, mouse event selection and input events. A backend shows it and delivers input.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cell_picture.h"
#include "platform/cell_rect.h"
#include "platform/clock.h"
#include "platform/console_backend.h"
#include "platform/console_event.h"
#include "platform/picture.h"
#include "platform/terminal_capabilities.h"

namespace gridlet {

constexpr int kScreenWidth = 90;
constexpr int kScreenHeight = 46;

class Console {
  public:
    Console(ConsoleBackend& backend, Clock& clock, TerminalCapabilities capabilities = {});

    // Block write and read of a rectangle. Cells outside the screen are skipped; a buffer shorter
    // than the rectangle writes nothing.
    void WriteBlock(const CellRect& rect, const std::vector<Cell>& cells);
    std::vector<Cell> ReadBlock(const CellRect& rect) const;
    Cell CellAt(int row, int col) const;

    // Where the terminal shows 24-bit colour, `count` cells of a row from `col` on show these
    // colours (0xRRGGBB, kNoRgb to keep the attribute's) until they are written again; elsewhere
    // the cells keep their attribute's colours alone.
    void SetTrueColour(int row, int col, int count, std::int32_t foreground,
                       std::int32_t background);

    void SetColor(int foreground, int background);
    std::uint8_t Attribute() const { return attribute_; }
    void Locate(int row, int col);
    int CursorRow() const { return cursorRow_; }
    int CursorCol() const { return cursorCol_; }
    void SetCursorVisible(bool visible);
    bool CursorVisible() const { return cursorVisible_; }

    // Prints code page 437 bytes at the cursor without a line end; wraps at the right edge and
    // never scrolls, so a text filling the last row stays where it is.
    void Print(std::string_view text);
    void ClearScreen();

    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }

    // Chooses the reported buttons and event kinds; other mouse events are dropped.
    void SetMouseEvents(int buttons, int kinds);
    int MouseButtons() const { return mouseButtons_; }
    int MouseKinds() const { return mouseKinds_; }

    // Shows pending changes, then blocks until the next event that the mouse event selection
    // lets through. Every event carries the pointer's cell: a mouse event its own, a key the cell
    // of the last mouse event.
    ConsoleEvent ReadEvent();

    // Shows pending changes, then the picture fitted into the area over the cells, until the next
    // key or button press, which it takes. Afterwards every cell is shown anew.
    void ShowPicture(const PictureView& picture, const CellRect& area);

    // A picture under the cells of its rectangle, until hidden: each cell shows its part of the
    // picture while it is as the picture's base has it, and its own text once something is drawn
    // over it. Pixels where the terminal has them (kitty under the text, sixels in the cells),
    // block symbols elsewhere. Only the cells whose part changed are shown anew.
    void ShowCellPicture(CellPicture picture);
    // The rectangle's cells as they are now become the picture's base.
    void SetPictureBase();
    void HideCellPicture();
    bool ShowsCellPicture() const { return cellPicture_ != nullptr; }

    // Lends the terminal to another program for the time of run, then takes it back and shows
    // every cell anew.
    void LendTerminal(const std::function<void()>& run);

    void Beep();
    // Shows pending changes, then waits; every pause of the program goes through here.
    void Sleep(int milliseconds);
    void Flush();

    // What the terminal can do beyond its cells.
    const TerminalCapabilities& capabilities() const { return capabilities_; }
    Clock& clock() { return clock_; }
    ConsoleBackend& backend() { return backend_; }

  private:
    bool Accepts(const InputEvent& event) const;
    int Index(int row, int col) const { return (row - 1) * kScreenWidth + (col - 1); }
    void Damage(int topRow, int bottomRow);
    // The cells shown where the picture shows, and the layer of pixels for the backend.
    std::vector<Cell> CellsOverPicture(const std::vector<bool>& shows) const;
    std::vector<bool> PictureShows() const;

    ConsoleBackend& backend_;
    Clock& clock_;
    TerminalCapabilities capabilities_;
    std::vector<Cell> cells_;
    RowDamage dirtyRows_ = kAllRows;
    std::uint8_t attribute_ = 0x07;
    int cursorRow_ = 1;
    int cursorCol_ = 1;
    bool cursorVisible_ = true;
    std::string title_;
    int mouseButtons_ = kAllButtons;
    int mouseKinds_ = kPress;
    int pointerRow_ = 0;
    int pointerCol_ = 0;
    PictureMode pictureMode_ = PictureMode::Symbols;
    std::shared_ptr<const CellPicture> cellPicture_;
    std::vector<Cell> pictureBase_;     // the rectangle's cells, row by row
    std::vector<Cell> symbols_;         // each cell's part of the picture as a symbol
    std::vector<bool> pictureChanged_;  // since the last flush
};

}  // namespace gridlet
