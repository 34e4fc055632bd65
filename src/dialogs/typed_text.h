#pragma once
// Typed design text (Windows-1252) as keys bring it and as console cells show it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/console_event.h"

namespace gridlet {

// The code page 437 cell byte that shows a Windows-1252 character ("?" when there is none).
std::uint8_t CellCharacter(char cp1252);
std::string CellText(std::string_view cp1252);

// The character a key event types, if it types one: control characters, extended keys and
// mouse events type nothing.
std::optional<char> TypedCharacter(const ConsoleEvent& event);

}  // namespace gridlet
