#pragma once
// Design texts are Windows-1252 bytes; keys and file names arrive as UTF-8 and cells show
// code page 437. These conversions sit between them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridlet {

// A character with no Windows-1252 form becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view text);

// The code page 437 cell byte that shows a Windows-1252 character ("?" when there is none).
std::uint8_t Windows1252ToCp437(char ch);
std::string Windows1252ToCp437(std::string_view text);

// The Windows-1252 character a key event types, if it types one: control characters, extended
// keys and mouse events type nothing. A lone byte from 128 up is taken as Windows-1252 already.
std::optional<char> TypedCharacter(std::string_view event);

}  // namespace gridlet
