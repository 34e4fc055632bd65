#pragma once
// One input event as the console hands it on: what happened, and where the pointer was.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/input_event.h"

namespace gridlet {

enum class EventKind { Key, ExtendedKey, Paste, Move, DoubleClick, Press, Release };

struct ConsoleEvent {
    EventKind kind = EventKind::Key;
    std::string key;     // the text the event types: a key's byte, a paste's text
    int scanCode = 0;    // an extended key's
    int buttons = 0;     // the buttons of a mouse event
    bool shift = false;  // Shift was held for a mouse event
    int row = 0;         // the pointer's cell when the event came; 0 before the first mouse event
    int col = 0;

    bool IsMouse() const {
        return kind != EventKind::Key && kind != EventKind::ExtendedKey && kind != EventKind::Paste;
    }
    bool IsPress() const { return kind == EventKind::Press; }
    bool IsKey(char ch) const { return kind == EventKind::Key && key == std::string(1, ch); }
    bool IsExtendedKey(int code) const {
        return kind == EventKind::ExtendedKey && scanCode == code;
    }
};

// The console's event for an input event, with the pointer's cell.
ConsoleEvent ConsoleEventOf(const InputEvent& input, int pointerRow, int pointerCol);

// The character a key event types, if it types one: control characters, extended keys and
// mouse events type nothing.
std::optional<char> TypedCharacter(const ConsoleEvent& event);

// The signed 16-bit command code of an event: a key's byte; an extended key's zero byte low and
// scan code high; -1 for a mouse event; 0 for a paste, which names no command.
std::int16_t KeyCode(const ConsoleEvent& event);

}  // namespace gridlet
