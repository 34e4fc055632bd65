#include "platform/console_event.h"

#include "platform/keys.h"

namespace gridlet {
namespace {

EventKind MouseKindOf(MouseEventKind kind) {
    switch (kind) {
        case kMove:
            return EventKind::Move;
        case kDoubleClick:
            return EventKind::DoubleClick;
        case kPress:
            return EventKind::Press;
        case kRelease:
            return EventKind::Release;
    }
    return EventKind::Press;
}

// Builds the event of each kind of input.
struct Translate {
    ConsoleEvent& event;

    void operator()(const KeyInput& key) const {
        event.kind = EventKind::Key;
        event.key.assign(1, key.byte);
    }
    void operator()(const ExtendedKeyInput& key) const {
        event.kind = EventKind::ExtendedKey;
        event.scanCode = key.scanCode;
    }
    void operator()(const MouseInput& mouse) const {
        event.kind = MouseKindOf(mouse.kind);
        event.buttons = mouse.buttons;
        event.shift = mouse.shift;
    }
    void operator()(const PasteInput& paste) const {
        event.kind = EventKind::Paste;
        event.key = paste.text;
    }
};

}  // namespace

ConsoleEvent ConsoleEventOf(const InputEvent& input, int pointerRow, int pointerCol) {
    ConsoleEvent event;
    event.row = pointerRow;
    event.col = pointerCol;
    std::visit(Translate{event}, input);
    return event;
}

std::optional<char> TypedCharacter(const ConsoleEvent& event) {
    if (event.kind != EventKind::Key || event.key.size() != 1) return std::nullopt;
    const auto byte = static_cast<unsigned char>(event.key[0]);
    if (byte < 32 || byte == 127) return std::nullopt;
    return event.key[0];
}

std::int16_t KeyCode(const ConsoleEvent& event) {
    switch (event.kind) {
        case EventKind::Key:
            return event.key.empty() ? 0 : static_cast<unsigned char>(event.key[0]);
        case EventKind::ExtendedKey:
            return ExtendedKeyCode(event.scanCode);
        case EventKind::Paste:
            return 0;
        default:
            return -1;
    }
}

}  // namespace gridlet
