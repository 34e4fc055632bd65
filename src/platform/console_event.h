#pragma once
// One input event as the console hands it on: what happened, and where the pointer was.

#include <cstdint>
#include <optional>
#include <string>

namespace gridlet {

// Mouse buttons and event kinds as the input encoding numbers them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4, kAllButtons = 7 };
enum MouseEventKind : int { kMove = 1, kDoubleClick = 2, kPress = 4, kRelease = 8 };

enum class EventKind { Key, ExtendedKey, Paste, Move, DoubleClick, Press, Release };

struct ConsoleEvent {
    EventKind kind = EventKind::Key;
    std::string key;  // a key's byte; an extended key's zero byte and scan code; a paste's text
    int buttons = 0;  // the buttons of a mouse event
    int row = 0;      // the pointer's cell when the event came; 0 before the first mouse event
    int col = 0;

    bool IsMouse() const {
        return kind != EventKind::Key && kind != EventKind::ExtendedKey && kind != EventKind::Paste;
    }
    bool IsPress() const { return kind == EventKind::Press; }
    bool IsKey(char ch) const { return kind == EventKind::Key && key == std::string(1, ch); }
    bool IsExtendedKey(int scanCode) const {
        return kind == EventKind::ExtendedKey && static_cast<unsigned char>(key[1]) == scanCode;
    }
    // The MouseEventKind bit of a mouse event, 0 for a key.
    int MouseKindBit() const;
};

// The character a key event types, if it types one: control characters, extended keys and
// mouse events type nothing.
std::optional<char> TypedCharacter(const ConsoleEvent& event);

// The signed 16-bit command code of an event: a key's bytes, first byte low; a mouse event's
// encoding opens with two 255 bytes, so its code is -1; a paste names no command, 0.
std::int16_t KeyCode(const ConsoleEvent& event);

// The console's event for one event of the backend's byte encoding.
ConsoleEvent ParseEvent(const std::string& code, int row, int col);

}  // namespace gridlet
