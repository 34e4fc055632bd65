#pragma once
// Builders for input events in the backend's encoding.

#include <string>

#include "platform/console_backend.h"
#include "platform/keys.h"

namespace gridlet {

inline InputEvent KeyEvent(char key) {
    return InputEvent{std::string(1, key), 0, 0};
}

inline InputEvent ExtendedKeyEvent(int scanCode) {
    return InputEvent{std::string{'\0', static_cast<char>(scanCode)}, 0, 0};
}

// Pasted text, Windows-1252.
inline InputEvent PasteEvent(std::string text) {
    return InputEvent{std::string(kPasteMark) + text, 0, 0};
}

inline InputEvent MouseEvent(int kind, int buttons, int row, int col) {
    return InputEvent{
        std::string{'\xFF', '\xFF', static_cast<char>(kind), static_cast<char>(buttons)}, row, col};
}

inline InputEvent MoveEvent(int row, int col) {
    return MouseEvent(1, 0, row, col);
}
inline InputEvent PressEvent(int row, int col, int button = 1) {
    return MouseEvent(4, button, row, col);
}
inline InputEvent ReleaseEvent(int row, int col, int button = 1) {
    return MouseEvent(8, button, row, col);
}

}  // namespace gridlet
