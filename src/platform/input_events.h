#pragma once
// Builders for input events, with the keys they name.

#include <string>
#include <utility>

#include "platform/input_event.h"
#include "platform/keys.h"

namespace gridlet {

inline InputEvent KeyEvent(char key) {
    return KeyInput{key};
}

inline InputEvent ExtendedKeyEvent(int scanCode) {
    return ExtendedKeyInput{scanCode};
}

// Pasted text, Windows-1252.
inline InputEvent PasteEvent(std::string text) {
    return PasteInput{std::move(text)};
}

inline InputEvent MoveEvent(int row, int col) {
    return MouseInput{kMove, 0, false, row, col};
}
inline InputEvent PressEvent(int row, int col, int button = kLeftButton) {
    return MouseInput{kPress, button, false, row, col};
}
inline InputEvent ReleaseEvent(int row, int col, int button = kLeftButton) {
    return MouseInput{kRelease, button, false, row, col};
}
// A press with Shift held.
inline InputEvent ShiftPressEvent(int row, int col, int button = kLeftButton) {
    return MouseInput{kPress, button, true, row, col};
}

}  // namespace gridlet
