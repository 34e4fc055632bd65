#pragma once
// One input event as the terminal's bytes decode to it: a key, an extended key, a mouse report or
// a paste. Resizes and the terminal's answers never reach the program as input.

#include <string>
#include <variant>

namespace gridlet {

// Mouse buttons and event kinds, as bits so that a console can choose the ones it reports.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4, kAllButtons = 7 };
enum MouseEventKind : int { kMove = 1, kDoubleClick = 2, kPress = 4, kRelease = 8 };

// A key by its byte: a character (Windows-1252) or a control key such as Enter or Esc.
struct KeyInput {
    char byte = 0;
};

// A key that has no byte (F1, the arrows, Alt with a letter), by its scan code.
struct ExtendedKeyInput {
    int scanCode = 0;
};

struct MouseInput {
    MouseEventKind kind = kMove;
    int buttons = 0;  // the button pressed or released; none for a move
    bool shift = false;
    int row = 0;  // the pointer's cell, 1-based
    int col = 0;
};

// Text pasted into the terminal, Windows-1252.
struct PasteInput {
    std::string text;
};

using InputEvent = std::variant<KeyInput, ExtendedKeyInput, MouseInput, PasteInput>;

}  // namespace gridlet
