#pragma once
// Windows-1252 text as console cells show it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gridlet {

// The code page 437 cell byte that shows a Windows-1252 character ("?" when there is none).
std::uint8_t CellCharacter(char cp1252);
std::string CellText(std::string_view cp1252);

// A message in UTF-8, names in it as the system gives them, as one row of cells of the width:
// blanks after it, and one too long cut in its middle with "...", so that the start and the end,
// the reason, stay.
std::string RowOfCells(std::string_view utf8, std::size_t width);

}  // namespace gridlet
