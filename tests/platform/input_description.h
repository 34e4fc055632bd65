#pragma once
// Input events as text for comparing and for failure messages: a key is its byte, the others name
// their kind. Shift is left out; the tests that care look at it alone.

#include <string>
#include <variant>

#include "platform/input_event.h"

namespace gridlet {

inline std::string Describe(const InputEvent& event) {
    struct Text {
        std::string operator()(const KeyInput& key) const { return std::string(1, key.byte); }
        std::string operator()(const ExtendedKeyInput& key) const {
            return "extended " + std::to_string(key.scanCode);
        }
        std::string operator()(const MouseInput& mouse) const {
            return "mouse " + std::to_string(mouse.kind) + " " + std::to_string(mouse.buttons) +
                   " @" + std::to_string(mouse.row) + "," + std::to_string(mouse.col);
        }
        std::string operator()(const PasteInput& paste) const { return "paste " + paste.text; }
    };
    return std::visit(Text{}, event);
}

}  // namespace gridlet
