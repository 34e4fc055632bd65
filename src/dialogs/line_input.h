#pragma once
// Reading a typed value at the console, as the menus' entry panels do.

#include <string>
#include <string_view>

#include "platform/console.h"

namespace gridlet {

constexpr std::size_t kMaxLineLength = 10000;

// Reads a line at the cursor with echo: Backspace removes the last character, other control
// characters are ignored, characters past the limit are dropped, Enter ends. The text is
// Windows-1252; mouse events are passed over.
std::string ReadConsoleLine(Console& console);

// The first field of a line as a console INPUT statement takes it: leading blanks skipped; a
// field that opens with a double quote runs to the next one, quotes removed; any other runs to
// the first comma or the end, trailing blanks removed.
std::string FirstInputField(std::string_view line);

// Puts the cursor at the place, shows it while the line is typed, and gives the line. The echo
// takes the colours of the cell where typing starts.
std::string LineAt(Console& console, int row, int col);

// The first field of the line typed at the place.
std::string InputField(Console& console, int row, int col);

}  // namespace gridlet
