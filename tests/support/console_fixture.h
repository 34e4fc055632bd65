#pragma once
// An in-memory console with a virtual clock and an empty design, for scripted flows.

#include <gtest/gtest.h>

#include <string>

#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "interact/context.h"
#include "output/compose_program.h"
#include "platform/clock.h"
#include "platform/input_events.h"

namespace gridlet {

class ConsoleFixture : public ::testing::Test {
  protected:
    // The characters of one screen row, columns from..to (1-based, inclusive).
    std::string RowText(int row, int from = 1, int to = kScreenWidth) const {
        std::string text;
        for (int col = from; col <= to; ++col)
            text += static_cast<char>(console.CellAt(row, col).ch);
        return text;
    }
    std::uint8_t AttrAt(int row, int col) const { return console.CellAt(row, col).attr; }
    std::string ScreenBytes() {
        std::string buffer;
        screen.SaveScreen(buffer);
        return buffer;
    }
    // A click as the terminal reports it: the pointer moves there, then the button goes down.
    void Click(int row, int col, int button = kLeftButton) {
        backend.Script(MoveEvent(row, col));
        backend.Script(PressEvent(row, col, button));
    }
    void Type(const std::string& keys) {
        for (char key : keys) backend.Script(KeyEvent(key));
    }
    void TypeLine(const std::string& line) {
        Type(line);
        backend.Script(KeyEvent('\r'));
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    Design design;
    PassState pass;
    MemoryClipboard clipboard;
    ProgramEnvironment environment;  // no outside programs unless a test names them
    Context context{console, screen, design, pass, clipboard, environment, ComposeProgram};
};

}  // namespace gridlet
