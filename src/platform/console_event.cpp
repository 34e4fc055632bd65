#include "platform/console_event.h"

#include "platform/console_backend.h"

namespace gridlet {
namespace {

EventKind MouseKindOf(int bit) {
    switch (bit) {
        case kMove:
            return EventKind::Move;
        case kDoubleClick:
            return EventKind::DoubleClick;
        case kRelease:
            return EventKind::Release;
        default:
            return EventKind::Press;
    }
}

}  // namespace

int ConsoleEvent::MouseKindBit() const {
    switch (kind) {
        case EventKind::Move:
            return kMove;
        case EventKind::DoubleClick:
            return kDoubleClick;
        case EventKind::Press:
            return kPress;
        case EventKind::Release:
            return kRelease;
        default:
            return 0;
    }
}

std::optional<char> TypedCharacter(const ConsoleEvent& event) {
    if (event.kind != EventKind::Key || event.key.size() != 1) return std::nullopt;
    const auto byte = static_cast<unsigned char>(event.key[0]);
    if (byte < 32 || byte == 127) return std::nullopt;
    return event.key[0];
}

std::int16_t KeyCode(const ConsoleEvent& event) {
    if (event.IsMouse()) return -1;
    if (event.kind == EventKind::Paste) return 0;
    const auto low = event.key.empty() ? 0 : static_cast<unsigned char>(event.key[0]);
    const auto high = event.key.size() < 2 ? 0 : static_cast<unsigned char>(event.key[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

ConsoleEvent ParseEvent(const std::string& code, int row, int col) {
    ConsoleEvent event;
    event.row = row;
    event.col = col;
    if (code.size() == 4 && static_cast<unsigned char>(code[0]) == 255 &&
        static_cast<unsigned char>(code[1]) == 255) {
        event.kind = MouseKindOf(static_cast<unsigned char>(code[2]));
        event.buttons = static_cast<unsigned char>(code[3]);
        return event;
    }
    if (code.starts_with(kPasteMark)) {
        event.kind = EventKind::Paste;
        event.key = code.substr(kPasteMark.size());
        return event;
    }
    event.kind = code.size() == 2 && code[0] == '\0' ? EventKind::ExtendedKey : EventKind::Key;
    event.key = code;
    return event;
}

}  // namespace gridlet
