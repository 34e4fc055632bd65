#pragma once
// Windows-1252 text as console cells show it.

#include <cstdint>
#include <string>
#include <string_view>

namespace gridlet {

// The code page 437 cell byte that shows a Windows-1252 character ("?" when there is none).
std::uint8_t CellCharacter(char cp1252);
std::string CellText(std::string_view cp1252);

}  // namespace gridlet
